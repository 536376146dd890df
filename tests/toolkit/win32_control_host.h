#pragma once
// A plain top-level window for the controls' Win32 tests: it hosts controls as their parent and
// records the WM_COMMAND and WM_KILLFOCUS messages they send it.

#include <windows.h>

#include <vector>

namespace tockly::testing {

struct RecordedCommand {
    WORD id;
    WORD high;
    LPARAM lParam;
};

class ControlHost {
public:
    ControlHost(int x = 100, int y = 100, int width = 400, int height = 300) {
        static const ATOM kClass = RegisterHostClass();
        (void)kClass;
        window_ = ::CreateWindowExW(0, kClassName, L"Control host",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height, nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), this);
        ::SetForegroundWindow(window_);
        Pump();
    }
    ~ControlHost() {
        if (::IsWindow(window_)) {
            ::DestroyWindow(window_);
        }
    }
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    [[nodiscard]] HWND window() const { return window_; }

    std::vector<RecordedCommand> commands;
    int killFocusMessages = 0;

    // Handles whatever is queued for this thread (posted input, timers, paints).
    static void Pump() {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }

private:
    static constexpr wchar_t kClassName[] = L"TocklyTestControlHost";

    static ATOM RegisterHostClass() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return ::RegisterClassExW(&windowClass);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* host = reinterpret_cast<ControlHost*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (host && message == WM_COMMAND) {
            host->commands.push_back({LOWORD(wParam), HIWORD(wParam), lParam});
            return 0;
        }
        if (host && message == WM_KILLFOCUS && reinterpret_cast<HWND>(wParam) != window) {
            ++host->killFocusMessages;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

}  // namespace tockly::testing
