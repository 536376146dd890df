#include "tasks/store_codec.h"

#include <bit>
#include <cstring>
#include <string_view>

#include "tasks/task_fields.h"

namespace tockly {
namespace {

constexpr std::size_t kInt32Size = 4;
constexpr std::size_t kBoolSize = 1;
constexpr std::size_t kTimePointSize = 6 * kInt32Size;
constexpr std::size_t kHoursMinutesSecondsSize = 3 * kInt32Size;
constexpr std::size_t kDaysHoursMinutesSecondsSize = 4 * kInt32Size;
constexpr char16_t kEmptyStringStandIn = u' ';

// Bytes the encoder will write, so that the buffer is sized once.
class EncodedSize {
public:
    void String(std::string_view, const std::u16string& text) {
        size += kInt32Size + 2 * (text.empty() ? 1 : text.size());
    }
    void Int(std::string_view, std::int32_t) { size += kInt32Size; }
    void Bool(std::string_view, bool) { size += kBoolSize; }
    void InvertedChoice(std::string_view, std::int32_t) { size += kBoolSize; }
    void Time(std::string_view, const TimePoint&) { size += kTimePointSize; }
    void HoursMinutesSeconds(std::string_view, const Duration&) {
        size += kHoursMinutesSecondsSize;
    }
    void DaysHoursMinutesSeconds(std::string_view, const Duration&) {
        size += kDaysHoursMinutesSecondsSize;
    }
    void Checkpoints(std::string_view, const std::vector<Duration>& checkpoints) {
        size += kInt32Size + checkpoints.size() * kHoursMinutesSecondsSize;
    }

    std::size_t size = 0;
};

// The fewest bytes a task of a kind can take in a file (every string of length 0, no
// checkpoints): a count that needs more than the bytes left is damage.
class MinimumSize : public EncodedSize {
public:
    void String(std::string_view, const std::u16string&) { size += kInt32Size; }
    void Checkpoints(std::string_view, const std::vector<Duration>&) { size += kInt32Size; }
};

template <typename Task>
std::size_t MinimumTaskSize() {
    static const std::size_t size = [] {
        MinimumSize counter;
        const Task task{};
        VisitFields(counter, task);
        return counter.size;
    }();
    return size;
}

class FieldWriter {
public:
    explicit FieldWriter(std::uint8_t* out) : out_(out) {}

    void PutInt32(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        out_[0] = static_cast<std::uint8_t>(bits);
        out_[1] = static_cast<std::uint8_t>(bits >> 8);
        out_[2] = static_cast<std::uint8_t>(bits >> 16);
        out_[3] = static_cast<std::uint8_t>(bits >> 24);
        out_ += kInt32Size;
    }
    void PutByte(std::uint8_t value) { *out_++ = value; }

    void String(std::string_view, const std::u16string& text) {
        const std::u16string_view stored =
            text.empty() ? std::u16string_view(&kEmptyStringStandIn, 1) : text;
        PutInt32(static_cast<std::int32_t>(stored.size()));
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(out_, stored.data(), 2 * stored.size());
            out_ += 2 * stored.size();
        } else {
            for (char16_t unit : stored) {
                out_[0] = static_cast<std::uint8_t>(unit);
                out_[1] = static_cast<std::uint8_t>(unit >> 8);
                out_ += 2;
            }
        }
    }
    void Int(std::string_view, std::int32_t value) { PutInt32(value); }
    void Bool(std::string_view, bool value) { PutByte(value ? 1 : 0); }
    void InvertedChoice(std::string_view, std::int32_t choice) { PutByte(choice == 0 ? 1 : 0); }
    void Time(std::string_view, const TimePoint& time) {
        PutInt32(time.day);
        PutInt32(time.month);
        PutInt32(time.year);
        PutInt32(time.hour);
        PutInt32(time.minute);
        PutInt32(time.second);
    }
    void HoursMinutesSeconds(std::string_view, const Duration& span) {
        PutInt32(span.hours);
        PutInt32(span.minutes);
        PutInt32(span.seconds);
    }
    void DaysHoursMinutesSeconds(std::string_view name, const Duration& span) {
        PutInt32(span.days);
        HoursMinutesSeconds(name, span);
    }
    void Checkpoints(std::string_view name, const std::vector<Duration>& checkpoints) {
        PutInt32(static_cast<std::int32_t>(checkpoints.size()));
        for (const Duration& checkpoint : checkpoints) {
            HoursMinutesSeconds(name, checkpoint);
        }
    }

private:
    std::uint8_t* out_;
};

// Reads fields in file order and checks each against the bytes that remain. The first problem
// is kept; every read after it does nothing, and the caller gives up at the next check.
class FieldReader {
public:
    FieldReader(std::span<const std::uint8_t> bytes, std::size_t offset)
        : bytes_(bytes), offset_(offset) {}

    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    std::size_t remaining() const { return bytes_.size() - offset_; }
    std::size_t offset() const { return offset_; }

    void SetTask(TaskKind kind, std::size_t number) {
        kind_ = kind;
        number_ = number;
    }

    void Fail(const std::string& reason) {
        if (!failed()) {
            error_ = reason;
        }
    }

    std::int32_t TakeInt32(std::string_view name) {
        if (failed()) {
            return 0;
        }
        if (remaining() < kInt32Size) {
            FailInField(name, "the file ends inside it");
            return 0;
        }
        const std::uint8_t* in = bytes_.data() + offset_;
        offset_ += kInt32Size;
        return static_cast<std::int32_t>(in[0] | (in[1] << 8) | (in[2] << 16) |
                                         (std::uint32_t{in[3]} << 24));
    }
    std::uint8_t TakeByte(std::string_view name) {
        if (failed()) {
            return 0;
        }
        if (remaining() < kBoolSize) {
            FailInField(name, "the file ends inside it");
            return 0;
        }
        return bytes_[offset_++];
    }

    // A count of items of `itemSize` bytes each that must fit in what remains.
    // `what` names the number in messages: "count" or "length".
    std::size_t TakeCount(std::string_view name, std::size_t itemSize, std::string_view what) {
        const std::size_t at = offset_;
        const std::int32_t count = TakeInt32(name);
        if (failed()) {
            return 0;
        }
        if (count < 0) {
            FailInField(name, "negative " + std::string(what) + " " + std::to_string(count) +
                                  " at offset " + std::to_string(at));
            return 0;
        }
        if (static_cast<std::size_t>(count) > remaining() / itemSize) {
            FailInField(name, std::string(what) + " " + std::to_string(count) + " at offset " +
                                  std::to_string(at) + " needs more than the " +
                                  std::to_string(remaining()) + " bytes left");
            return 0;
        }
        return static_cast<std::size_t>(count);
    }

    void String(std::string_view name, std::u16string& text) {
        const std::size_t length = TakeCount(name, 2, "length");
        if (failed()) {
            return;
        }
        const std::uint8_t* in = bytes_.data() + offset_;
        text.resize(length);
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(text.data(), in, 2 * length);
        } else {
            for (std::size_t i = 0; i < length; ++i) {
                text[i] = static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8));
            }
        }
        offset_ += 2 * length;
    }
    void Int(std::string_view name, std::int32_t& value) { value = TakeInt32(name); }
    void Bool(std::string_view name, bool& value) { value = TakeByte(name) != 0; }
    void InvertedChoice(std::string_view name, std::int32_t& choice) {
        choice = TakeByte(name) == 0 ? 1 : 0;
    }
    void Time(std::string_view name, TimePoint& time) {
        time.day = TakeInt32(name);
        time.month = TakeInt32(name);
        time.year = TakeInt32(name);
        time.hour = TakeInt32(name);
        time.minute = TakeInt32(name);
        time.second = TakeInt32(name);
        time.millisecond = 0;
    }
    void HoursMinutesSeconds(std::string_view name, Duration& span) {
        span.days = 0;
        span.hours = TakeInt32(name);
        span.minutes = TakeInt32(name);
        span.seconds = TakeInt32(name);
    }
    void DaysHoursMinutesSeconds(std::string_view name, Duration& span) {
        span.days = TakeInt32(name);
        span.hours = TakeInt32(name);
        span.minutes = TakeInt32(name);
        span.seconds = TakeInt32(name);
    }
    void Checkpoints(std::string_view name, std::vector<Duration>& checkpoints) {
        const std::size_t count = TakeCount(name, kHoursMinutesSecondsSize, "count");
        checkpoints.resize(count);
        for (Duration& checkpoint : checkpoints) {
            HoursMinutesSeconds(name, checkpoint);
        }
    }

private:
    void FailInField(std::string_view name, const std::string& problem) {
        const std::string where =
            number_ == 0 ? "section " + std::string(TaskKindName(kind_))
                         : std::string(TaskKindName(kind_)) + " task " + std::to_string(number_);
        Fail(where + ", " + std::string(name) + ": " + problem);
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_;
    std::string error_;
    TaskKind kind_ = TaskKind::Application;
    std::size_t number_ = 0;
};

template <typename Task>
bool ReadSection(FieldReader& reader, TaskKind kind, std::vector<Task>& tasks) {
    reader.SetTask(kind, 0);
    const std::size_t at = reader.offset();
    const std::int32_t count = reader.TakeInt32("count");
    if (reader.failed()) {
        return false;
    }
    const std::string section = "section " + std::string(TaskKindName(kind));
    if (count < 0) {
        reader.Fail(section + ": negative count " + std::to_string(count) + " at offset " +
                    std::to_string(at));
        return false;
    }
    if (static_cast<std::size_t>(count) > reader.remaining() / MinimumTaskSize<Task>()) {
        reader.Fail(section + ": " + std::to_string(count) + " tasks at offset " +
                    std::to_string(at) + " need more than the " +
                    std::to_string(reader.remaining()) + " bytes left");
        return false;
    }
    tasks.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        reader.SetTask(kind, i + 1);
        VisitFields(reader, tasks[i]);
        if (reader.failed()) {
            return false;
        }
    }
    return true;
}

std::int32_t ReadLengthField(std::span<const std::uint8_t> bytes) {
    return static_cast<std::int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                     (std::uint32_t{bytes[3]} << 24));
}

}  // namespace

std::vector<std::uint8_t> EncodeTaskStore(const TaskStore& store) {
    EncodedSize size;
    size.size = kEmptyStoreSize;
    ForEachSection(store, [&](TaskKind, const auto& tasks) {
        for (const auto& task : tasks) {
            VisitFields(size, task);
        }
    });

    std::vector<std::uint8_t> bytes(size.size);
    FieldWriter writer(bytes.data());
    writer.PutInt32(static_cast<std::int32_t>(bytes.size()));
    ForEachSection(store, [&](TaskKind, const auto& tasks) {
        writer.PutInt32(static_cast<std::int32_t>(tasks.size()));
        for (const auto& task : tasks) {
            VisitFields(writer, task);
        }
    });
    return bytes;
}

StoreDecodeResult DecodeTaskStore(std::span<const std::uint8_t> bytes) {
    StoreDecodeResult result;
    if (bytes.size() < kEmptyStoreSize) {
        result.error = "the file has " + std::to_string(bytes.size()) +
                       " bytes; a task store has at least " + std::to_string(kEmptyStoreSize);
        return result;
    }
    const std::int32_t length = ReadLengthField(bytes);
    if (length < 0 || static_cast<std::size_t>(length) != bytes.size()) {
        result.error = "the length field says " + std::to_string(length) +
                       " bytes but the file has " + std::to_string(bytes.size());
        return result;
    }

    FieldReader reader(bytes, kStoreLengthFieldSize);
    TaskStore store;
    bool complete = true;
    ForEachSection(store, [&](TaskKind kind, auto& tasks) {
        complete = complete && ReadSection(reader, kind, tasks);
    });
    if (!complete) {
        result.error = reader.error();
        return result;
    }
    // The length field vouches for them; the tasks before them are whole.
    result.ignoredBytes = reader.remaining();
    result.store = std::move(store);
    return result;
}

}  // namespace tockly
