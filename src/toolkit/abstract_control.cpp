#include "toolkit/abstract_control.h"

#include <stdexcept>
#include <utility>

namespace tockly {
namespace {

// Tells the control's own thread that the caption changed on another thread.
constexpr UINT kSyncCaptionMessage = WM_USER + 0x100;

void RegisterControlClassOnce(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = ::LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = bfAbstractControl::kClassName;
    WindowRouter<bfAbstractControl>::RegisterClassOnce(
        windowClass, "bfAbstractControl class cannot be registered");
}

}  // namespace

bfAbstractControl::bfAbstractControl(HWND parent, WORD id, DWORD style)
    : parent_(parent),
      id_(id),
      instance_(::GetModuleHandleW(nullptr)),
      paintBuffer_(PaintBuffer::ForThisThread()) {
    RegisterControlClassOnce(instance_);
    // A child window carries its control id, so that GetDlgItem and the parent's tools find it.
    HMENU childId =
        (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    window_ = ::CreateWindowExW(0, kClassName, L"", style, 0, 0, 0, 0, parent, childId, instance_,
                                nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("bfAbstractControl Window cannot be created");
    }
    Router::Registry().Insert(window_, this);

    messages_.Set(WM_SETFOCUS, this, &bfAbstractControl::OnSetFocus);
    messages_.Set(WM_KILLFOCUS, this, &bfAbstractControl::OnKillFocus);
    // Every control paints its whole client area, so the erase would only flicker.
    messages_.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    messages_.Set(WM_PAINT, this, &bfAbstractControl::OnPaint);
    messages_.Set(WM_PRINTCLIENT, this, &bfAbstractControl::OnPrintClient);
    messages_.Set(kSyncCaptionMessage, this, &bfAbstractControl::OnSyncCaption);
}

bfAbstractControl::~bfAbstractControl() {
    if (windowDestroyed_) {
        return;  // the window went with its parent; the router has already let go of it
    }
    CheckOwnThread(window_, "bfAbstractControl destruction");
    messages_.Clear();
    Router::DestroyWindowOf(window_, "bfAbstractControl object doesn't exist");
}

bfAbstractControl* bfAbstractControl::FromHandle(HWND window) noexcept {
    return Router::Registry().Find(window);
}

bfAbstractControl* bfAbstractControl::FromCommand(LPARAM lParam) noexcept {
    auto* control = reinterpret_cast<bfAbstractControl*>(lParam);
    return control != nullptr && Router::Registry().Holds(control) ? control : nullptr;
}

void bfAbstractControl::SetChecked(bool checked) {
    if (toggle_) {
        checked_ = checked;
    }
}

bool bfAbstractControl::Resize(int width, int height) {
    if (!CheckOwnThread(window_, "bfAbstractControl::Resize")) {
        return false;
    }
    width_ = width;
    height_ = height;
    bool ok = ::SetWindowPos(window_, nullptr, 0, 0, width, height,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
    // A narrower control moves its right piece: all of it must be painted again, not only what
    // the new size uncovers.
    ::InvalidateRect(window_, nullptr, FALSE);
    if (visible_ && mode_ == BackgroundMode::Gradient) {
        Notify(LayoutNotice::Both);
        ok = Repaint() && ok;
    }
    return ok;
}

bool bfAbstractControl::Move(int x, int y, bool repositionWindow) {
    if (!CheckOwnThread(window_, "bfAbstractControl::Move")) {
        return false;
    }
    const LayoutNotice notice = MoveNotice(x_, y_, x, y);
    x_ = x;
    y_ = y;
    bool ok = true;
    if (repositionWindow) {
        ok = ::SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != FALSE;
    }
    if (mode_ == BackgroundMode::Gradient) {
        Notify(notice);
    }
    // The gradient slice and the pattern's alignment both follow the position.
    ok = ::InvalidateRect(window_, nullptr, FALSE) != FALSE && ok;
    return ::UpdateWindow(window_) != FALSE && ok;
}

void bfAbstractControl::SetBackgroundColor(COLORREF color) {
    if (!CheckOwnThread(window_, "bfAbstractControl::SetBackgroundColor")) {
        return;
    }
    backgroundColor_ = color;
    mode_ = BackgroundMode::Solid;
    Repaint();
}

bool bfAbstractControl::LoadBackgroundBitmap(std::wstring_view resourceName, int width,
                                             int height) {
    SharedBitmap bitmap = LoadSkinResource(resourceName, width, height);
    if (!bitmap) {
        return false;
    }
    SetBackgroundBitmap(std::move(bitmap));
    return true;
}

bool bfAbstractControl::LoadBackgroundBitmapFile(std::wstring_view fileName) {
    SharedBitmap bitmap = LoadSkinFile(fileName);
    if (!bitmap) {
        return false;
    }
    SetBackgroundBitmap(std::move(bitmap));
    return true;
}

void bfAbstractControl::SetBackgroundBitmap(SharedBitmap bitmap) {
    if (!CheckOwnThread(window_, "bfAbstractControl::SetBackgroundBitmap")) {
        return;
    }
    backgroundBitmap_ = std::move(bitmap);
    mode_ = BackgroundMode::Pattern;
    Repaint();
}

void bfAbstractControl::SetGradient(const GradientBackground& gradient) {
    if (!CheckOwnThread(window_, "bfAbstractControl::SetGradient")) {
        return;
    }
    gradient_ = gradient;
    mode_ = BackgroundMode::Gradient;
    Repaint();
}

void bfAbstractControl::SetOffsetPosition(bool use, int x, int y) {
    useOffsetPosition_ = use;
    offsetX_ = x;
    offsetY_ = y;
    Repaint();
}

bool bfAbstractControl::OnOwnThread() const noexcept {
    return ::GetWindowThreadProcessId(window_, nullptr) == ::GetCurrentThreadId();
}

bool bfAbstractControl::Repaint() {
    if (!visible_) {
        return true;
    }
    if (::InvalidateRect(window_, nullptr, FALSE) == FALSE) {
        return false;
    }
    if (!OnOwnThread()) {
        return true;  // the owning thread paints when it next looks at its messages
    }
    return ::UpdateWindow(window_) != FALSE;
}

bool bfAbstractControl::Show(bool show) {
    if (!CheckOwnThread(window_, "bfAbstractControl::Show")) {
        return false;
    }
    ::ShowWindow(window_, show ? SW_SHOW : SW_HIDE);
    visible_ = show;
    if (show && mode_ == BackgroundMode::Gradient && !noBackgroundRequest_) {
        Notify(LayoutNotice::Both);
    }
    return Repaint();
}

bool bfAbstractControl::TrackMouse() {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window_;
    mouseTracked_ = true;
    return ::TrackMouseEvent(&track) != FALSE;
}

bool bfAbstractControl::Notify(LayoutNotice code) {
    NMHDR header{};
    header.hwndFrom = window_;
    header.idFrom = id_;
    header.code = static_cast<UINT>(code);
    return ::SendMessageW(parent_, WM_NOTIFY, reinterpret_cast<WPARAM>(parent_),
                          reinterpret_cast<LPARAM>(&header)) > 0;
}

void bfAbstractControl::NotifyCommand() {
    if (!CheckOwnThread(window_, "bfAbstractControl::NotifyCommand")) {
        return;
    }
    ::SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(id_, 0), reinterpret_cast<LPARAM>(this));
}

void bfAbstractControl::ApplyEffects(const ControlEffects& effects) {
    if (effects.startTracking) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        TrackMouse();
    }
    if (effects.capture) {
        ::SetCapture(window_);
    }
    if (effects.releaseCapture) {
        ReleaseMouse();
    }
    if (effects.takeFocus) {
        ::SetFocus(window_);
    }
    if (effects.repaint) {
        Repaint();
    }
    if (effects.notify) {
        NotifyCommand();
    }
}

void bfAbstractControl::ReleaseMouse() const {
    if (::GetCapture() == window_) {
        ::ReleaseCapture();
    }
}

bool bfAbstractControl::PointInside(const MouseInput& mouse) const noexcept {
    RECT client{};
    ::GetClientRect(window_, &client);
    return mouse.x >= client.left && mouse.x < client.right && mouse.y >= client.top &&
           mouse.y < client.bottom;
}

void bfAbstractControl::SetCaption(std::wstring text) {
    {
        CriticalSectionLock hold(lookLock_);
        caption_ = std::move(text);
    }
    if (OnOwnThread()) {
        ::SetWindowTextW(window_, Caption().c_str());
    } else {
        ::PostMessageW(window_, kSyncCaptionMessage, 0, 0);
    }
}

std::wstring bfAbstractControl::Caption() const {
    CriticalSectionLock hold(lookLock_);
    return caption_;
}

LRESULT bfAbstractControl::OnSyncCaption(UINT, WPARAM, LPARAM) {
    const std::wstring caption = Caption();
    return ::DefWindowProcW(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
}

void bfAbstractControl::MarkFocused(bool focused) {
    focused_ = focused;
    Repaint();
}

LRESULT bfAbstractControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return messages_.Dispatch(window_, message, wParam, lParam);
}

void bfAbstractControl::PaintContent(const PaintContext&) {}

void bfAbstractControl::PaintBackground(const PaintContext& paint) {
    const RECT area{0, 0, paint.width, paint.height};
    const int x = useOffsetPosition_ ? offsetX_ : x_;
    const int y = useOffsetPosition_ ? offsetY_ : y_;
    switch (mode_) {
        case BackgroundMode::Gradient: {
            const bool horizontal = gradient_.horizontal;
            const GradientSlice slice = SliceGradient(gradient_, horizontal ? x : y,
                                                      horizontal ? paint.width : paint.height);
            FillGradientSlice(paint.dc, area, slice, horizontal);
            return;
        }
        case BackgroundMode::Pattern:
            // The parent's tiles start at its client origin.
            if (FillTiled(paint.dc, area, backgroundBitmap_.get(), -x, -y)) {
                return;
            }
            break;  // no tile: the colour at least covers the buffer
        case BackgroundMode::Solid:
            break;
    }
    FillSolid(paint.dc, area, backgroundColor_);
}

void bfAbstractControl::PaintInto(HDC target) {
    RECT client{};
    ::GetClientRect(window_, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0 || target == nullptr) {
        return;
    }
    PaintBuffer::Lease lease = paintBuffer_->Acquire(width, height);
    PaintContext paint{lease ? lease.dc() : target, paintBuffer_->SourceDc(), width, height};
    PaintBackground(paint);
    PaintContent(paint);
    if (lease) {
        ::BitBlt(target, 0, 0, width, height, paint.dc, 0, 0, SRCCOPY);
    }
}

LRESULT bfAbstractControl::OnPaint(UINT, WPARAM, LPARAM) {
    PaintDc paint(window_);
    PaintInto(paint.get());
    return 0;
}

LRESULT bfAbstractControl::OnPrintClient(UINT, WPARAM wParam, LPARAM) {
    PaintInto(reinterpret_cast<HDC>(wParam));
    return 0;
}

}  // namespace tockly
