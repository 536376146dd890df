// The tray icon for real, docked in a notification-area host on the test display (the test runs
// under with_tray_host.sh): a click on it shows the main window, a right click opens the tray
// menu; and the real Tockly.exe from its start to the tray menu's Exit, through its quick tasks
// chosen in the tray menu with the keyboard and tasks created on its editor pages, as a user would,
// and what it leaves on the machine.

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "machine_footprint.h"
#include "main_window_fixture.h"
#include "support/utf16.h"
#include "support/wide_text.h"
#include "support/win32_data_files.h"
#include "support/win32_files.h"
#include "support/win32_process.h"
#include "support/win32_tockly_windows.h"
#include "tasks/store_codec.h"
#include "tray_host.h"
#include "ui/tray_menu.h"

namespace tockly {
namespace {

using testing::DockedIcon;
using testing::FindVisibleControl;
using testing::HandleQueuedMessages;
using testing::TrayHost;

// A main window with the platform's notification area, placed as start-up places it.
class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSkinFileFolder(testing::BinaryFolder());
        MainWindowServices services{mail, {actions.actions, clock, elapsed, dialogs}};
        window = std::make_unique<bfMainWindow>(services);
        window->PlaceWindow();
    }
    void TearDown() override {
        window.reset();
        HandleQueuedMessages();
    }

    testing::RecordingMail mail;
    testing::FakeSystemActions actions;
    FixedClock clock{TimePoint{2024, 1, 1, 12, 0, 0, 0}};
    ManualMonotonicClock elapsed;
    testing::FakeFileDialogs dialogs;
    std::unique_ptr<bfMainWindow> window;
    TrayHost host;
};

bool DockedAsAnIcon(const std::optional<DockedIcon>& icon) {
    return icon && icon->width > 0 && icon->width <= 48 && icon->height > 0 && icon->height <= 48;
}

TEST_F(TrayIconTest, AClickOnTheDockedIconShowsTheMainWindowInTheCorner) {
    ASSERT_FALSE(::IsWindowVisible(window->window()));
    const std::optional<DockedIcon> icon = host.Run("left", HandleQueuedMessages);
    ASSERT_TRUE(DockedAsAnIcon(icon)) << "the icon never docked in the host";
    EXPECT_TRUE(testing::PumpUntil([this] { return ::IsWindowVisible(window->window()) != 0; }));
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT at{};
    ::GetWindowRect(window->window(), &at);
    EXPECT_EQ(at.right, work.right);
    EXPECT_EQ(at.bottom, work.bottom);
    BYTE alpha = 0;
    EXPECT_TRUE(testing::PumpUntil([&] {
        ::GetLayeredWindowAttributes(window->window(), nullptr, &alpha, nullptr);
        return alpha == kMainWindowAlpha;
    }));
    EXPECT_EQ(alpha, kMainWindowAlpha);
}

// Whether the tray menu came up; set by a timer inside the menu's own loop, which closes it.
bool menuSeen = false;

TEST_F(TrayIconTest, ARightClickOpensTheTrayMenuAtTheIcon) {
    menuSeen = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = ::FindWindowW(L"#32768", nullptr);
        if (menu != nullptr && ::IsWindowVisible(menu)) {
            DWORD process = 0;
            ::GetWindowThreadProcessId(menu, &process);
            menuSeen = process == ::GetCurrentProcessId();
            ::EndMenu();
        }
    });
    const std::optional<DockedIcon> icon = host.Run("right", HandleQueuedMessages);
    ASSERT_TRUE(DockedAsAnIcon(icon)) << "the icon never docked in the host";
    EXPECT_TRUE(testing::PumpUntil([] { return menuSeen; }));
    ::KillTimer(nullptr, timer);
}

// The real program's first visible window of a class.
HWND FindTocklyWindow(DWORD process, const wchar_t* className) {
    for (const testing::TopWindow& top : testing::WindowsOf(process, className)) {
        if (top.visible) {
            return top.window;
        }
    }
    return nullptr;
}

TEST(TocklyEndToEndTest, ItsTrayIconShowsTheMainWindowInTheCornerAndASecondInstanceLeaves) {
    TrayHost host;
    testing::ChildProcess tockly(testing::TocklyExe());
    ASSERT_TRUE(tockly.started());
    const auto idle = [] { ::Sleep(20); };
    ASSERT_TRUE(DockedAsAnIcon(host.Run("left", idle))) << "the icon never docked in the host";
    HWND mainWindow = nullptr;
    ASSERT_TRUE(testing::WaitUntil([&] {
        mainWindow = FindTocklyWindow(tockly.id(), L"bfAbstractWindowClass");
        return mainWindow != nullptr;
    }));
    EXPECT_TRUE(testing::InTheWorkAreasBottomRightCorner(mainWindow));

    // A second instance leaves at once and leaves the first alone.
    testing::ChildProcess second(testing::TocklyExe());
    EXPECT_EQ(second.WaitForExit(), static_cast<DWORD>(-1));
    EXPECT_TRUE(tockly.IsRunning());
    ASSERT_TRUE(tockly.PostQuit());
    EXPECT_EQ(tockly.WaitForExit(), 0u);
}

TEST(TocklyEndToEndTest, TheTrayMenusExitEndsTheProgramWithExitCodeZero) {
    TrayHost host;
    testing::ChildProcess tockly(testing::TocklyExe());
    ASSERT_TRUE(tockly.started());
    const auto idle = [] { ::Sleep(20); };
    ASSERT_TRUE(DockedAsAnIcon(host.Run("right", idle))) << "the icon never docked in the host";
    HWND menu = nullptr;
    ASSERT_TRUE(testing::WaitUntil([&] {
        menu = FindTocklyWindow(tockly.id(), L"#32768");
        return menu != nullptr;
    }));
    // Exit is the last item of the menu.
    RECT items{};
    ::GetWindowRect(menu, &items);
    const std::string exitAt =
        std::to_string(items.left + 40) + " " + std::to_string(items.bottom - 12);
    ASSERT_TRUE(host.Run("click " + exitAt, idle));
    EXPECT_EQ(tockly.WaitForExit(), 0u);
}

// The real program's main window, shown by a click on its docked icon; null when it is not.
HWND ShowMainWindow(TrayHost& host, const testing::ChildProcess& tockly) {
    if (!DockedAsAnIcon(host.Run("left", [] { ::Sleep(20); }))) {
        return nullptr;
    }
    HWND mainWindow = nullptr;
    testing::WaitUntil([&] {
        mainWindow = FindTocklyWindow(tockly.id(), L"bfAbstractWindowClass");
        return mainWindow != nullptr;
    });
    return mainWindow;
}

int VisibleWidgets(DWORD process, HWND mainWindow) {
    int widgets = 0;
    for (const testing::TopWindow& top : testing::WindowsOf(process)) {
        widgets += top.visible && top.window != mainWindow;
    }
    return widgets;
}

// The user's clicks, wheel turns and keys through xdotool on the display.
class Person {
public:
    explicit Person(TrayHost& host) : host_(host) {}
    bool Click(HWND window, int x, int y) {
        POINT at{x, y};
        ::ClientToScreen(window, &at);
        return Do("click " + std::to_string(at.x) + " " + std::to_string(at.y));
    }
    bool ClickCentre(HWND window) {
        RECT client{};
        ::GetClientRect(window, &client);
        return Click(window, client.right / 2, client.bottom / 2);
    }
    bool Wheel(HWND window, int x, int y, int notches) {
        POINT at{x, y};
        ::ClientToScreen(window, &at);
        return Do("wheel " + std::to_string(at.x) + " " + std::to_string(at.y) + " " +
                  std::to_string(notches));
    }
    bool Type(const std::string& text) { return Do("type " + text); }

private:
    bool Do(const std::string& arguments) {
        const bool done = host_.Run(arguments, [] { ::Sleep(20); }).has_value();
        ::Sleep(300);  // the program takes the input in its own time
        return done;
    }
    TrayHost& host_;
};

TEST(TocklyEndToEndTest, ATimerAndAPrintScreenTaskMadeInTheFormsAreShownAndSaved) {
    wchar_t localData[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, localData)));
    const std::wstring store = std::wstring(localData) + L"\\Tockly\\settings.dat";
    ::DeleteFileW(store.c_str());

    TrayHost host;
    testing::ChildProcess tockly(testing::TocklyExe());
    ASSERT_TRUE(tockly.started());
    HWND mainWindow = ShowMainWindow(host, tockly);
    ASSERT_NE(mainWindow, nullptr);
    Person person(host);
    const auto control = [&](const std::wstring& text) {
        HWND found = nullptr;
        EXPECT_TRUE(testing::WaitUntil([&] {
            found = FindVisibleControl(mainWindow, text);
            return found != nullptr;
        })) << "no visible control \""
            << std::string(text.begin(), text.end()) << "\"";
        return found;
    };
    // The form's create button, scrolled into view by the wheel over the form.
    const auto create = [&] {
        ASSERT_TRUE(person.Wheel(mainWindow, 300, 100, 10));  // over the form
        HWND button = control(L"Create task");
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(person.ClickCentre(button));
    };

    // Counting, Timer, create: a timer of one minute.
    ASSERT_TRUE(person.ClickCentre(control(L"Counting")));
    ASSERT_TRUE(person.ClickCentre(control(L"Timer")));
    create();
    EXPECT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id(), mainWindow) == 1; }));

    // Back, Tasks, Print screens: the folder typed into its field, then create.
    ASSERT_TRUE(person.Click(mainWindow, 52, 117));  // the back button
    ASSERT_TRUE(person.ClickCentre(control(L"Tasks")));
    ASSERT_TRUE(person.ClickCentre(control(L"Print screens")));
    HWND saveIn = control(L"Save in");
    ASSERT_NE(saveIn, nullptr);
    ASSERT_TRUE(person.Click(saveIn, 60, 33));  // the field under its caption
    ASSERT_TRUE(person.Type("C:/windows"));
    // The first shot a year later: "now" of the opened form has passed by the time of the click.
    HWND year = control(L"Year");
    ASSERT_NE(year, nullptr);
    ASSERT_TRUE(person.Click(year, 55, 20));  // the up arrow of the box under the caption
    create();
    EXPECT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id(), mainWindow) == 2; }))
        << "both widgets are shown";

    ASSERT_TRUE(tockly.PostQuit());
    EXPECT_EQ(tockly.WaitForExit(), 0u);
    const auto bytes = ReadWholeFile(FromWide(store), 1 << 20);
    ASSERT_TRUE(bytes) << "the store was saved";
    const StoreDecodeResult decoded = DecodeTaskStore(*bytes);
    ASSERT_TRUE(decoded.store) << decoded.error;
    ASSERT_EQ(decoded.store->timer.size(), 1u);
    EXPECT_EQ(decoded.store->timer[0].title, u"Timer 1");
    EXPECT_EQ(decoded.store->timer[0].duration, (Duration{0, 0, 1, 0}));
    ASSERT_EQ(decoded.store->printScreen.size(), 1u);
    EXPECT_EQ(decoded.store->printScreen[0].title, u"Print screen 1");
    EXPECT_EQ(decoded.store->printScreen[0].saveIn, u"C:/windows");
    EXPECT_GT(decoded.store->printScreen[0].start.year + 0, 2000);
    EXPECT_EQ(decoded.store->printScreen[0].target.year,
              decoded.store->printScreen[0].start.year + 1);
}

// The real program's visible widgets and windows of our class.
int VisibleTocklyWindows(DWORD process) {
    return VisibleWidgets(process, nullptr);
}

TEST(TocklyEndToEndTest, TheTrayMenusQuickTasksAddAStickyNoteAndAStopwatchThatAreSaved) {
    wchar_t appData[MAX_PATH];
    ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, appData)));
    const std::wstring store = std::wstring(appData) + L"\\Tockly\\settings.dat";
    ::DeleteFileW(store.c_str());
    TrayHost host;
    testing::ChildProcess tockly(testing::TocklyExe());
    ASSERT_TRUE(tockly.started());
    const auto idle = [] { ::Sleep(20); };
    // Quick tasks is the sixth item one can choose; its submenu opens on Right with the note
    // chosen, the stopwatch below it.
    const std::vector<std::string> choices = {
        "keys Down Down Down Down Down Down Right Return",
        "keys Down Down Down Down Down Down Right Down Return"};
    for (std::size_t choice = 0; choice < choices.size(); ++choice) {
        SCOPED_TRACE(choices[choice]);
        ASSERT_TRUE(DockedAsAnIcon(host.Run("right", idle))) << "the icon never docked";
        ASSERT_TRUE(testing::WaitUntil(
            [&] { return FindTocklyWindow(tockly.id(), L"#32768") != nullptr; }));
        ASSERT_TRUE(host.Run(choices[choice], idle));
        EXPECT_TRUE(testing::WaitUntil([&] {
            return VisibleTocklyWindows(tockly.id()) == static_cast<int>(choice) + 1;
        })) << VisibleTocklyWindows(tockly.id());
    }
    ASSERT_TRUE(tockly.PostQuit());
    EXPECT_EQ(tockly.WaitForExit(), 0u);

    const auto bytes = testing::FileBytes(store);
    ASSERT_TRUE(bytes.has_value());
    const StoreDecodeResult saved = DecodeTaskStore(*bytes);
    ASSERT_TRUE(saved.store.has_value()) << saved.error;
    ASSERT_EQ(saved.store->stickyNote.size(), 1u);
    // Empty: the store writes an empty text as one blank.
    EXPECT_EQ(saved.store->stickyNote[0].content, u" ");
    ASSERT_EQ(saved.store->stopwatch.size(), 1u);
    // Started from 0 : 00 : 00 and running since.
    EXPECT_TRUE(saved.store->stopwatch[0].running);
    EXPECT_EQ(saved.store->stopwatch[0].elapsed.hours, 0);
    EXPECT_EQ(saved.store->stopwatch[0].elapsed.minutes, 0);
    ::DeleteFileW(store.c_str());
}

// With the main window up, a click on the icon takes the focus to the notification area as the
// menu opens; the menu stays open.
TEST(TocklyEndToEndTest, ARightClickWhileTheMainWindowIsUpOpensTheTrayMenu) {
    TrayHost host;
    testing::ChildProcess tockly(testing::TocklyExe());
    ASSERT_TRUE(tockly.started());
    const auto idle = [] { ::Sleep(20); };
    ASSERT_TRUE(DockedAsAnIcon(host.Run("left", idle))) << "the icon never docked";
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(host.Run("left", idle));
        ASSERT_TRUE(testing::WaitUntil(
            [&] { return FindTocklyWindow(tockly.id(), L"bfAbstractWindowClass") != nullptr; }));
        ASSERT_TRUE(host.Run("right", idle));
        EXPECT_TRUE(
            testing::WaitUntil([&] { return FindTocklyWindow(tockly.id(), L"#32768") != nullptr; },
                               std::chrono::seconds(5)));
        ASSERT_TRUE(host.Run("keys Escape", idle));
        ASSERT_TRUE(testing::WaitUntil(
            [&] { return FindTocklyWindow(tockly.id(), L"#32768") == nullptr; }));
    }
    ASSERT_TRUE(tockly.PostQuit());
    EXPECT_EQ(tockly.WaitForExit(), 0u);
}

bool StartsWithIgnoringCase(const std::wstring& text, std::wstring_view prefix) {
    return text.size() >= prefix.size() &&
           ::CompareStringOrdinal(text.c_str(), static_cast<int>(prefix.size()), prefix.data(),
                                  static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

// What Wine writes of its own while a program runs, whatever the program does (the mouse's
// "Temporary System Parameters", say): its own settings' keys.
bool WineOwnChange(const std::wstring& path) {
    return StartsWithIgnoringCase(path, L"HKCU\\Software\\Wine\\") ||
           StartsWithIgnoringCase(path, L"HKLM\\Software\\Wine\\");
}

// The program started, its main window shown from the tray, start with Windows chosen on the
// settings page, and Exit: it has written its data folder and the Run value "Tockly" (the quoted
// path of the program) and nothing else.
TEST(TocklyEndToEndTest, WritesOnlyItsDataFolderAndTheQuotedRunValue) {
    constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tockly");
    wchar_t localData[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, localData)));
    const std::wstring dataFolder = std::wstring(localData) + L"\\Tockly";
    TrayHost host;
    const testing::Footprint before = testing::TakeFootprint();

    testing::ChildProcess tockly(testing::TocklyExe());
    ASSERT_TRUE(tockly.started());
    HWND mainWindow = ShowMainWindow(host, tockly);
    ASSERT_NE(mainWindow, nullptr);
    Person person(host);
    for (const wchar_t* caption : {L"Settings", L"Execute after start", L"OK"}) {
        HWND control = nullptr;
        ASSERT_TRUE(testing::WaitUntil([&] {
            control = FindVisibleControl(mainWindow, caption);
            return control != nullptr;
        })) << ToUtf8(FromWide(caption));
        ASSERT_TRUE(person.ClickCentre(control));
    }
    ASSERT_TRUE(tockly.PostQuit());
    EXPECT_EQ(tockly.WaitForExit(), 0u);

    const std::wstring runValue = L"HKCU\\" + std::wstring(kRunKey) + L"\\Tockly";
    const testing::Footprint changes = testing::Changes(before, testing::TakeFootprint());
    ASSERT_TRUE(changes.contains(runValue)) << "start with Windows was chosen";
    EXPECT_EQ(changes.at(runValue), L"1:\"" + testing::TocklyExe() + L"\"");
    for (const auto& [path, held] : changes) {
        const bool inDataFolder =
            path == dataFolder || StartsWithIgnoringCase(path, dataFolder + L"\\");
        if (path != runValue && !inDataFolder && !WineOwnChange(path)) {
            ADD_FAILURE() << "written: " << ToUtf8(FromWide(path)) << " = "
                          << ToUtf8(FromWide(held));
        }
    }
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tockly");
}

}  // namespace
}  // namespace tockly
