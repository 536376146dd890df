#include "shell/app_settings.h"

#include "shell/autostart_command.h"
#include "support/utf16.h"
#include "support/win32_data_files.h"

namespace tockly {

AppSettings::AppSettings(OutsideWorld& world) : world_(world) {}

std::optional<std::u16string> AppSettings::AppDataFolder() const {
    return world_.program.LocalAppDataFolder();
}

bool AppSettings::Load() {
    const std::optional<std::u16string> folder = AppDataFolder();
    if (!folder) {
        return false;
    }
    const std::optional<std::vector<std::uint8_t>> bytes =
        ReadWholeFile(*folder + kSettingsFileName);
    if (!bytes) {
        // First start: make the folder that the settings and the task store will live in.
        CreateFolder(*folder + kDataFolderName);
        return false;
    }
    values_ = ParseSettingsText(DecodeUtf16Le(*bytes));
    return true;
}

bool AppSettings::Save() {
    const std::vector<std::uint8_t> bytes = EncodeUtf16Le(FormatSettingsText(values_));
    const std::optional<std::u16string> folder = AppDataFolder();
    if (!folder) {
        return false;
    }
    const std::u16string path = *folder + kSettingsFileName;
    if (WriteDataFile(path, bytes)) {
        return true;
    }
    // The folder may have been deleted while the program ran.
    if (!CreateFolder(*folder + kDataFolderName)) {
        return false;
    }
    return WriteDataFile(path, bytes);
}

bool AppSettings::WriteDataFile(const std::u16string& path, std::span<const std::uint8_t> bytes) {
    CriticalSectionLock lock(fileLock_);
    return ReplaceWholeFile(path, bytes);
}

bool AppSettings::WriteNewDataFile(const std::u16string& path,
                                   std::span<const std::uint8_t> bytes) {
    CriticalSectionLock lock(fileLock_);
    return CreateWholeFile(path, bytes);
}

void AppSettings::WriteAutostart() {
    const std::optional<std::u16string> path = world_.program.ModulePath();
    if (!path) {
        return;
    }
    world_.autostart.SetRunValue(kAutostartValueName, AutostartCommand(*path));
}

void AppSettings::RemoveAutostart() {
    world_.autostart.DeleteRunValue(kAutostartValueName);
}

}  // namespace tockly
