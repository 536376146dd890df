#pragma once
// The language table of the running program: it scans the "language" folder beside the program,
// loads the language named in the settings and answers every text of the user interface. Created
// once at start-up; every window borrows it. UI thread only.

#include <optional>
#include <string>

#include "platform/program_environment.h"
#include "shell/app_settings.h"
#include "shell/language_texts.h"

namespace tockly {

class LanguageTable : public LanguageTexts {
public:
    explicit LanguageTable(ProgramEnvironment& program) : program_(program) {}
    LanguageTable(const LanguageTable&) = delete;
    LanguageTable& operator=(const LanguageTable&) = delete;

    // The settings whose `language` Load uses; they must outlive the table's use of them.
    void SetSettings(const AppSettings* settings) { settings_ = settings; }

    // Scans the folder, selects the language the settings name and loads it. Without settings
    // it does nothing.
    void Load();

    // Finds the language files and pictures of the folder. Nothing is found when the program's
    // path is unknown or the folder is missing.
    void Scan();

    // Rebuilds the loaded texts from the chosen language's file (LanguageTexts::LoadSelectedFrom).
    void LoadSelected();

    // The program's folder + "\language"; nullopt when the program's path is unknown.
    std::optional<std::u16string> LanguageFolder() const;

private:
    ProgramEnvironment& program_;
    const AppSettings* settings_ = nullptr;
};

}  // namespace tockly
