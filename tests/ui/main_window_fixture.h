#pragma once
// A main window as start-up builds it, on fakes of the seam: the program's folder is the build's
// (its skins and language files), the data folder a scratch folder, the autostart value and the
// mail program recording fakes, the notification area a recorder and the clock convention the
// test's to set.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/monotonic_clock.h"
#include "platform/win32_process_enumerator.h"
#include "shell/app_settings.h"
#include "shell/language_table.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_outside_world.h"
#include "support/fake_path_probe.h"
#include "support/fake_system_actions.h"
#include "support/recording_fakes.h"
#include "support/wide_text.h"
#include "support/win32_test_paths.h"
#include "toolkit/real_input.h"
#include "toolkit/skin_cache.h"
#include "ui/main_window.h"

namespace tockly::testing {

// What the main window asked of the notification area.
inline std::vector<DWORD>& NotifyCalls() {
    static std::vector<DWORD> calls;
    return calls;
}
// The width and height of the last icon handed to the notification area.
inline SIZE& NotifiedIconSize() {
    static SIZE size{};
    return size;
}
inline BOOL WINAPI RecordNotify(DWORD message, PNOTIFYICONDATAW data) {
    NotifyCalls().push_back(message);
    // Read once: the bitmaps GetIconInfo makes would count as stray deletes in the GDI census.
    ICONINFO info{};
    if (NotifiedIconSize().cx == 0 && data != nullptr && data->hIcon != nullptr &&
        ::GetIconInfo(data->hIcon, &info)) {
        BITMAP mask{};
        ::GetObjectW(info.hbmMask, sizeof(mask), &mask);
        // A mask without a colour bitmap holds both halves of a monochrome icon.
        NotifiedIconSize() = {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
        ::DeleteObject(info.hbmMask);
        if (info.hbmColor) {
            ::DeleteObject(info.hbmColor);
        }
    }
    return TRUE;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSkinFileFolder(BinaryFolder());
        NotifyCalls().clear();
        program.modulePath = FromWide(BinaryFolder() + L"\\Tockly.exe");
        program.appDataFolder = FromWide(MakeScratchFolder(L"ui"));
        settings = std::make_unique<AppSettings>(world);
        settings->SetDefaults();
        languages = std::make_unique<LanguageTable>(program);
        languages->SetSettings(settings.get());
        languages->Load();
        MainWindowServices services{mail,
                                    TaskServicesOfTest(),
                                    [this] { return twentyFourHour; },
                                    &RecordNotify,
                                    &paths,
                                    &processes};
        window = std::make_unique<bfMainWindow>(services);
        window->SetSettings(settings.get());
        window->Set24HourClock(twentyFourHour);
        window->SetLanguageTable(languages.get());
        window->RetranslateAll();
        window->SetStoreSaver([this] { ++storeSaves; });
        ::SetWindowPos(window->window(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    void TearDown() override {
        window.reset();
        HandleQueuedMessages();
    }

    // The window up in front, as a click on the tray icon shows it.
    void ShowWindow() {
        window->ShowInFront();
        // The platform may take a moment to give a window shown again the front.
        ASSERT_TRUE(PumpUntil([this] {
            if (::GetForegroundWindow() != window->window()) {
                ::SetForegroundWindow(window->window());
            }
            return ::IsWindowVisible(window->window()) &&
                   ::GetForegroundWindow() == window->window();
        }));
        HandleQueuedMessages();
    }
    HWND handle() const { return window->window(); }
    // The centre of a menu button, in the main window's client coordinates.
    POINT ButtonCentre(int id) {
        const MenuButton& button = window->button(id);
        return {button.x() + button.width() / 2, button.y() + button.height() / 2};
    }
    bool ClickButton(int id) {
        const POINT at = ButtonCentre(id);
        return ClickAt(handle(), at.x, at.y);
    }
    int VisiblePages() {
        int visible = 0;
        for (std::size_t kind = 0; kind < kPageKindCount; ++kind) {
            visible += window->page(static_cast<PageKind>(kind)).visible() ? 1 : 0;
        }
        return visible;
    }
    int PressedPageButtons() {
        int pressed = 0;
        for (const int id : {1, 2, 4, 6, 8, 9, 10, 11, 12, 13}) {
            pressed += window->button(id).checked() ? 1 : 0;
        }
        return pressed;
    }
    TaskPage& taskPage(PageKind kind) { return static_cast<TaskPage&>(window->page(kind)); }

    TaskServices TaskServicesOfTest() { return {actions.actions, clock, elapsed, dialogs}; }

    FakeSystemActions actions;
    ManualMonotonicClock elapsed;
    FakeFileDialogs dialogs;
    // The editor pages' file system; the process chooser lists the real processes.
    FakePathProbe paths;
    Win32ProcessEnumerator processes;
    FakeProgramEnvironment program;
    RecordingAutostart autostart;
    FixedClock clock{TimePoint{2024, 1, 1, 12, 0, 0, 0}};
    OutsideWorld world{program, autostart, clock};
    RecordingMail mail;
    bool twentyFourHour = true;
    int storeSaves = 0;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<LanguageTable> languages;
    std::unique_ptr<bfMainWindow> window;
};

}  // namespace tockly::testing
