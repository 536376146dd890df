#pragma once
// The task store file "settings.dat" beside the settings file.

#include <optional>
#include <string>

#include "platform/clock.h"
#include "support/data_file_writer.h"
#include "tasks/task_records.h"
#include "tasks/task_registry.h"

namespace tockly {

inline constexpr char16_t kTaskStoreFileName[] = u"\\Tockly\\settings.dat";

// Rejected files are kept as "settings.dat.damaged", then "settings.dat.damaged.2" and so on up
// to this many copies. A copy is never replaced: the first rejected file, which most likely holds
// the tasks the user lost, stays in the first copy for good.
inline constexpr char16_t kDamagedCopySuffix[] = u".damaged";
inline constexpr int kMaxDamagedCopies = 9;

// The path of copy `number` (1 to kMaxDamagedCopies) of the store at `storePath`.
std::u16string DamagedCopyPath(const std::u16string& storePath, int number);

// Encodes `store` and writes it under the data files' lock. False when there is no data folder
// (it is not created here) or the write fails; the previous file is then unchanged.
[[nodiscard]] bool WriteTaskStoreFile(DataFileWriter& files, const TaskStore& store);

// The tasks of "settings.dat" as stored. nullopt when the file is missing, unreadable or damaged.
// A damaged file is left as it is and copied to the first free damaged copy, so that the next save
// cannot take the user's tasks for good. No copy is made of a file that cannot hold a task (36
// bytes or fewer, an empty one for instance), of one that a copy holds already (the same file
// rejected at the next start), or when every copy is taken.
std::optional<TaskStore> ReadTaskStoreFile(DataFileWriter& files);

// The tasks the program starts with: ReadTaskStoreFile, then the load rules at the clock's
// present (ApplyLoadRules). Saving them right away writes what "tockly-inspect store --now
// --rewrite" writes for the same file and moment.
std::optional<TaskStore> LoadTaskStoreFile(DataFileWriter& files, const Clock& clock);

// SaveTasks: every task of the task lists, each record taken under its widget's lock, written
// through WriteTaskStoreFile. False, with the file untouched, when a list is missing from the
// registry, there is no data folder or the write fails.
[[nodiscard]] bool SaveTasks(const TaskRegistry& registry, DataFileWriter& files);

// LoadTasks: the tasks of LoadTaskStoreFile handed to their lists, kind by kind. A missing,
// unreadable or damaged file loads nothing and leaves the lists as they are; false then.
bool LoadTasks(TaskRegistry& registry, DataFileWriter& files, const Clock& clock);

}  // namespace tockly
