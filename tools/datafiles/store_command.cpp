// tockly-inspect store FILE [--now YYYY-MM-DDTHH:MM:SS] [--rewrite OUT]
//
// Prints the tasks of a task store as Tockly holds them after loading: the load rules that do not
// depend on the present applied (timer and counter text tidied, a program-ending task collapsed)
// and, with --now, ended tasks stopped (their "atLoad" says what happened to each; dropped ones
// are listed as read). --rewrite writes the file Tockly would save right after that load: with
// --now through the very rules Tockly loads with, without it as if no task had ended yet; for a
// rejected file, a store without tasks. Bytes after the last section, which loading ignores, are
// counted in "ignoredBytes".

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "datafiles/commands.h"
#include "datafiles/file_io.h"
#include "datafiles/json_writer.h"
#include "platform/clock.h"
#include "tasks/load_rules.h"
#include "tasks/store_codec.h"
#include "tasks/task_fields.h"

namespace tockly::inspect {
namespace {

constexpr char kUsage[] =
    "usage: tockly-inspect store FILE [--now YYYY-MM-DDTHH:MM:SS] [--rewrite OUT]";

struct StoreOptions {
    std::string file;
    std::optional<TimePoint> now;
    std::optional<std::string> rewrite;
};

std::optional<TimePoint> ParseMoment(std::string_view text) {
    TimePoint time;
    char end = 0;
    const std::string copy(text);
    if (text.size() != 19 ||
        std::sscanf(copy.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &time.year, &time.month, &time.day,
                    &time.hour, &time.minute, &time.second, &end) != 6 ||
        !ToUnits(time)) {
        return std::nullopt;
    }
    return time;
}

StoreOptions ParseOptions(Arguments arguments) {
    if (arguments.empty() || arguments[0].starts_with("--")) {
        throw UsageError(kUsage);
    }
    StoreOptions options;
    options.file = std::string(arguments[0]);
    for (std::size_t i = 1; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size()) {
            throw UsageError(kUsage);
        }
        if (arguments[i] == "--now" && !options.now) {
            options.now = ParseMoment(arguments[i + 1]);
            if (!options.now) {
                throw UsageError("--now takes a valid local time as YYYY-MM-DDTHH:MM:SS");
            }
        } else if (arguments[i] == "--rewrite" && !options.rewrite) {
            options.rewrite = std::string(arguments[i + 1]);
        } else {
            throw UsageError(kUsage);
        }
    }
    return options;
}

// Writes each field under its name; durations always with all four parts.
class JsonFields {
public:
    explicit JsonFields(JsonWriter& json) : json_(json) {}

    void String(std::string_view name, const std::u16string& text) {
        json_.Key(name);
        json_.String(text);
    }
    void Int(std::string_view name, std::int32_t value) {
        json_.Key(name);
        json_.Int(value);
    }
    void Bool(std::string_view name, bool value) {
        json_.Key(name);
        json_.Bool(value);
    }
    void InvertedChoice(std::string_view name, std::int32_t choice) { Int(name, choice); }
    void Time(std::string_view name, const TimePoint& time) {
        json_.Key(name);
        json_.BeginObject();
        Int("year", time.year);
        Int("month", time.month);
        Int("day", time.day);
        Int("hour", time.hour);
        Int("minute", time.minute);
        Int("second", time.second);
        json_.EndObject();
    }
    void HoursMinutesSeconds(std::string_view name, const Duration& span) {
        json_.Key(name);
        Span(span);
    }
    void DaysHoursMinutesSeconds(std::string_view name, const Duration& span) {
        json_.Key(name);
        Span(span);
    }
    void Checkpoints(std::string_view name, const std::vector<Duration>& checkpoints) {
        json_.Key(name);
        json_.BeginArray();
        for (const Duration& checkpoint : checkpoints) {
            Span(checkpoint);
        }
        json_.EndArray();
    }

private:
    void Span(const Duration& span) {
        json_.BeginObject();
        Int("days", span.days);
        Int("hours", span.hours);
        Int("minutes", span.minutes);
        Int("seconds", span.seconds);
        json_.EndObject();
    }

    JsonWriter& json_;
};

std::u16string_view OutcomeName(LoadOutcome outcome) {
    switch (outcome) {
        case LoadOutcome::Stop:
            return u"stop";
        case LoadOutcome::Drop:
            return u"drop";
        case LoadOutcome::Keep:
            break;
    }
    return u"keep";
}

template <typename Task>
const std::vector<Task>& SectionOf(const TaskStore& store) {
    const std::vector<Task>* section = nullptr;
    ForEachSection(store, [&](TaskKind, const auto& tasks) {
        if constexpr (std::is_same_v<std::decay_t<decltype(tasks)>, std::vector<Task>>) {
            section = &tasks;
        }
    });
    return *section;
}

// `read` is the store as decoded and tidied. After an expiry, `kept` holds the tasks that stayed
// (stopped ones changed) and `outcomes` what happened to each task of `read`.
void WriteTasks(JsonWriter& json, const TaskStore& read, const TaskStore& kept,
                const LoadOutcomes* outcomes) {
    json.BeginObject();
    ForEachSection(read, [&](TaskKind kind, const auto& tasks) {
        using Task = typename std::decay_t<decltype(tasks)>::value_type;
        const std::vector<Task>& keptTasks = SectionOf<Task>(kept);
        json.Key(TaskKindName(kind));
        json.BeginArray();
        std::size_t keptIndex = 0;
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            const LoadOutcome outcome =
                outcomes ? (*outcomes)[static_cast<std::size_t>(kind)][i] : LoadOutcome::Keep;
            const Task& shown = outcome == LoadOutcome::Drop ? tasks[i] : keptTasks[keptIndex++];
            JsonFields fields(json);
            json.BeginObject();
            VisitFields(fields, shown);
            if (outcomes) {
                json.Key("atLoad");
                json.String(OutcomeName(outcome));
            }
            json.EndObject();
        }
        json.EndArray();
    });
    json.EndObject();
}

}  // namespace

int InspectStore(Arguments arguments) {
    const StoreOptions options = ParseOptions(arguments);
    const std::optional<std::vector<std::uint8_t>> bytes = ReadBytes(options.file);
    if (!bytes) {
        std::fprintf(stderr, "tockly-inspect: cannot read %s\n", options.file.c_str());
        return kExitUsage;
    }
    StoreDecodeResult decoded = DecodeTaskStore(*bytes);
    if (!decoded.store) {
        std::fprintf(stderr, "tockly-inspect: rejected: %s\n", decoded.error.c_str());
        // Tockly loads no task from it, so its next save writes a store without tasks.
        if (options.rewrite && !WriteBytes(*options.rewrite, EncodeTaskStore(TaskStore{}))) {
            std::fprintf(stderr, "tockly-inspect: cannot write %s\n", options.rewrite->c_str());
        }
        return kExitUsage;
    }
    TaskStore& read = *decoded.store;
    TaskStore kept = read;
    std::optional<LoadOutcomes> outcomes;
    if (options.now) {
        outcomes = ApplyLoadRules(kept, FixedClock(*options.now));
    } else {
        NormaliseLoadedTasks(kept);
    }
    NormaliseLoadedTasks(read);  // dropped tasks are listed as the rules left them

    JsonWriter json;
    json.BeginObject();
    json.Key("length");
    json.Int(static_cast<std::int64_t>(bytes->size()));
    if (decoded.ignoredBytes != 0) {
        json.Key("ignoredBytes");
        json.Int(static_cast<std::int64_t>(decoded.ignoredBytes));
    }
    json.Key("tasks");
    WriteTasks(json, read, kept, outcomes ? &*outcomes : nullptr);
    json.EndObject();
    std::printf("%s\n", json.text().c_str());

    if (options.rewrite && !WriteBytes(*options.rewrite, EncodeTaskStore(kept))) {
        std::fprintf(stderr, "tockly-inspect: cannot write %s\n", options.rewrite->c_str());
        return 1;
    }
    return kExitOk;
}

}  // namespace tockly::inspect
