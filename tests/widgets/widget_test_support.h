#pragma once
// What the Win32 widget tests share: clocks that run as a test needs, real mouse and keyboard
// input through SendInput, and a wait that pumps messages until something has happened.

#include <windows.h>

#include <atomic>
#include <functional>

#include "platform/clock.h"
#include "toolkit/test_parent.h"

namespace tockly::testing {

// A clock whose every reading is the last millisecond of the next second: a worker on it finds a
// new second at every look and waits a millisecond for the next.
class SteppingClock final : public Clock {
public:
    TimePoint Now() const override {
        const int second = ++seconds_;
        return {2024, 5, 17, second / 3600 % 24, second / 60 % 60, second % 60, 999};
    }

private:
    mutable std::atomic<int> seconds_{0};
};

// Pumps this thread's messages until `done` or `milliseconds` passed; whether `done` came. It
// looks after every message: running workers may never let the queue run empty.
inline bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
            if (done() || ::GetTickCount64() >= end) {
                break;
            }
        }
        if (done()) {
            return true;
        }
        if (::GetTickCount64() >= end) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Real input: it goes through the system's input queue, hit-testing and capture like a user's.
inline void SendMouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
}

// Moves the cursor to a screen point and waits until the system has it there.
inline bool MoveMouseTo(int x, int y) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    // Absolute input is in 1/65536 of the screen; the centre of the pixel survives the rounding.
    SendMouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                   static_cast<LONG>((x * 65536LL + 32768) / width),
                   static_cast<LONG>((y * 65536LL + 32768) / height));
    return PumpUntil([x, y] {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        return cursor.x == x && cursor.y == y;
    });
}

inline void PressKey(WORD key) {
    INPUT inputs[2]{};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = key;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

// Where a client point of a window is on the screen.
inline POINT OnScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    return point;
}

}  // namespace tockly::testing
