#pragma once
// A window's message map: a plain table from message number to the member that handles it, filled
// by the constructors. Typed entries decode the mouse and need no WPARAM/LPARAM in the handler.

#include <windows.h>

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

class MessageMap {
public:
    using Handler = std::function<LRESULT(UINT, WPARAM, LPARAM)>;

    void Set(UINT message, Handler handler) { handlers_[message] = std::move(handler); }

    template <typename Owner>
    void Set(UINT message, Owner* owner, LRESULT (Owner::*handler)(UINT, WPARAM, LPARAM)) {
        Set(message,
            [owner, handler](UINT m, WPARAM w, LPARAM l) { return (owner->*handler)(m, w, l); });
    }

    // Mouse handlers answer 0.
    template <typename Owner>
    void Set(UINT message, Owner* owner, void (Owner::*handler)(const MouseInput&)) {
        Set(message, [owner, handler](UINT, WPARAM w, LPARAM l) -> LRESULT {
            (owner->*handler)(MouseInput::From(w, l));
            return 0;
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

private:
    std::map<UINT, Handler> handlers_;
};

}  // namespace tockly
