#pragma once
// The base of every top-level window (main window, list windows, message window, desktop
// widgets): the window class, the map from window handle to window with its router, show, resize
// and the topmost band. Each window class supplies its window procedure; the message map here is
// the plain table it may dispatch through.
//
// The constructor throws std::runtime_error when the class cannot be registered or the window
// cannot be made (safe wherever it runs: see abstract_control.h). The destructor destroys the
// window if it still exists; a derived class destroys its own controls first.

#include <windows.h>

#include "toolkit/message_map.h"
#include "toolkit/window_router.h"

namespace tockly {

class bfAbstractWindow {
public:
    static constexpr const wchar_t* kClassName = L"bfAbstractWindowClass";

    bfAbstractWindow(HWND owner, DWORD style, DWORD extendedStyle);
    virtual ~bfAbstractWindow();
    bfAbstractWindow(const bfAbstractWindow&) = delete;
    bfAbstractWindow& operator=(const bfAbstractWindow&) = delete;

    virtual void Show(bool show);
    virtual bool Resize(int width, int height);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // Moves the window in the z-order; HWND_TOPMOST puts it in the topmost band.
    bool SetTopmost(HWND insertAfter);

    HWND window() const noexcept { return window_; }
    HWND owner() const noexcept { return owner_; }
    HINSTANCE instance() const noexcept { return instance_; }
    bool shown() const noexcept { return shown_; }
    bool topmost() const noexcept { return topmost_; }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }
    // False once the window has been destroyed (by WM_CLOSE, or with its owner).
    bool windowAlive() const noexcept { return !windowDestroyed_; }

    static bfAbstractWindow* FromHandle(HWND window) noexcept;

protected:
    MessageMap& messages() noexcept { return messages_; }
    // The mapped handler, or DefWindowProcW for an unmapped message.
    LRESULT DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class WindowRouter<bfAbstractWindow>;
    using Router = WindowRouter<bfAbstractWindow>;

    void WindowDestroyed() noexcept { windowDestroyed_ = true; }

    HWND window_ = nullptr;
    HWND owner_;
    HINSTANCE instance_;
    bool shown_ = false;
    bool topmost_ = false;
    int width_ = 0;
    int height_ = 0;
    bool windowDestroyed_ = false;
    MessageMap messages_;
};

}  // namespace tockly
