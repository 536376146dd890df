#pragma once
// The process-wide map from window handle to object of one base class, and the static window
// procedure that hands each message to the object that owns the window.
//
// An object is in the map exactly while its window exists and the object is alive: it is
// inserted after CreateWindowExW, removed by the router when the window is destroyed (WM_NCDESTROY)
// and by the object's destructor before it is freed. Messages for a handle that is not in the map
// (those sent during CreateWindowExW, and any after removal) go to DefWindowProcW.

#include <windows.h>

#include <exception>
#include <map>
#include <stdexcept>
#include <string>

#include "support/fatal_error.h"

namespace tockly {

template <typename Object>
class WindowRegistry {
public:
    void Insert(HWND window, Object* object) { objects_.insert_or_assign(window, object); }
    bool Remove(HWND window) noexcept { return objects_.erase(window) > 0; }
    Object* Find(HWND window) const noexcept {
        auto found = objects_.find(window);
        return found != objects_.end() ? found->second : nullptr;
    }
    bool Holds(const void* object) const noexcept {
        for (const auto& [window, held] : objects_) {
            if (static_cast<const void*>(held) == object) {
                return true;
            }
        }
        return false;
    }
    std::size_t size() const noexcept { return objects_.size(); }

private:
    std::map<HWND, Object*> objects_;
};

// `Object` provides a public virtual WindowProc(message, wParam, lParam) and befriends this class
// for WindowDestroyed(), which tells it that its window is gone.
template <typename Object>
class WindowRouter {
public:
    // UI thread only: the map is not locked.
    static WindowRegistry<Object>& Registry() {
        static WindowRegistry<Object> registry;
        return registry;
    }

    // Registers the base's window class, with Route as its procedure, the first time an object of
    // the base is made; throws `failure` as a runtime error when the platform refuses.
    static void RegisterClassOnce(WNDCLASSEXW windowClass, const char* failure) {
        static bool registered = false;
        if (registered) {
            return;
        }
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = Route;
        if (::RegisterClassExW(&windowClass) == 0) {
            throw std::runtime_error(failure);
        }
        registered = true;
    }

    // For a destructor whose object's window still exists: the object leaves the map before the
    // window goes, so that the messages of the destruction do not reach a half-destroyed object.
    // A window that was not in the map is reported with `missing` through the message loop (a
    // destructor must not throw).
    static void DestroyWindowOf(HWND window, const char* missing) noexcept {
        const bool registered = Registry().Remove(window);
        ::DestroyWindow(window);
        if (!registered) {
            DeferFatalError(std::make_exception_ptr(std::runtime_error(missing)));
        }
    }

    // Nothing a handler throws may cross the system's message dispatch: it is handed to the
    // message loop, which ends and throws it again on the main thread.
    static LRESULT CALLBACK Route(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept {
        try {
            Object* object = Registry().Find(window);
            if (object == nullptr) {
                return ::DefWindowProcW(window, message, wParam, lParam);
            }
            if (message == WM_NCDESTROY) {
                // The last message of the window: from here on the handle may be reused by
                // another window, so it leaves the map now, while the object still lives.
                Registry().Remove(window);
                object->WindowDestroyed();
            }
            return object->WindowProc(message, wParam, lParam);
        } catch (...) {
            DeferFatalError(std::current_exception());
            return 0;
        }
    }
};

// True on the thread that owns `window` (or when the window is gone). Elsewhere a thread rule was
// broken (only the owning thread may change, show, size or destroy a window): the error is handed
// to the main loop, which ends the program with it, and the caller leaves the window alone.
inline bool CheckOwnThread(HWND window, const char* operation) noexcept {
    const DWORD owner = ::GetWindowThreadProcessId(window, nullptr);
    if (owner == 0 || owner == ::GetCurrentThreadId()) {
        return true;
    }
    try {
        DeferFatalError(std::make_exception_ptr(
            std::logic_error(std::string(operation) + " called from another thread")));
    } catch (...) {
        DeferFatalError(std::current_exception());
    }
    return false;
}

}  // namespace tockly
