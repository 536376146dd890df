#pragma once
// The stopwatch's times list on disk (the format is times_list.h's).

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "support/time_point.h"

namespace tockly {

// The checkpoints of the file at `path`, or nullopt when it cannot be read or is no times list as
// a whole. A file larger than the longest list is refused by its size, before anything is read.
std::optional<std::vector<Duration>> LoadTimesListFile(const std::u16string& path);

// Writes the list to `path`, replacing a file there only once the new one is complete; false when
// it could not be written.
[[nodiscard]] bool SaveTimesListFile(const std::u16string& path,
                                     std::span<const Duration> checkpoints);

}  // namespace tockly
