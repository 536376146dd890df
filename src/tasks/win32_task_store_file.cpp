#include "tasks/win32_task_store_file.h"

#include <cstdint>
#include <vector>

#include "shell/data_files.h"
#include "tasks/store_codec.h"

namespace tockly {

bool WriteTaskStoreFile(AppSettings& settings, const TaskStore& store) {
    const std::optional<std::u16string> folder = settings.AppDataFolder();
    if (!folder) {
        return false;
    }
    return settings.WriteDataFile(*folder + kTaskStoreFileName, EncodeTaskStore(store));
}

std::optional<TaskStore> ReadTaskStoreFile(AppSettings& settings) {
    const std::optional<std::u16string> folder = settings.AppDataFolder();
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
        // Best effort: a copy that cannot be written changes nothing else.
        (void)settings.WriteDataFile(path + kDamagedCopySuffix, *bytes);
    }
    return store;
}

}  // namespace tockly
