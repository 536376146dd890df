#pragma once
// The settings page: the language (with its flag), start with the system, the defaults given to
// new widgets and the sticky note theme. OK stores the page in AppSettings, writes or removes the
// autostart value at once and saves "settings.ini"; Cancel stores nothing. A language chosen in
// the list counts only once "Change language" is pressed, which loads it, saves and has the
// whole user interface retranslated (command 207 to the main window).

#include <windows.h>

#include <string>
#include <vector>

#include "shell/app_settings.h"
#include "shell/language_table.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/spin_box.h"
#include "toolkit/static_text.h"
#include "ui/page.h"
#include "ui/page_controls.h"

namespace tockly {

namespace settings_control {
inline constexpr WORD kLabel = 200;
inline constexpr WORD kValue = 201;
inline constexpr WORD kLanguage = 202;
inline constexpr WORD kChangeLanguage = 203;
inline constexpr WORD kTheme = 204;
inline constexpr WORD kCancel = 205;
inline constexpr WORD kOk = 206;
}  // namespace settings_control

// The default transparency of new widgets, in the steps the widgets' menus offer.
inline constexpr int kTransparencyMinimum = 0;
inline constexpr int kTransparencyMaximum = 90;
inline constexpr int kTransparencyStep = 10;

class SettingsPage final : public Page {
public:
    explicit SettingsPage(HWND owner);

    // Both outlive the page; the language list is filled from the table.
    void SetSettings(AppSettings* settings) { settings_ = settings; }
    void SetLanguageTable(LanguageTable* languages);

    void Show(bool show) override { controls_.Show(show); }
    bool visible() const override { return controls_.visible(); }
    void Retranslate(const LanguageTexts& texts) override;
    bool HandleCommand(const PageCommand& command) override;
    // The stored values into the controls; no language change pending.
    void Load() override;

    // For tests and the screenshot tool.
    bfComboBox& languageChoice() noexcept { return *language_; }
    bfButton& changeLanguageButton() noexcept { return *changeLanguage_; }
    bfCheckBox& startWithSystem() noexcept { return *startWithSystem_; }
    bfSpinBox& transparency() noexcept { return *transparency_; }
    bfComboBox& theme() noexcept { return *theme_; }
    bfButton& okButton() noexcept { return *ok_; }
    bfButton& cancelButton() noexcept { return *cancel_; }

private:
    // The languages offered: those of the language folder, or English alone.
    std::vector<std::u16string> LanguageNames() const;
    void FillLanguages();
    void FillThemes(const LanguageTexts& texts);
    void ChangeLanguage();
    void Confirm();
    // The controls into the settings; the selected language only when `takeLanguage`.
    void StoreControls(bool takeLanguage);

    PageControls controls_;
    AppSettings* settings_ = nullptr;
    LanguageTable* languages_ = nullptr;
    bfStaticText* title_;
    bfStaticText* languageLabel_;
    bfComboBox* language_;
    bfButton* changeLanguage_;
    bfCheckBox* startWithSystem_;
    bfStaticText* transparencyLabel_;
    bfSpinBox* transparency_;
    bfCheckBox* removeAfterEnd_;
    bfCheckBox* progressBar_;
    bfCheckBox* alwaysOnTop_;
    bfStaticText* themeLabel_;
    bfComboBox* theme_;
    bfButton* cancel_;
    bfButton* ok_;
};

}  // namespace tockly
