#pragma once
// Input as a person gives it: SendInput puts key strokes and mouse buttons into the system's input
// queue, and this thread's message loop (TranslateMessage, DispatchMessage) delivers them, so that
// focus, hit-testing, capture, double clicks and WM_CHAR come about as they do on a desktop. The
// test's window must be the foreground window (TestParent makes itself so).

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <thread>
#include <vector>

namespace tockly::testing {

// Every input queued so far has been handled once a marker key sent after it comes out of the
// queue: input arrives in order. The marker (a release of F24, a key no control uses) is not
// dispatched. False when it never arrives (the window is not in the foreground).
inline bool DeliverInput() {
    INPUT marker{};
    marker.type = INPUT_KEYBOARD;
    marker.ki.wVk = VK_F24;
    marker.ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(1, &marker, sizeof(marker));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            // Without a focused window the active window gets the key as a system key.
            if ((message.message == WM_KEYUP || message.message == WM_SYSKEYUP) &&
                message.wParam == VK_F24) {
                return true;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

// Runs the message loop until `condition` holds (timers fire meanwhile); false after 5 seconds.
inline bool PumpUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

inline INPUT KeyInputEvent(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Presses and releases `key`, with the modifiers held around it; the input is delivered.
inline bool TypeKey(WORD key, std::initializer_list<WORD> modifiers = {}) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        inputs.push_back(KeyInputEvent(modifier, false));
    }
    inputs.push_back(KeyInputEvent(key, false));
    inputs.push_back(KeyInputEvent(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        inputs.push_back(KeyInputEvent(*modifier, true));
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return DeliverInput();
}

// The mouse to (x, y) of `window`'s client area, with the buttons in `flags` (MOUSEEVENTF_LEFTDOWN,
// MOUSEEVENTF_LEFTUP, or none for a move); the input is delivered.
inline bool MouseAt(HWND window, int x, int y, DWORD flags = 0) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    // The system maps 0 to 65536 onto the screen, rounding down: round up to land on the pixel.
    input.mi.dx = static_cast<LONG>((point.x * 65536LL + width - 1) / width);
    input.mi.dy = static_cast<LONG>((point.y * 65536LL + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    ::SendInput(1, &input, sizeof(input));
    return DeliverInput();
}

// A turn of the wheel by `delta` (WHEEL_DELTA a notch, negative towards the user) with the mouse
// at (x, y) of `window`'s client area.
inline bool TurnWheelAt(HWND window, int x, int y, int delta) {
    if (!MouseAt(window, x, y)) {
        return false;
    }
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = static_cast<DWORD>(delta);
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    ::SendInput(1, &input, sizeof(input));
    return DeliverInput();
}

// A left click at (x, y) of `window`'s client area.
inline bool ClickAt(HWND window, int x, int y) {
    return MouseAt(window, x, y, MOUSEEVENTF_LEFTDOWN) && MouseAt(window, x, y, MOUSEEVENTF_LEFTUP);
}

}  // namespace tockly::testing
