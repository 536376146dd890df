#include "tasks/win32_task_store_file.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/win32_data_files.h"
#include "tasks/load_rules.h"
#include "tasks/store_codec.h"

namespace tockly {
namespace {

// Best effort: a copy that cannot be written changes nothing else.
void KeepDamagedCopy(DataFileWriter& files, const std::u16string& storePath,
                     std::span<const std::uint8_t> bytes) {
    if (bytes.size() <= kEmptyStoreSize) {
        return;  // no room for a single task: nothing worth keeping
    }
    for (int number = 1; number <= kMaxDamagedCopies; ++number) {
        const std::u16string copy = DamagedCopyPath(storePath, number);
        if (const auto kept = ReadWholeFile(copy)) {
            if (std::equal(kept->begin(), kept->end(), bytes.begin(), bytes.end())) {
                return;  // the same file, rejected again at the next start
            }
            continue;
        }
        if (files.WriteNewDataFile(copy, bytes)) {
            return;
        }
    }
}

}  // namespace

std::u16string DamagedCopyPath(const std::u16string& storePath, int number) {
    std::u16string path = storePath + kDamagedCopySuffix;
    if (number > 1) {
        const std::string digits = std::to_string(number);
        path += u'.';
        path.append(digits.begin(), digits.end());
    }
    return path;
}

bool WriteTaskStoreFile(DataFileWriter& files, const TaskStore& store) {
    const std::optional<std::u16string> folder = files.AppDataFolder();
    if (!folder) {
        return false;
    }
    return files.WriteDataFile(*folder + kTaskStoreFileName, EncodeTaskStore(store));
}

std::optional<TaskStore> ReadTaskStoreFile(DataFileWriter& files) {
    const std::optional<std::u16string> folder = files.AppDataFolder();
    if (!folder) {
        return std::nullopt;
    }
    const std::u16string path = *folder + kTaskStoreFileName;
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    std::optional<TaskStore> store = DecodeTaskStore(*bytes).store;
    if (!store) {
        KeepDamagedCopy(files, path, *bytes);
    }
    return store;
}

std::optional<TaskStore> LoadTaskStoreFile(DataFileWriter& files, const Clock& clock) {
    std::optional<TaskStore> store = ReadTaskStoreFile(files);
    if (store) {
        ApplyLoadRules(*store, clock);
    }
    return store;
}

bool SaveTasks(const TaskRegistry& registry, DataFileWriter& files) {
    if (!registry.complete()) {
        return false;
    }
    return WriteTaskStoreFile(files, registry.Snapshot());
}

bool LoadTasks(TaskRegistry& registry, DataFileWriter& files, const Clock& clock) {
    const std::optional<TaskStore> store = LoadTaskStoreFile(files, clock);
    if (!store) {
        return false;
    }
    registry.Load(*store);
    return true;
}

}  // namespace tockly
