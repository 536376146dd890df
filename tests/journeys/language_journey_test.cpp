// Each shipped translation chosen on the settings page with real input (the language list opened
// by a click, Home and Down, Return, then "Change language"): the main window's buttons, the
// settings page, a stopwatch widget and the tray menu then speak it (screenshots per language),
// and English comes back the same way.

#include <fstream>
#include <map>
#include <set>

#include "journey.h"

namespace tockly::journeys {
namespace {

// The texts of a language file as kept in the sources (UTF-8, KEY=text), the one-line ones.
std::map<std::string, std::wstring> Translation(const std::string& name) {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    std::ifstream file(std::string(source ? source : ".") + "/resources/language/" + name + ".txt");
    std::map<std::string, std::wstring> texts;
    for (std::string line; std::getline(file, line);) {
        const std::size_t equals = line.find('=');
        if (line.empty() || line[0] == ';' || equals == std::string::npos || line.back() == '\\') {
            continue;
        }
        const std::string text = line.substr(equals + 1);
        std::wstring wide(text.size(), L'\0');
        wide.resize(static_cast<std::size_t>(
            ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                  wide.data(), static_cast<int>(wide.size()))));
        texts[line.substr(0, equals)] = wide;
    }
    return texts;
}

// The captions the journey looks for on the home page and on the settings page.
const char* const kHomeKeys[] = {
    "GENERAL_SETTINGS",          "GENERAL_INFORMATIONS", "GENERAL_TASKS",
    "GENERAL_COUNTING",          "GENERAL_STICKY_NOTES", "GENERAL_STOPWATCH",
    "GENERAL_CREATE_STICKY_NOTE"};
// The buttons that the Counting button shows in place of the others.
const char* const kCountingKeys[] = {"GENERAL_TIMER", "GENERAL_COUNTER"};
const char* const kSettingsKeys[] = {"SETTINGS_LANGUAGE",
                                     "SETTINGS_CHANGE_LANGUAGE",
                                     "SETTINGS_EXECUTE_AFTER_START",
                                     "SETTINGS_REMOVE_TASK_AFTER_END",
                                     "SETTINGS_SHOW_PROGRESS_BAR",
                                     "SETTINGS_CANCEL"};

bool Shows(const std::vector<std::wstring>& texts, const std::wstring& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        narrow += c < 128 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

TEST(LanguageJourney, EachTranslationChangesTheWindowsThePagesTheTrayMenuAndAWidget) {
    ForgetEverything();
    Person person;
    Tockly tockly;
    ASSERT_TRUE(tockly.started());
    ASSERT_TRUE(person.ClickTrayIcon());
    HWND mainWindow = tockly.ShownMainWindow();
    ASSERT_NE(mainWindow, nullptr);
    // The home page draws its stopwatch plate itself.
    ASSERT_TRUE(person.Click(mainWindow, (kStopwatchPlate.left + kStopwatchPlate.right) / 2,
                             (kStopwatchPlate.top + kStopwatchPlate.bottom) / 2));
    ASSERT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id()).size() == 1; }));
    const HWND widget = VisibleWidgets(tockly.id())[0].window;

    // The language folder's files in the order the list shows them.
    const std::vector<std::string> languages = {"Deutsch", "English", "Francais"};
    std::map<std::string, std::wstring> current = Translation("English");
    for (const std::size_t choice : {std::size_t{0}, std::size_t{2}, std::size_t{1}}) {
        const std::string& language = languages[choice];
        SCOPED_TRACE(language);
        if (!::IsWindowVisible(mainWindow)) {
            ASSERT_TRUE(person.ClickTrayIcon());
        }
        ASSERT_TRUE(person.ClickCentre(tockly.Control(current["GENERAL_SETTINGS"])));
        HWND change = tockly.Control(current["SETTINGS_CHANGE_LANGUAGE"]);
        ASSERT_NE(change, nullptr);
        // The list is the control left of the change button.
        RECT at{};
        ::GetWindowRect(change, &at);
        POINT list{at.left - 40, (at.top + at.bottom) / 2};
        ::ScreenToClient(mainWindow, &list);
        ASSERT_TRUE(person.Click(mainWindow, list.x, list.y));
        person.Shot("language-" + language + "-list");
        std::string keys = "Home";
        for (std::size_t i = 0; i < choice; ++i) {
            keys += " Down";
        }
        ASSERT_TRUE(person.Keys(keys + " Return"));
        ASSERT_TRUE(person.ClickCentre(change));

        const std::map<std::string, std::wstring> texts = Translation(language);
        EXPECT_TRUE(testing::WaitUntil([&] {
            return Shows(VisibleTexts(mainWindow), texts.at("SETTINGS_CHANGE_LANGUAGE"));
        })) << "the settings page speaks the language";
        const std::vector<std::wstring> shown = VisibleTexts(mainWindow);
        for (const char* key : kSettingsKeys) {
            EXPECT_TRUE(Shows(shown, texts.at(key))) << key << " " << Narrow(texts.at(key));
        }
        person.Shot("language-" + language + "-settings");
        ASSERT_TRUE(person.ClickCentre(tockly.Control(texts.at("SETTINGS_CANCEL"))));
        ASSERT_TRUE(testing::WaitUntil([&] {
            return Shows(VisibleTexts(mainWindow), texts.at("GENERAL_CREATE_STICKY_NOTE"));
        }));
        const std::vector<std::wstring> home = VisibleTexts(mainWindow);
        for (const char* key : kHomeKeys) {
            EXPECT_TRUE(Shows(home, texts.at(key))) << key << " " << Narrow(texts.at(key));
        }
        person.Shot("language-" + language + "-home");
        ASSERT_TRUE(person.ClickCentre(tockly.Control(texts.at("GENERAL_COUNTING"))));
        ASSERT_TRUE(testing::WaitUntil(
            [&] { return Shows(VisibleTexts(mainWindow), texts.at("GENERAL_TIMER")); }));
        const std::vector<std::wstring> counting = VisibleTexts(mainWindow);
        for (const char* key : kCountingKeys) {
            EXPECT_TRUE(Shows(counting, texts.at(key))) << key << " " << Narrow(texts.at(key));
        }
        person.Shot("language-" + language + "-counting");
        ASSERT_TRUE(person.Click(mainWindow, 52, 117));  // the back button

        // The stopwatch's menu (its texts are the widget's only words but for the user's title).
        RECT widgetAt{};
        ::GetWindowRect(widget, &widgetAt);
        ASSERT_TRUE(person.RightClick(widget, 3, (widgetAt.bottom - widgetAt.top) / 2));
        ASSERT_NE(tockly.OpenMenu(), nullptr) << "the stopwatch's menu opened";
        ASSERT_TRUE(person.Keys("Down Down Right"));
        person.Shot("language-" + language + "-widget-menu");
        ASSERT_TRUE(person.Keys("Escape Escape"));
        EXPECT_TRUE(testing::WaitUntil([&] { return OpenMenuOf(tockly.id()) == nullptr; }));

        ASSERT_TRUE(person.RightClickTrayIcon());
        EXPECT_NE(tockly.OpenMenu(), nullptr) << "the tray menu opened";
        ASSERT_TRUE(person.Keys("Up Up Up"));
        person.Shot("language-" + language + "-tray-menu");
        ASSERT_TRUE(person.Keys("Escape"));
        EXPECT_TRUE(testing::WaitUntil([&] { return OpenMenuOf(tockly.id()) == nullptr; }));
        current = texts;
    }
    ASSERT_TRUE(tockly.process().PostQuit());
    EXPECT_EQ(tockly.process().WaitForExit(), 0u);
}

}  // namespace
}  // namespace tockly::journeys
