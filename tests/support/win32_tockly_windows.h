#pragma once
// The real Tockly.exe seen from a test: its data folder and task store, and its windows found by
// class and size (the main window, the widgets, the controls by their captions).

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32_clock.h"
#include "support/win32_files.h"
#include "tasks/store_codec.h"
#include "ui/main_window_layout.h"

namespace tockly::testing {

inline std::wstring DataFolder() {
    wchar_t folder[MAX_PATH] = {};
    EXPECT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder)));
    return std::wstring(folder) + L"\\Tockly";
}

inline std::wstring StoreFile() {
    return DataFolder() + L"\\settings.dat";
}

inline std::optional<TaskStore> SavedStore() {
    const auto bytes = FileBytes(StoreFile());
    if (!bytes) {
        return std::nullopt;
    }
    StoreDecodeResult decoded = DecodeTaskStore(*bytes);
    if (!decoded.store) {
        return std::nullopt;
    }
    return std::move(*decoded.store);
}

// The present moved by `seconds`, in whole seconds.
inline TimePoint FromNow(std::int64_t seconds) {
    TimePoint time = *FromUnits(*ToUnits(Win32Clock().Now()) + seconds * kUnitsPerSecond);
    time.millisecond = 0;
    return time;
}

struct TopWindow {
    HWND window = nullptr;
    RECT rect{};
    bool visible = false;
    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
};

// A process's top-level windows of a class.
inline std::vector<TopWindow> WindowsOf(DWORD process,
                                        const wchar_t* className = L"bfAbstractWindowClass") {
    struct Search {
        DWORD process;
        const wchar_t* className;
        std::vector<TopWindow> found;
    } search{process, className, {}};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            ::GetClassNameW(window, name, 64);
            if (owner == s->process && std::wstring_view(name) == s->className) {
                TopWindow top{window, {}, ::IsWindowVisible(window) != FALSE};
                ::GetWindowRect(window, &top.rect);
                s->found.push_back(top);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline bool IsMainWindow(const TopWindow& top) {
    return top.width() == kMainWindowWidth && top.height() == kMainWindowHeight;
}

inline HWND MainWindowOf(DWORD process) {
    for (const TopWindow& top : WindowsOf(process)) {
        if (IsMainWindow(top)) {
            return top.window;
        }
    }
    return nullptr;
}

// Every visible window of ours but the main window: the widgets and the message views.
inline std::vector<TopWindow> VisibleWidgets(DWORD process) {
    std::vector<TopWindow> widgets;
    for (const TopWindow& top : WindowsOf(process)) {
        if (top.visible && !IsMainWindow(top)) {
            widgets.push_back(top);
        }
    }
    return widgets;
}

// Whether the window stands in the bottom-right corner of the work area, as the main window does.
inline bool InTheWorkAreasBottomRightCorner(HWND window) {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT at{};
    ::GetWindowRect(window, &at);
    return at.right == work.right && at.bottom == work.bottom;
}

// The visible child of `parent` (at any depth) whose window text is `text`.
inline HWND FindVisibleControl(HWND parent, const std::wstring& text) {
    struct Search {
        std::wstring text;
        HWND found = nullptr;
    } search{text};
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t caption[256] = {};
            ::GetWindowTextW(child, caption, 256);
            if (::IsWindowVisible(child) && s->text == caption) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace tockly::testing
