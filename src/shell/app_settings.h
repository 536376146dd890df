#pragma once
// The user's application-wide choices, their file "settings.ini", the autostart entry, and the
// lock under which every data file of the program is written.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/outside_world.h"
#include "shell/settings_file.h"
#include "support/critical_section.h"
#include "support/data_file_writer.h"

namespace tockly {

inline constexpr char16_t kDataFolderName[] = u"\\Tockly";
inline constexpr char16_t kSettingsFileName[] = u"\\Tockly\\settings.ini";
inline constexpr char16_t kAutostartValueName[] = u"Tockly";

class AppSettings final : public DataFileWriter {
public:
    explicit AppSettings(OutsideWorld& world);
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // Reads "settings.ini". False when it cannot be read; the data folder is then created and the
    // values keep what they were. Missing keys still count as a successful read.
    bool Load();
    // Writes "settings.ini" from the current values, creating the data folder once if needed.
    bool Save();
    void SetDefaults() { values_ = SettingsValues{}; }

    // Points the "Run" value at this program, or removes it. Failures are silent: the settings
    // file still says what the user chose.
    void WriteAutostart();
    void RemoveAutostart();

    // The data files, each written whole under the file lock, so that no two are written at once.
    std::optional<std::u16string> AppDataFolder() const override;
    [[nodiscard]] bool WriteDataFile(const std::u16string& path,
                                     std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] bool WriteNewDataFile(const std::u16string& path,
                                        std::span<const std::uint8_t> bytes) override;

    const SettingsValues& values() const { return values_; }
    SettingsValues& values() { return values_; }

    const std::u16string& language() const { return values_.language; }
    bool startWithSystem() const { return values_.startWithSystem; }
    std::int32_t widgetTransparency() const { return values_.widgetTransparency; }
    bool removeTaskAfterEnd() const { return values_.removeTaskAfterEnd; }
    bool showProgressBar() const { return values_.showProgressBar; }
    bool widgetsAlwaysOnTop() const { return values_.widgetsAlwaysOnTop; }
    std::int32_t stickyNoteTheme() const { return values_.stickyNoteTheme; }

private:
    OutsideWorld& world_;
    SettingsValues values_;
    CriticalSection fileLock_;
};

}  // namespace tockly
