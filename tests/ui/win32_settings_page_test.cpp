// The settings page with real input: Cancel stores nothing, OK stores the page and follows the
// autostart choice at once, a language counts only through "Change language", which retranslates
// the whole user interface.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "main_window_fixture.h"
#include "support/win32_files.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using namespace menu_button;
using testing::ClickAt;
using testing::MainWindowTest;
using testing::TypeKey;

class SettingsPageTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(settings->Save());
        ShowWindow();
        ASSERT_TRUE(ClickButton(kSettings));
        ASSERT_TRUE(window->page(PageKind::Settings).visible());
    }

    std::wstring SettingsFile() const {
        return ToWide(*program.appDataFolder) + L"\\Tockly\\settings.ini";
    }
    std::string SettingsBytes() const {
        const auto bytes = testing::FileBytes(SettingsFile());
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }
    bool Click(const bfAbstractControl& control) {
        return ClickAt(handle(), control.x() + control.width() / 2,
                       control.y() + control.height() / 2);
    }
    SettingsPage& page() { return window->settingsPage(); }
    // Chooses a language of the list with the keyboard, as a user does.
    bool ChooseLanguage(std::u16string_view name) {
        const auto& names = languages->AvailableLanguages();
        const auto found = std::find(names.begin(), names.end(), name);
        if (found == names.end() || !Click(page().languageChoice())) {
            return false;
        }
        // The click opened the list; Home and Down move its highlight, Enter picks.
        bool typed = TypeKey(VK_HOME);
        for (auto i = names.begin(); i != found; ++i) {
            typed = TypeKey(VK_DOWN) && typed;
        }
        return TypeKey(VK_RETURN) && typed;
    }
};

TEST_F(SettingsPageTest, CancelLeavesTheFileAsItWasAndTheNextOpeningShowsTheStoredValues) {
    const std::string before = SettingsBytes();
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(Click(page().startWithSystem()));
    ASSERT_TRUE(page().startWithSystem().checked());
    ASSERT_TRUE(Click(page().cancelButton()));
    EXPECT_TRUE(window->home().visible());
    EXPECT_EQ(SettingsBytes(), before);
    EXPECT_FALSE(settings->startWithSystem());
    EXPECT_TRUE(autostart.calls.empty());

    ASSERT_TRUE(ClickButton(kSettings));
    EXPECT_FALSE(page().startWithSystem().checked());
    EXPECT_EQ(page().transparency().value(), 10);
}

TEST_F(SettingsPageTest, OkWithoutChangeLanguageKeepsTheOldLanguageAndStoresTheRest) {
    ASSERT_TRUE(ChooseLanguage(u"Deutsch"));
    EXPECT_EQ(page().languageChoice().SelectedText(), u"Deutsch");
    EXPECT_TRUE(page().changeLanguageButton().checked()) << "a change is pending";
    ASSERT_TRUE(Click(page().transparency()));
    page().transparency().SetValue(40);
    ASSERT_TRUE(Click(page().okButton()));
    EXPECT_TRUE(window->home().visible());
    EXPECT_EQ(settings->language(), u"English");
    EXPECT_EQ(settings->widgetTransparency(), 40);
    const std::string file = SettingsBytes();
    EXPECT_NE(file.find(std::string("D\0E\0F\0A\0U\0L\0T\0_\0L\0A\0N\0G\0U\0A\0G\0E\0=\0E\0n", 37)),
              std::string::npos);
    EXPECT_EQ(window->button(kSettings).Caption(), L"Settings");
}

TEST_F(SettingsPageTest, ChangeLanguageLoadsItSavesAndRetranslatesTheVisibleCaptions) {
    TimerTask timer;
    timer.title = u"Tea";
    timer.duration = {0, 0, 1, 0};
    timer.remainingSeconds = 60;
    ASSERT_EQ(window->taskList(TaskKind::Timer).AddTask(timer), 1);
    ASSERT_TRUE(ChooseLanguage(u"Deutsch"));
    ASSERT_TRUE(Click(page().changeLanguageButton()));
    EXPECT_FALSE(page().changeLanguageButton().checked());
    EXPECT_EQ(settings->language(), u"Deutsch");
    const std::wstring settingsCaption = ToWide(languages->Text(TextId::GENERAL_SETTINGS));
    EXPECT_NE(settingsCaption, L"Settings");
    EXPECT_EQ(window->button(kSettings).Caption(), settingsCaption);
    EXPECT_EQ(window->button(kTasks).Caption(), ToWide(languages->Text(TextId::GENERAL_TASKS)));
    EXPECT_EQ(page().okButton().Caption(), ToWide(languages->Text(TextId::SETTINGS_OK)));
    EXPECT_EQ(window->tray().menu()->ItemText(MenuPlace::Command(20019)),
              languages->Text(TextId::TRAY_MENU_EXIT));
    // The task lists and their widgets too.
    bfTaskListView& timers = window->taskList(TaskKind::Timer);
    EXPECT_EQ(timers.removeButton().Caption(), ToWide(languages->Text(TextId::TASK_ITEM_REMOVE)));
    EXPECT_EQ(timers.Task(1)->widget().menu()->ItemText(MenuPlace::Command(menu_id::kHide)),
              languages->Text(TextId::UNIVERSAL_POPUP_MENU_HIDE));
    EXPECT_NE(languages->Text(TextId::UNIVERSAL_POPUP_MENU_HIDE), u"Hide");
    EXPECT_TRUE(window->page(PageKind::Settings).visible()) << "the page stays open";
    // Saved at once.
    AppSettings stored(world);
    ASSERT_TRUE(stored.Load());
    EXPECT_EQ(stored.language(), u"Deutsch");
}

TEST_F(SettingsPageTest, StartWithSystemIsWrittenAndRemovedAtOnceOnOk) {
    ASSERT_TRUE(Click(page().startWithSystem()));
    ASSERT_TRUE(Click(page().okButton()));
    ASSERT_EQ(autostart.calls.size(), 1u);
    EXPECT_TRUE(autostart.calls[0].set);
    EXPECT_EQ(autostart.calls[0].name, u"Tockly");
    EXPECT_EQ(autostart.calls[0].data, u"\"" + *program.modulePath + u"\"");

    ASSERT_TRUE(ClickButton(kSettings));
    ASSERT_TRUE(page().startWithSystem().checked());
    ASSERT_TRUE(Click(page().startWithSystem()));
    ASSERT_TRUE(Click(page().okButton()));
    ASSERT_EQ(autostart.calls.size(), 2u);
    EXPECT_FALSE(autostart.calls[1].set);
    EXPECT_EQ(autostart.calls[1].name, u"Tockly");
    EXPECT_FALSE(settings->startWithSystem());
}

}  // namespace
}  // namespace tockly
