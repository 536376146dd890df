#include "widgets/win32_times_list_file.h"

#include <cstdint>

#include "support/win32_data_files.h"
#include "widgets/times_list.h"

namespace tockly {

std::optional<std::vector<Duration>> LoadTimesListFile(const std::u16string& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, kMostTimesListBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseTimesList(*bytes);
}

bool SaveTimesListFile(const std::u16string& path, std::span<const Duration> checkpoints) {
    const std::string text = FormatTimesList(checkpoints);
    return ReplaceWholeFile(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace tockly
