#pragma once
// Whole-file reads and writes of the program's data files.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tockly {

// Data files are small; a file near 4 GB is not one of ours.
inline constexpr std::uint64_t kMostWholeFileBytes = 0xFFFF'FFFE;

// Opens an existing file for reading (others may read too) and reads all of it; nullopt when it
// cannot be read or is larger than `mostBytes` (then nothing of it is read).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(
    const std::u16string& path, std::uint64_t mostBytes = kMostWholeFileBytes);

// Writes `bytes` to a temporary file beside `path` and then puts it in the place of `path`, so that
// a write that fails halfway never leaves a damaged file behind: the old file stays until the new
// one is complete. False when any step fails; the old file is then unchanged.
[[nodiscard]] bool ReplaceWholeFile(const std::u16string& path,
                                    std::span<const std::uint8_t> bytes);

// Like ReplaceWholeFile, but only where no file is: false, and nothing changed, when `path` exists.
[[nodiscard]] bool CreateWholeFile(const std::u16string& path, std::span<const std::uint8_t> bytes);

bool CreateFolder(const std::u16string& path);
bool FolderExists(const std::u16string& path);

}  // namespace tockly
