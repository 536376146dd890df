#pragma once
// Input for the controls' Win32 tests: key and mouse messages as the system delivers them, the
// thread's modifier keys, and reading what a control shows.

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/win32_control_host.h"

namespace tockly::testing {

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
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
};

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

inline LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

inline void ButtonDown(HWND window, int x, int y, WPARAM keys = MK_LBUTTON) {
    ::SendMessageW(window, WM_LBUTTONDOWN, keys, Point(x, y));
}
inline void ButtonUp(HWND window, int x, int y) {
    ::SendMessageW(window, WM_LBUTTONUP, 0, Point(x, y));
}
inline void Click(HWND window, int x, int y) {
    ButtonDown(window, x, y);
    ButtonUp(window, x, y);
}
inline void MouseMove(HWND window, int x, int y, WPARAM keys = MK_LBUTTON) {
    ::SendMessageW(window, WM_MOUSEMOVE, keys, Point(x, y));
}

inline std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

// The control painted into a bitmap, to compare how it looks in two states.
inline std::wstring Snapshot(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    ::GdiFlush();
    std::wstring pixels(static_cast<const wchar_t*>(bits),
                        static_cast<std::size_t>(width) * height * 2);
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// The window that has the caret in this thread, or null.
inline HWND CaretWindow() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetCurrentThreadId(), &info);
    return info.hwndCaret;
}

}  // namespace tockly::testing
