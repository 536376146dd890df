#include "times_list_fuzz_checks.h"

#include <string_view>
#include <vector>

#include "widgets/stopwatch_time.h"
#include "widgets/times_list.h"

namespace tockly {
namespace {

// What the stopwatch would write for a list it read from `text`: the same lines without leading
// zeros and without a line break after the last.
std::string Written(std::string_view text) {
    if (text.ends_with("\r\n")) {
        text.remove_suffix(2);
    }
    std::string written;
    bool fieldStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool digitFollows = i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9';
        if (fieldStart && c == '0' && digitFollows) {
            continue;
        }
        written += c;
        fieldStart = c == ':' || c == '\n';
    }
    return written;
}

}  // namespace

std::optional<std::string> CheckTimesListBytes(std::span<const std::uint8_t> bytes) {
    const std::optional<std::vector<Duration>> list = ParseTimesList(bytes);
    if (!list) {
        return std::nullopt;  // refused: nothing was taken from the file
    }
    if (bytes.size() > kMostTimesListBytes) {
        return "a file larger than the longest list was read";
    }
    if (list->size() > kMostCheckpoints) {
        return "more checkpoints than a stopwatch keeps";
    }
    for (const Duration& time : *list) {
        if (time != NormalStopwatchTime(time)) {
            return "a checkpoint not in the stopwatch's form";
        }
    }
    const std::string again = FormatTimesList(*list);
    if (ParseTimesList(std::string_view(again)) != list) {
        return "what the list writes does not read back as the list";
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (again != Written(text)) {
        return "the list writes other lines than it read";
    }
    return std::nullopt;
}

}  // namespace tockly
