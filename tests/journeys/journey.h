#pragma once
// What every journey needs: the real Tockly.exe started as a user starts it (its data folder and
// task store in the real local application-data folder), its windows found by class and size, and
// a person at the display who clicks, drags, types and presses keys through xdotool and takes
// screenshots of the whole screen into the build folder.

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "support/win32_files.h"
#include "support/win32_process.h"
#include "support/win32_test_paths.h"
#include "support/win32_tockly_windows.h"
#include "tasks/store_codec.h"
#include "tray_host.h"

namespace tockly::journeys {

using testing::DataFolder;
using testing::FindVisibleControl;
using testing::FromNow;
using testing::IsMainWindow;
using testing::MainWindowOf;
using testing::SavedStore;
using testing::StoreFile;
using testing::TopWindow;
using testing::VisibleWidgets;
using testing::WindowsOf;

inline std::wstring SettingsFile() {
    return DataFolder() + L"\\settings.ini";
}

// A first start: no data files at all.
inline void ForgetEverything() {
    ::DeleteFileW(StoreFile().c_str());
    ::DeleteFileW(SettingsFile().c_str());
}

inline void WriteStore(const TaskStore& store) {
    ::CreateDirectoryW(DataFolder().c_str(), nullptr);
    testing::WriteFileBytes(StoreFile(), EncodeTaskStore(store));
}

// The open popup menu of the process, if any.
inline HWND OpenMenuOf(DWORD process) {
    for (const TopWindow& top : WindowsOf(process, L"#32768")) {
        if (top.visible) {
            return top.window;
        }
    }
    return nullptr;
}

// The texts of the visible children of `parent`, at any depth.
inline std::vector<std::wstring> VisibleTexts(HWND parent) {
    std::vector<std::wstring> texts;
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            wchar_t caption[256] = {};
            if (::IsWindowVisible(child) && ::GetWindowTextW(child, caption, 256) > 0) {
                reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(caption);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// The user at the display.
class Person {
public:
    // Clicks the left button at a point of `window`'s client area.
    bool Click(HWND window, int x, int y) { return Do("click " + At(window, x, y)); }
    bool ClickCentre(HWND window) {
        RECT client{};
        ::GetClientRect(window, &client);
        return Click(window, client.right / 2, client.bottom / 2);
    }
    bool RightClick(HWND window, int x, int y) { return Do("rightclick " + At(window, x, y)); }
    bool Drag(HWND window, int x, int y, int dx, int dy) {
        POINT at{x, y};
        ::ClientToScreen(window, &at);
        return Do("drag " + std::to_string(at.x) + " " + std::to_string(at.y) + " " +
                  std::to_string(at.x + dx) + " " + std::to_string(at.y + dy));
    }
    bool Wheel(HWND window, int x, int y, int notches) {
        return Do("wheel " + At(window, x, y) + " " + std::to_string(notches));
    }
    bool Type(const std::string& text) { return Do("type " + text); }
    bool Keys(const std::string& keys) { return Do("keys " + keys); }
    bool ClickTrayIcon() { return host_.Run("left", Idle).has_value(); }
    bool RightClickTrayIcon() { return host_.Run("right", Idle).has_value(); }

    // The whole screen as build/windows/screenshots/journey-NAME.png.
    bool Shot(const std::string& name) {
        const char* folder = std::getenv("TOCKLY_SHOTS_DIR");
        return host_
            .Run("shot " + std::string(folder ? folder : "/tmp") + "/journey-" + name + ".png",
                 Idle)
            .has_value();
    }

    // A rectangle of the screen (a window's, say) as build/windows/screenshots/FOLDER/NAME.png.
    bool ShotOf(const std::string& folder, const std::string& name, const RECT& part) {
        const char* shots = std::getenv("TOCKLY_SHOTS_DIR");
        return host_
            .Run("crop " + std::string(shots ? shots : "/tmp") + "/" + folder + "/" + name +
                     ".png " + std::to_string(part.left) + " " + std::to_string(part.top) + " " +
                     std::to_string(part.right - part.left) + " " +
                     std::to_string(part.bottom - part.top),
                 Idle)
            .has_value();
    }

private:
    static void Idle() { ::Sleep(20); }
    static std::string At(HWND window, int x, int y) {
        POINT at{x, y};
        ::ClientToScreen(window, &at);
        return std::to_string(at.x) + " " + std::to_string(at.y);
    }
    bool Do(const std::string& arguments) {
        const bool done = host_.Run(arguments, Idle).has_value();
        ::Sleep(300);  // the program takes the input in its own time
        return done;
    }
    testing::TrayHost host_;
};

// The running program: its windows by what they are.
class Tockly {
public:
    Tockly() : process_(testing::TocklyExe()) {}
    bool started() const { return process_.started(); }
    DWORD id() const { return process_.id(); }
    const testing::ChildProcess& process() const { return process_; }

    // The main window once the tray icon's click has shown it.
    HWND ShownMainWindow() const {
        HWND found = nullptr;
        testing::WaitUntil([&] {
            found = MainWindowOf(id());
            return found != nullptr && ::IsWindowVisible(found);
        });
        return found;
    }
    HWND OpenMenu() const {
        HWND menu = nullptr;
        testing::WaitUntil([&] {
            menu = OpenMenuOf(id());
            return menu != nullptr;
        });
        return menu;
    }
    // The visible control of the main window with this caption, waited for.
    HWND Control(const std::wstring& caption) const {
        HWND found = nullptr;
        testing::WaitUntil([&] {
            HWND main = MainWindowOf(id());
            found = main ? FindVisibleControl(main, caption) : nullptr;
            return found != nullptr;
        });
        return found;
    }

private:
    testing::ChildProcess process_;
};

}  // namespace tockly::journeys
