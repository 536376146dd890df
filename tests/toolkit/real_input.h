#pragma once
// Keyboard and mouse input as the user gives it: SendInput puts it in the system's input queue,
// and the test's message loop (TranslateMessage, DispatchMessage) delivers it, so key messages
// carry real key data, characters come from TranslateMessage with the keyboard state of the
// moment, and the wheel goes to the window under the pointer.

#include <windows.h>

#include <chrono>
#include <initializer_list>
#include <iterator>
#include <thread>

namespace tockly::testing {

// Handles messages until none has come for a moment: input that SendInput queued, and what its
// handling posts, has then been delivered.
inline void DeliverInput() {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    auto quietSince = Clock::now();
    while (Clock::now() < deadline && Clock::now() - quietSince < std::chrono::milliseconds(40)) {
        MSG message;
        if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
            quietSince = Clock::now();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
}

inline INPUT KeyInputFor(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    switch (key) {
        case VK_RMENU:
        case VK_RCONTROL:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_INSERT:
        case VK_DELETE:
            input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
            break;
        default:
            break;
    }
    if (up) {
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
    }
    return input;
}

// Presses the keys in order and lets them go in reverse order: {VK_CONTROL, 'V'} is Ctrl+V.
inline void PressChord(std::initializer_list<WORD> keys) {
    for (const WORD key : keys) {
        INPUT input = KeyInputFor(key, false);
        ::SendInput(1, &input, sizeof(input));
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input = KeyInputFor(*key, true);
        ::SendInput(1, &input, sizeof(input));
    }
    DeliverInput();
}

// Each key pressed and let go in turn ("A", "B": the letters typed one after the other).
inline void TypeKeys(std::initializer_list<WORD> keys) {
    for (const WORD key : keys) {
        PressChord({key});
    }
}

// Puts the pointer at a point of `window`'s client area.
inline void PointAt(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    ::SetCursorPos(point.x, point.y);
    DeliverInput();
}

inline void MouseButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    ::SendInput(1, &input, sizeof(input));
    DeliverInput();
}

// A left click where the pointer is.
inline void ClickHere() {
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
}

inline void ClickAt(HWND window, int x, int y) {
    PointAt(window, x, y);
    ClickHere();
}

// A wheel turn (WHEEL_DELTA per notch, positive away from the user) with the pointer over a point
// of `window`.
inline void TurnWheelAt(HWND window, int x, int y, int delta) {
    PointAt(window, x, y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(delta);
    ::SendInput(1, &input, sizeof(input));
    DeliverInput();
}

}  // namespace tockly::testing
