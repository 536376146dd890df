#pragma once
// The task store file "settings.dat" beside the settings file.

#include <optional>

#include "shell/app_settings.h"
#include "tasks/task_records.h"

namespace tockly {

inline constexpr char16_t kTaskStoreFileName[] = u"\\Tockly\\settings.dat";
inline constexpr char16_t kDamagedCopySuffix[] = u".damaged";

// Encodes `store` and writes it through the settings' file lock. False when there is no data
// folder (it is not created here) or the write fails; the previous file is then unchanged.
[[nodiscard]] bool WriteTaskStoreFile(AppSettings& settings, const TaskStore& store);

// The tasks of "settings.dat" as stored (the load rules are the caller's). nullopt when the file
// is missing, unreadable or damaged. A damaged file is left as it is, and a copy of it is kept as
// "settings.dat.damaged", so that the next save cannot take the user's tasks for good.
std::optional<TaskStore> ReadTaskStoreFile(AppSettings& settings);

}  // namespace tockly
