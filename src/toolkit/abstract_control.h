#pragma once
// The base of every skinned child control: its window and window class, the map from window handle
// to control with the router that delivers the window's messages, the message map, the three
// background modes, double-buffered painting, and the protocol by which a control reports to its
// parent: WM_COMMAND (id in the low word, the control object in lParam) for user actions and, in
// gradient mode, WM_NOTIFY codes 0, 1 and 2 asking the parent for the control's background.
//
// Threads: a control belongs to the thread that made it. Only SetCaption (and the caption setters
// built on it) and Repaint may be called from a widget's worker thread; they never wait for the
// owning thread, so a UI thread that waits for its worker cannot deadlock with it.
//
// Errors: the constructor throws std::runtime_error when the class cannot be registered or the
// window cannot be made. That is safe wherever a control is made: on the start-up path the error
// reaches the guard at the top, and inside a window procedure the router of that window catches it
// and hands it to the message loop, so it never crosses the system's message dispatch.

#include <windows.h>

#include <atomic>
#include <string>
#include <string_view>

#include "support/critical_section.h"
#include "toolkit/control_geometry.h"
#include "toolkit/gradient_slice.h"
#include "toolkit/message_map.h"
#include "toolkit/mouse_state.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "toolkit/skin_drawing.h"
#include "toolkit/window_router.h"

namespace tockly {

enum class BackgroundMode { Gradient = 0, Solid = 1, Pattern = 2 };

class bfAbstractControl {
public:
    static constexpr const wchar_t* kClassName = L"bfAbstractControlClass";

    bfAbstractControl(HWND parent, WORD id, DWORD style);
    virtual ~bfAbstractControl();
    bfAbstractControl(const bfAbstractControl&) = delete;
    bfAbstractControl& operator=(const bfAbstractControl&) = delete;

    virtual HWND window() const noexcept { return window_; }
    // Stores the value only for controls that keep a checked state.
    virtual void SetChecked(bool checked);
    virtual bool Resize(int width, int height);
    virtual bool Move(int x, int y, bool repositionWindow = true);
    virtual void SetBackgroundColor(COLORREF color);
    virtual bool LoadBackgroundBitmap(std::wstring_view resourceName, int width, int height);
    virtual void SetBackgroundBitmap(SharedBitmap bitmap);
    // Looks the message up in the message map; unmapped messages go to DefWindowProcW.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // A pattern tile from a skin file, for controls on a widget's tiled background.
    bool LoadBackgroundBitmapFile(std::wstring_view fileName);
    // The owner's gradient; puts the control in gradient mode.
    void SetGradient(const GradientBackground& gradient);
    // Where the gradient's owner sees the control, when that is not its position in its parent.
    void SetOffsetPosition(bool use, int x, int y);
    // Keeps Show from asking the parent for the background.
    void SetNoBackgroundRequest(bool suppress) noexcept { noBackgroundRequest_ = suppress; }

    // Paints now when visible; from another thread it only invalidates.
    bool Repaint();
    bool Show(bool show);
    bool TrackMouse();
    // WM_NOTIFY to the parent; true when the parent answers with a positive value.
    bool Notify(LayoutNotice code);

    HWND parent() const noexcept { return parent_; }
    WORD id() const noexcept { return id_; }
    int x() const noexcept { return x_; }
    int y() const noexcept { return y_; }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }
    bool visible() const noexcept { return visible_; }
    bool focused() const noexcept { return focused_; }
    bool toggle() const noexcept { return toggle_; }
    bool checked() const noexcept { return checked_; }
    bool mouseTracked() const noexcept { return mouseTracked_; }
    BackgroundMode backgroundMode() const noexcept { return mode_; }
    COLORREF backgroundColor() const noexcept { return backgroundColor_; }
    const GradientBackground& gradient() const noexcept { return gradient_; }
    std::wstring Caption() const;

    // The live control whose window this is, or null.
    static bfAbstractControl* FromHandle(HWND window) noexcept;
    // The control a WM_COMMAND came from (its lParam), or null when that is not a live control.
    static bfAbstractControl* FromCommand(LPARAM lParam) noexcept;

protected:
    MessageMap& messages() noexcept { return messages_; }

    void SetToggle(bool toggle) noexcept { toggle_ = toggle; }
    // Keeps the base's checked field in step with a control's own logic.
    void StoreChecked(bool checked) noexcept { checked_ = checked; }
    // The caption is the window text too, so that screen readers and tests can read it.
    void SetCaption(std::wstring text);
    // Guards the caption and whatever else a worker may change while the UI thread paints.
    CriticalSection& lookLock() const noexcept { return lookLock_; }

    // Draws the control over its background into the paint buffer.
    virtual void PaintContent(const PaintContext& paint);

    // Carries out what a control's logic asks for. The WM_COMMAND comes last: the parent may
    // destroy the control while handling it, so callers return right after this.
    void ApplyEffects(const ControlEffects& effects);
    void NotifyCommand();
    bool PointInside(const MouseInput& mouse) const noexcept;
    // WM_MOUSELEAVE: the TME_LEAVE request is used up.
    void ForgetMouseTracking() noexcept { mouseTracked_ = false; }
    // Lets the mouse go when this control holds it (and only then: another window's capture stays).
    void ReleaseMouse() const;
    // The focused flag and a repaint: all that WM_SETFOCUS and WM_KILLFOCUS do here. Controls that
    // do more on a focus change map the messages to their own handlers and call this first.
    void MarkFocused(bool focused);

private:
    friend class WindowRouter<bfAbstractControl>;
    using Router = WindowRouter<bfAbstractControl>;

    void WindowDestroyed() noexcept { windowDestroyed_ = true; }
    bool OnOwnThread() const noexcept;
    void PaintBackground(const PaintContext& paint);
    void PaintInto(HDC target);
    void OnSetFocus(const FocusInput&) { MarkFocused(true); }
    void OnKillFocus(const FocusInput&) { MarkFocused(false); }
    LRESULT OnPaint(UINT, WPARAM, LPARAM);
    LRESULT OnPrintClient(UINT, WPARAM, LPARAM);
    LRESULT OnSyncCaption(UINT, WPARAM, LPARAM);

    HWND window_ = nullptr;
    HWND parent_;
    WORD id_;
    HINSTANCE instance_;
    bool focused_ = false;
    std::atomic<bool> visible_ = false;
    bool toggle_ = false;
    bool checked_ = false;
    COLORREF backgroundColor_ = RGB(255, 255, 255);
    SharedBitmap backgroundBitmap_;
    bool noBackgroundRequest_ = false;
    GradientBackground gradient_;
    BackgroundMode mode_ = BackgroundMode::Gradient;
    int width_ = 0;
    int height_ = 0;
    bool mouseTracked_ = false;
    int x_ = 0;
    int y_ = 0;
    bool useOffsetPosition_ = false;
    int offsetX_ = 0;
    int offsetY_ = 0;

    bool windowDestroyed_ = false;
    MessageMap messages_;
    std::shared_ptr<PaintBuffer> paintBuffer_;
    mutable CriticalSection lookLock_;
    std::wstring caption_;
};

}  // namespace tockly
