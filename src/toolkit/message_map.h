#pragma once
// A window's message map: a plain table from message number to the member that handles it, filled
// by the constructors. Typed entries decode the message, so handlers take a point, a key or a wheel
// turn instead of WPARAM/LPARAM.
//
// A typed handler returns void (the message is handled, the answer is 0) or bool (false: the
// window has no use for it and DefWindowProcW gets it, which passes keys and wheel turns on to the
// parent).

#include <windows.h>

#include <concepts>
#include <functional>
#include <map>
#include <utility>

namespace tockly {

// A mouse message's point (client coordinates, signed) and key state.
struct MouseInput {
    int x = 0;
    int y = 0;
    WPARAM keys = 0;

    static MouseInput From(WPARAM wParam, LPARAM lParam) noexcept {
        return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), wParam};
    }
    bool leftHeld() const noexcept { return (keys & MK_LBUTTON) != 0; }
};

// WM_KEYDOWN and WM_SYSKEYDOWN: the virtual key and the key data. A key message with key data 0
// comes from the program itself (a menu command, a repeat timer), not from the keyboard.
struct KeyInput {
    WPARAM key = 0;
    LPARAM data = 0;

    static KeyInput From(WPARAM wParam, LPARAM lParam) noexcept { return {wParam, lParam}; }
    bool fromProgram() const noexcept { return data == 0; }
    // A held key repeats its WM_KEYDOWN.
    bool repeated() const noexcept { return (HIWORD(data) & KF_REPEAT) != 0; }
};

// WM_CHAR: one UTF-16 code unit (a surrogate pair arrives as two messages).
struct CharInput {
    char16_t character = 0;
    LPARAM data = 0;

    static CharInput From(WPARAM wParam, LPARAM lParam) noexcept {
        return {static_cast<char16_t>(wParam), lParam};
    }
};

// WM_MOUSEWHEEL: the turn in WHEEL_DELTA units (fine wheels send parts of a notch), the key state
// and the cursor in screen coordinates.
struct WheelInput {
    int delta = 0;
    WPARAM keys = 0;
    int screenX = 0;
    int screenY = 0;

    static WheelInput From(WPARAM wParam, LPARAM lParam) noexcept {
        return {GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam),
                static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    }
};

// WM_TIMER: the timer id.
struct TimerInput {
    UINT_PTR id = 0;

    static TimerInput From(WPARAM wParam, LPARAM) noexcept { return {wParam}; }
};

// WM_SETFOCUS, WM_KILLFOCUS: the window that loses or gets the focus (may be null).
struct FocusInput {
    HWND other = nullptr;

    static FocusInput From(WPARAM wParam, LPARAM) noexcept {
        return {reinterpret_cast<HWND>(wParam)};
    }
};

// WM_CAPTURECHANGED: the window that takes the mouse capture (may be null).
struct CaptureInput {
    HWND newOwner = nullptr;

    static CaptureInput From(WPARAM, LPARAM lParam) noexcept {
        return {reinterpret_cast<HWND>(lParam)};
    }
};

template <typename Input>
concept MessageInput = requires(WPARAM wParam, LPARAM lParam) {
    { Input::From(wParam, lParam) } -> std::same_as<Input>;
};

class MessageMap {
public:
    using Handler = std::function<LRESULT(UINT, WPARAM, LPARAM)>;

    void Set(UINT message, Handler handler) { handlers_[message] = std::move(handler); }

    template <typename Owner>
    void Set(UINT message, Owner* owner, LRESULT (Owner::*handler)(UINT, WPARAM, LPARAM)) {
        Set(message,
            [owner, handler](UINT m, WPARAM w, LPARAM l) { return (owner->*handler)(m, w, l); });
    }

    template <typename Owner, MessageInput Input>
    void Set(UINT message, Owner* owner, void (Owner::*handler)(const Input&)) {
        Set(message, [owner, handler](UINT, WPARAM w, LPARAM l) -> LRESULT {
            (owner->*handler)(Input::From(w, l));
            return 0;
        });
    }

    // The owner's window() is what DefWindowProcW gets when the handler declines.
    template <typename Owner, MessageInput Input>
    void Set(UINT message, Owner* owner, bool (Owner::*handler)(const Input&)) {
        Set(message, [owner, handler](UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if ((owner->*handler)(Input::From(w, l))) {
                return 0;
            }
            return ::DefWindowProcW(owner->window(), m, w, l);
        });
    }

    template <typename Owner>
    void Set(UINT message, Owner* owner, void (Owner::*handler)()) {
        Set(message, [owner, handler](UINT, WPARAM, LPARAM) -> LRESULT {
            (owner->*handler)();
            return 0;
        });
    }

    const Handler* Find(UINT message) const {
        auto found = handlers_.find(message);
        return found != handlers_.end() ? &found->second : nullptr;
    }
    void Clear() noexcept { handlers_.clear(); }

    // The mapped handler's answer, or DefWindowProcW's for an unmapped message.
    LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
        if (const Handler* handler = Find(message)) {
            return (*handler)(message, wParam, lParam);
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

private:
    std::map<UINT, Handler> handlers_;
};

}  // namespace tockly
