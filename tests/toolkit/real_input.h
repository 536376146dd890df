#pragma once
// Keyboard and mouse input as a person gives it: SendInput puts key strokes, mouse buttons and
// wheel turns into the system's input queue, and this thread's message loop (TranslateMessage,
// DispatchMessage) delivers them, so that focus, hit-testing, capture, double clicks, the wheel
// going to the window under the pointer, and WM_CHAR with the keyboard state of the moment come
// about as they do on a desktop. The test's window must be the foreground window (TestParent makes
// itself so).

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <thread>
#include <vector>

namespace tockly::testing {

// Handles whatever is queued now, without waiting.
inline void HandleQueuedMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Every input queued so far has been handled once a marker key sent after it comes out of the
// queue: input arrives in order. The marker (a release of F24, a key no control uses) is not
// dispatched; what the handling posted and is queued by then is handled too. False when the marker
// never arrives (the window is not in the foreground).
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
                HandleQueuedMessages();
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
        HandleQueuedMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// A key stroke with its scan code and, for the keys of the extended block (right Alt and Ctrl,
// arrows, Home, End, Page Up/Down, Insert, Delete), the extended flag, as a keyboard sends it.
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
inline bool PressChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        inputs.push_back(KeyInputFor(key, false));
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        inputs.push_back(KeyInputFor(*key, true));
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return DeliverInput();
}

// Presses and releases `key`, with the modifiers held around it; the input is delivered.
inline bool TypeKey(WORD key, std::initializer_list<WORD> modifiers = {}) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers) {
        inputs.push_back(KeyInputFor(modifier, false));
    }
    inputs.push_back(KeyInputFor(key, false));
    inputs.push_back(KeyInputFor(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        inputs.push_back(KeyInputFor(*modifier, true));
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return DeliverInput();
}

// Each key pressed and let go in turn ("A", "B": the letters typed one after the other).
inline bool TypeKeys(std::initializer_list<WORD> keys) {
    bool delivered = true;
    for (const WORD key : keys) {
        delivered = PressChord({key}) && delivered;
    }
    return delivered;
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

// Puts the pointer at a point of `window`'s client area, also outside it (SendInput's absolute
// coordinates are not exact to the pixel there under Wine), with the WM_MOUSEMOVE that follows.
inline bool PointAt(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    ::SetCursorPos(point.x, point.y);
    return DeliverInput();
}

// A mouse button (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, ...) where the pointer is.
inline bool MouseButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    ::SendInput(1, &input, sizeof(input));
    return DeliverInput();
}

// A left click where the pointer is.
inline bool ClickHere() {
    return MouseButton(MOUSEEVENTF_LEFTDOWN) && MouseButton(MOUSEEVENTF_LEFTUP);
}

// A left click at (x, y) of `window`'s client area.
inline bool ClickAt(HWND window, int x, int y) {
    return MouseAt(window, x, y, MOUSEEVENTF_LEFTDOWN) && MouseAt(window, x, y, MOUSEEVENTF_LEFTUP);
}

// A turn of the wheel by `delta` (WHEEL_DELTA a notch, negative towards the user) with the pointer
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

}  // namespace tockly::testing
