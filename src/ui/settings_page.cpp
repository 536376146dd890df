#include "ui/settings_page.h"

#include <string>
#include <vector>

#include "toolkit/skin_cache.h"
#include "ui/page_widgets.h"

namespace tockly {
namespace {

using namespace settings_control;

constexpr int kLeft = 250;
constexpr int kRight = 490;

// The flag of a language: the resource "Language_ComboBox_" + its name.
SharedBitmap LanguageFlag(std::u16string_view name) {
    std::u16string resource = u"Language_ComboBox_";
    resource += name;
    return LoadSkinResource(std::u16string_view(resource));
}

}  // namespace

SettingsPage::SettingsPage(HWND owner) : controls_(owner) {
    title_ = &MakeTitle(controls_, kLeft, 12, 440);
    languageLabel_ = &MakeLabel(controls_, kLeft, 47, 105);
    language_ = &controls_.Make<bfComboBox>(358, 45, kMainTile, kLanguage);
    language_->Resize(150, 0);
    changeLanguage_ = &controls_.Make<bfButton>(516, 44, kMainTile, kChangeLanguage, 180);
    changeLanguage_->SetToggleButton(true);
    changeLanguage_->SetAllowUncheck(true);

    startWithSystem_ = &MakeCheck(controls_, kLeft, 84, 230, kValue);
    removeAfterEnd_ = &MakeCheck(controls_, kLeft, 108, 230, kValue);
    progressBar_ = &MakeCheck(controls_, kLeft, 132, 230, kValue);
    alwaysOnTop_ = &MakeCheck(controls_, kLeft, 156, 230, kValue);

    themeLabel_ = &MakeLabel(controls_, kRight, 84, 206, kValue);
    theme_ = &controls_.Make<bfComboBox>(kRight, 106, kMainTile, kTheme);
    theme_->Resize(150, 0);

    transparencyLabel_ = &MakeLabel(controls_, kLeft, 190, 230);
    transparency_ = &controls_.Make<bfSpinBox>(kRight, 188, kMainTile, kValue, 64);
    transparency_->SetRange(kTransparencyMinimum, kTransparencyMaximum);
    transparency_->SetStep(kTransparencyStep);
    transparency_->SetMaxDigits(2);

    cancel_ = &controls_.Make<bfButton>(496, 224, kMainTile, kCancel, 96);
    ok_ = &controls_.Make<bfButton>(600, 224, kMainTile, kOk, 96, ButtonStyle::Green);
}

void SettingsPage::SetLanguageTable(LanguageTable* languages) {
    languages_ = languages;
    FillLanguages();
}

std::vector<std::u16string> SettingsPage::LanguageNames() const {
    if (languages_ == nullptr || languages_->AvailableLanguages().empty()) {
        return {u"English"};
    }
    return languages_->AvailableLanguages();
}

void SettingsPage::FillLanguages() {
    language_->Clear();
    for (const std::u16string& name : LanguageNames()) {
        language_->AddItem(name, LanguageFlag(name));
    }
}

void SettingsPage::FillThemes(const LanguageTexts& texts) {
    const int selected = theme_->SelectedIndex();
    theme_->Clear();
    theme_->AddItem(texts.Text(TextId::SETTINGS_DARK_THEME));
    theme_->AddItem(texts.Text(TextId::SETTINGS_LIGHT_THEME));
    theme_->AddItem(texts.Text(TextId::SETTINGS_YELLOW_THEME));
    theme_->Select(selected);
}

void SettingsPage::Retranslate(const LanguageTexts& texts) {
    title_->SetText(texts.Text(TextId::SETTINGS_TITLE));
    languageLabel_->SetText(texts.Text(TextId::SETTINGS_LANGUAGE));
    changeLanguage_->SetText(texts.Text(TextId::SETTINGS_CHANGE_LANGUAGE));
    startWithSystem_->SetText(texts.Text(TextId::SETTINGS_EXECUTE_AFTER_START));
    transparencyLabel_->SetText(texts.Text(TextId::SETTINGS_DEFAULT_WIDGETS_TRANSAPRENCY));
    removeAfterEnd_->SetText(texts.Text(TextId::SETTINGS_REMOVE_TASK_AFTER_END));
    progressBar_->SetText(texts.Text(TextId::SETTINGS_SHOW_PROGRESS_BAR));
    alwaysOnTop_->SetText(texts.Text(TextId::SETTINGS_SHOW_WIDGETS_ALWAYS_ON_TOP));
    themeLabel_->SetText(texts.Text(TextId::SETTINGS_STICKY_NOTES_THEME));
    FillThemes(texts);
    cancel_->SetText(texts.Text(TextId::SETTINGS_CANCEL));
    ok_->SetText(texts.Text(TextId::SETTINGS_OK));
}

void SettingsPage::Load() {
    changeLanguage_->SetChecked(false);
    if (settings_ == nullptr) {
        return;
    }
    const SettingsValues& values = settings_->values();
    const std::vector<std::u16string> names = LanguageNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == values.language) {
            language_->Select(static_cast<int>(i));
        }
    }
    startWithSystem_->SetChecked(values.startWithSystem);
    transparency_->SetValue(values.widgetTransparency);
    removeAfterEnd_->SetChecked(values.removeTaskAfterEnd);
    progressBar_->SetChecked(values.showProgressBar);
    alwaysOnTop_->SetChecked(values.widgetsAlwaysOnTop);
    theme_->Select(values.stickyNoteTheme);
}

bool SettingsPage::HandleCommand(const PageCommand& command) {
    switch (command.id) {
        case kLanguage:
            // A language change is pending until the button is pressed.
            changeLanguage_->SetChecked(true);
            return true;
        case kChangeLanguage:
            ChangeLanguage();
            return true;
        case kOk:
            Confirm();
            return true;
        case kLabel:
        case kValue:
        case kTheme:
            return true;
        default:
            return false;
    }
}

void SettingsPage::StoreControls(bool takeLanguage) {
    SettingsValues& values = settings_->values();
    if (takeLanguage && language_->SelectedIndex() >= 0) {
        values.language = language_->SelectedText();
    }
    values.startWithSystem = startWithSystem_->checked();
    values.widgetTransparency = transparency_->value();
    values.removeTaskAfterEnd = removeAfterEnd_->checked();
    values.showProgressBar = progressBar_->checked();
    values.widgetsAlwaysOnTop = alwaysOnTop_->checked();
    values.stickyNoteTheme = theme_->SelectedIndex();
}

void SettingsPage::ChangeLanguage() {
    changeLanguage_->SetChecked(false);
    if (settings_ == nullptr || language_->SelectedIndex() < 0) {
        return;
    }
    StoreControls(true);
    if (languages_ != nullptr) {
        languages_->Select(settings_->language());
        languages_->LoadSelected();
    }
    static_cast<void>(settings_->Save());
    // Last: the main window retranslates everything, this page too.
    ::SendMessageW(controls_.owner(), WM_COMMAND, MAKEWPARAM(207, 0), 0);
}

void SettingsPage::Confirm() {
    if (settings_ != nullptr) {
        StoreControls(!changeLanguage_->checked());
        // The autostart entry follows the choice at once, not at the next start.
        if (settings_->startWithSystem()) {
            settings_->WriteAutostart();
        } else {
            settings_->RemoveAutostart();
        }
        static_cast<void>(settings_->Save());
    }
    // Last: the main window closes the page.
    ::SendMessageW(controls_.owner(), WM_COMMAND, MAKEWPARAM(205, 0), 0);
}

}  // namespace tockly
