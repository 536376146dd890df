#pragma once
// A top-level window that plays the parent of controls under test: it records every WM_COMMAND
// and WM_NOTIFY it receives, and can act on them.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tockly::testing {

struct CommandRecord {
    WORD id = 0;
    WORD code = 0;
    LPARAM lParam = 0;
};

struct NotifyRecord {
    WPARAM wParam = 0;
    HWND from = nullptr;
    UINT_PTR id = 0;
    UINT code = 0;
};

class TestParent {
public:
    explicit TestParent(int width = 400, int height = 300) {
        static const ATOM atom = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.lpfnWndProc = &TestParent::Procedure;
            windowClass.hInstance = ::GetModuleHandleW(nullptr);
            windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
            windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
            windowClass.lpszClassName = L"TocklyToolkitTestParent";
            return ::RegisterClassExW(&windowClass);
        }();
        window_ = ::CreateWindowExW(0, MAKEINTATOM(atom), L"toolkit test",
                                    WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
        ::SetForegroundWindow(window_);
        ::UpdateWindow(window_);
    }
    ~TestParent() {
        if (::IsWindow(window_)) {
            ::DestroyWindow(window_);
        }
    }
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;

    HWND window() const { return window_; }
    void Clear() {
        commands.clear();
        notifications.clear();
    }

    std::vector<CommandRecord> commands;
    std::vector<NotifyRecord> notifications;
    LRESULT notifyAnswer = 1;
    std::function<void(const CommandRecord&)> onCommand;
    std::function<void(const NotifyRecord&)> onNotify;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<TestParent*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == WM_COMMAND) {
            const CommandRecord record{LOWORD(wParam), HIWORD(wParam), lParam};
            self->commands.push_back(record);
            if (self->onCommand) {
                self->onCommand(record);
            }
            return 0;
        }
        if (self != nullptr && message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            const NotifyRecord record{wParam, header->hwndFrom, header->idFrom, header->code};
            self->notifications.push_back(record);
            if (self->onNotify) {
                self->onNotify(record);
            }
            return self->notifyAnswer;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

inline LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0) {
    return ::SendMessageW(window, message, keys, MAKELPARAM(x, y));
}

// A click at (x, y) in client coordinates, as the system sends it.
inline void Click(HWND window, int x, int y) {
    SendMouse(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    SendMouse(window, WM_LBUTTONUP, x, y);
}

inline void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

inline std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    ::SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace tockly::testing
