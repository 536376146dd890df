#pragma once
// The parent window of controls under test, which records what they tell it (WM_COMMAND,
// WM_NOTIFY, a WM_KILLFOCUS or a wheel turn passed on) and can act on a command or a focus loss;
// and the input a test gives controls, as the system delivers it.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tockly::testing {

inline void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

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
    explicit TestParent(int width = 400, int height = 300, int x = 0, int y = 0) {
        static const ATOM atom = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.lpfnWndProc = &TestParent::Procedure;
            windowClass.hInstance = ::GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"TocklyToolkitTestParent";
            return ::RegisterClassExW(&windowClass);
        }();
        window_ = ::CreateWindowExW(0, MAKEINTATOM(atom), L"toolkit test",
                                    WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
        ::SetForegroundWindow(window_);
        PumpMessages();  // a mouse move for the new window would reach a control under test
    }
    ~TestParent() { ::DestroyWindow(window_); }
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;

    HWND window() const { return window_; }
    void Clear() {
        commands.clear();
        notifications.clear();
        killFocus.clear();
        wheel.clear();
    }

    std::vector<CommandRecord> commands;
    std::vector<NotifyRecord> notifications;
    std::vector<HWND> killFocus;  // the wParam of every WM_KILLFOCUS
    std::vector<int> wheel;       // the turn of every WM_MOUSEWHEEL
    std::function<void(const CommandRecord&)> onCommand;
    std::function<void()> onKillFocus;  // after the record

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(
                                    reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<TestParent*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == WM_COMMAND) {
            self->commands.push_back({LOWORD(wParam), HIWORD(wParam), lParam});
            if (self->onCommand) {
                self->onCommand(self->commands.back());
            }
            return 0;
        }
        if (self != nullptr && message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            self->notifications.push_back({wParam, header->hwndFrom, header->idFrom, header->code});
            return 1;
        }
        if (self != nullptr && message == WM_KILLFOCUS) {
            self->killFocus.push_back(reinterpret_cast<HWND>(wParam));
            if (self->onKillFocus) {
                self->onKillFocus();
            }
        }
        if (self != nullptr && message == WM_MOUSEWHEEL) {
            self->wheel.push_back(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

inline LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0) {
    return ::SendMessageW(window, message, keys, MAKELPARAM(x, y));
}

// A click at (x, y) in client coordinates.
inline void Click(HWND window, int x, int y) {
    SendMouse(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    SendMouse(window, WM_LBUTTONUP, x, y);
}

// A key press as the keyboard sends it (repeat count 1 in lParam).
inline void PressKey(HWND window, WPARAM key) {
    ::SendMessageW(window, WM_KEYDOWN, key, 1);
    ::SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

inline void TypeText(HWND window, std::wstring_view text) {
    for (const wchar_t c : text) {
        ::SendMessageW(window, WM_CHAR, c, 1);
    }
}

// Holds Shift and/or Ctrl down in this thread's key state for a scope.
class HeldModifiers {
public:
    HeldModifiers(bool shift, bool ctrl) { Set(shift, ctrl); }
    ~HeldModifiers() { Set(false, false); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    static void Set(bool shift, bool ctrl) {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
};

inline std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

}  // namespace tockly::testing
