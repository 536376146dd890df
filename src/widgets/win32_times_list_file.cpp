#include "widgets/win32_times_list_file.h"

#include <windows.h>

#include <cstdint>

#include "support/unique_handle.h"
#include "support/wide_text.h"
#include "support/win32_data_files.h"
#include "widgets/times_list.h"

namespace tockly {

std::optional<std::vector<Duration>> LoadTimesListFile(const std::u16string& path) {
    FileHandle file(::CreateFileW(AsWide(path), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > kMostTimesListBytes) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return ParseTimesList(bytes);
}

bool SaveTimesListFile(const std::u16string& path, std::span<const Duration> checkpoints) {
    const std::string text = FormatTimesList(checkpoints);
    return ReplaceWholeFile(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace tockly
