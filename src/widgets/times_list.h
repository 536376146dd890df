#pragma once
// The stopwatch's times list file: its checkpoints as plain 8-bit text, one per line, oldest
// first, each hours ":" minutes ":" seconds in decimal without padding ("0:1:7"), lines separated
// by CR LF and no line break after the last. Only digits, ':' and CR LF occur, which every
// system code page writes as ASCII, so the bytes need no conversion. Portable.
//
// A user may pick any file to load, so reading refuses what is not a times list as a whole: more
// than kMostTimesListBytes, a line that is no time, minutes or seconds above 59, hours beyond
// 32 bits. Reading is linear in the bytes and keeps no more than the checkpoints.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/time_point.h"

namespace tockly {

// The most checkpoints a stopwatch keeps, and so the longest list a file may hold.
inline constexpr std::size_t kMostCheckpoints = 100'000;
// "2147483647:59:59" and its line break.
inline constexpr std::size_t kLongestTimesListLine = 16 + 2;
// A larger file is no times list, and is not read.
inline constexpr std::size_t kMostTimesListBytes = kMostCheckpoints * kLongestTimesListLine;

// The file's bytes for `checkpoints` (as the stopwatch keeps them: see NormalStopwatchTime).
std::string FormatTimesList(std::span<const Duration> checkpoints);

// The checkpoints of a times list, in file order, or nullopt when the bytes are not one. A file
// with no line (empty) is an empty list; a line break after the last line is allowed.
std::optional<std::vector<Duration>> ParseTimesList(std::span<const std::uint8_t> bytes);
std::optional<std::vector<Duration>> ParseTimesList(std::string_view text);

// The name a times list is saved under: a name of more than two characters that does not end in
// "txt" (in any case) gets ".txt".
std::u16string TimesListFileName(std::u16string_view chosen);

}  // namespace tockly
