// The tray icon for real, docked in a notification-area host on the test display (the test runs
// under with_tray_host.sh): a click on it shows the main window, a right click opens the tray
// menu; and the real Tockly.exe from its start to the tray menu's Exit.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "main_window_fixture.h"
#include "support/win32_process.h"
#include "tray_host.h"
#include "ui/tray_menu.h"

namespace tockly {
namespace {

using testing::DockedIcon;
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

// The real program: a process's windows of a class and title.
HWND FindTocklyWindow(DWORD process, const wchar_t* className) {
    struct Search {
        DWORD process;
        const wchar_t* className;
        HWND found;
    } search{process, className, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            ::GetClassNameW(window, name, 64);
            if (owner == s->process && std::wstring_view(name) == s->className &&
                ::IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
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
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT at{};
    ::GetWindowRect(mainWindow, &at);
    EXPECT_EQ(at.right, work.right);
    EXPECT_EQ(at.bottom, work.bottom);

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

}  // namespace
}  // namespace tockly
