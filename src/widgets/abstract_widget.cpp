#include "widgets/abstract_widget.h"

#include <atomic>

#include "platform/win32_clock.h"
#include "support/gdi_handles.h"
#include "toolkit/abstract_control.h"
#include "toolkit/text_edit.h"
#include "widgets/menu_ids.h"
#include "widgets/menu_setup.h"

namespace tockly {
namespace {

// The program's widgets' internal bit: the worker ended by itself and waits to be joined.
constexpr std::uint32_t kWorkerEnded = 1u << 31;
constexpr COLORREF kBodyWithoutTile = RGB(45, 45, 45);

std::uint64_t NextSerial() {
    static std::atomic<std::uint64_t> serial{0};
    return ++serial;
}

}  // namespace

const Clock& WidgetClock() {
    static const Win32Clock clock;
    return clock;
}

void bfAbstractWidget::OwnerLine::Send(WORD code, LPARAM value) const {
    ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(code, widgetId), value);
}

void bfAbstractWidget::OwnerLine::Post(WORD code, LPARAM value) const {
    ::PostMessageW(owner, WM_COMMAND, MAKEWPARAM(code, widgetId), value);
}

bfAbstractWidget::bfAbstractWidget(HWND owner, WORD widgetId, const WidgetSpec& spec,
                                   const Clock& clock)
    : bfAbstractWindow(owner, spec.style, kWidgetExtendedStyle),
      clock_(clock),
      widgetId_(widgetId),
      family_(spec.family),
      serial_(NextSerial()),
      buffer_(PaintBuffer::ForThisThread()),
      tile_(LoadSkinFile(kWidgetTile)),
      strip_(LoadSkinFile(kProgressStripBitmap)),
      worker_(clock, *this) {
    Resize(spec.width, spec.height);
    dragArea_ = {0, 0, spec.width, spec.height};
    // A layered window shows nothing until it has its attributes: opaque, as transparency 0 says.
    ::SetLayeredWindowAttributes(window(), 0, TransparencyAlpha(0), LWA_ALPHA);
    if (!spec.menu.empty()) {
        menu_ = OwnerDrawnMenu::Load(WidgetMenuSetup(spec.menu));
    }
    SetTransparency(0);

    MessageMap& map = messages();
    map.Set(WM_CLOSE, this, &bfAbstractWidget::OnClose);
    map.Set(WM_DESTROY, this, &bfAbstractWidget::OnClose);
    map.Set(WM_PAINT, this, &bfAbstractWidget::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_LBUTTONDOWN, this, &bfAbstractWidget::OnLeftDown);
    map.Set(WM_RBUTTONDOWN, this, &bfAbstractWidget::OnRightDown);
    map.Set(WM_LBUTTONUP, this, &bfAbstractWidget::OnLeftUp);
    map.Set(WM_MOUSEMOVE, this, &bfAbstractWidget::OnMouseMove);
    map.Set(WM_CAPTURECHANGED, this, &bfAbstractWidget::OnCaptureChanged);
    map.Set(WM_CONTEXTMENU, this, &bfAbstractWidget::OnContextMenu);
    map.Set(WM_MEASUREITEM, this, &bfAbstractWidget::OnMenuItem);
    map.Set(WM_DRAWITEM, this, &bfAbstractWidget::OnMenuItem);
    map.Set(WM_COMMAND, this, &bfAbstractWidget::OnCommand);
    map.Set(kWorkerMessage, this, &bfAbstractWidget::OnWorkerMessage);
}

bfAbstractWidget::~bfAbstractWidget() {
    worker_.Stop();
    menu_.reset();
}

LRESULT bfAbstractWidget::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

void bfAbstractWidget::SetTransparency(int percent) {
    if (!CheckOwnThread(window(), "bfAbstractWidget::SetTransparency")) {
        return;
    }
    transparency_ = percent;
    if (menu_) {
        menu_->CheckOnly(menu_id::kTransparency90, menu_id::kTransparency0,
                         TransparencyItem(percent));
    }
    if (shown()) {
        ::SetLayeredWindowAttributes(window(), 0, TransparencyAlpha(percent), LWA_ALPHA);
    }
}

void bfAbstractWidget::SetAlwaysOnTop(bool onTop) {
    alwaysOnTop_ = onTop;
    SetTopmost(onTop ? HWND_TOPMOST : HWND_NOTOPMOST);
    const HWND ownerWindow = ::GetWindow(window(), GW_OWNER);
    if (!onTop && ownerWindow != nullptr &&
        (::GetWindowLongW(window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
        // Wine keeps an owned popup in the topmost band whatever it is told; it lets go of a
        // window without owner, which gets its owner back at once.
        ::SetWindowLongPtrW(window(), GWLP_HWNDPARENT, 0);
        SetTopmost(HWND_NOTOPMOST);
        ::SetWindowLongPtrW(window(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerWindow));
    }
    if (menu_) {
        menu_->SetChecked(menu_id::kAlwaysOnTop, onTop);
    }
}

void bfAbstractWidget::SetShowProgressBar(bool show) {
    showProgressBar_ = show;
    if (menu_) {
        menu_->SetChecked(menu_id::kShowProgressBar, show);
    }
    ProgressBarChanged(show);
}

void bfAbstractWidget::MoveTo(int x, int y) {
    if (!CheckOwnThread(window(), "bfAbstractWidget::MoveTo")) {
        return;
    }
    x_ = x;
    y_ = y;
    ::SetWindowPos(window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool bfAbstractWidget::Refresh() {
    return RefreshArea({0, 0, width(), height()});
}

bool bfAbstractWidget::RefreshArea(const RECT& area) {
    if (!shown()) {
        return true;
    }
    return ::InvalidateRect(window(), &area, FALSE) != FALSE && ::UpdateWindow(window()) != FALSE;
}

void bfAbstractWidget::SetRunning(bool run) {
    if (!CheckOwnThread(window(), "bfAbstractWidget::SetRunning")) {
        return;
    }
    if (run) {
        worker_.Start();
    } else {
        worker_.Stop();
    }
}

void bfAbstractWidget::SendWidgetEvent(int eventCode) const {
    if (family_ != WidgetFamily::None) {
        ownerLine().Send(static_cast<WORD>(family_), eventCode);
    }
}

void bfAbstractWidget::PostWidgetEvent(int eventCode) const {
    if (family_ != WidgetFamily::None) {
        ownerLine().Post(static_cast<WORD>(family_), eventCode);
    }
}

void bfAbstractWidget::SendWidgetChanged() const {
    if (reportChanges_ && family_ != WidgetFamily::None) {
        ownerLine().Send(kWidgetChangedCode, kSettingsChanged);
    }
}

void bfAbstractWidget::HideByUser() {
    const OwnerLine line = ownerLine();
    const bool reportChange = reportChanges_ && reports_.hide;
    Show(false);
    if (family_ == WidgetFamily::None) {
        return;
    }
    line.Send(static_cast<WORD>(line.family), widget_event::kHidden);
    if (reportChange) {
        line.Send(kWidgetChangedCode, kSettingsChanged);
    }
}

bool bfAbstractWidget::HandleCommand(const CommandInput&) {
    return false;
}

void bfAbstractWidget::PaintWidget(const PaintContext& paint) {
    PaintBody(paint);
}

void bfAbstractWidget::PaintBody(const PaintContext& paint) const {
    const RECT client{0, 0, paint.width, paint.height};
    if (!FillTiled(paint.dc, client, tile_.get(), 0, 0)) {
        FillSolid(paint.dc, client, kBodyWithoutTile);
    }
    FrameSolid(paint.dc, client, kWidgetFrameColor);
}

void bfAbstractWidget::PaintProgressStrip(const PaintContext& paint, int y, int columns) const {
    if (strip_ && columns > 0) {
        // One blend of the strip's column stretched over all the columns draws what copying it
        // once per column would.
        DrawSkin(paint, strip_.get(), {1, y, columns, strip_->height()}, 0, 1);
    }
}

WorkerStep bfAbstractWidget::EverySecond(const TimePoint&) {
    return {};
}

void bfAbstractWidget::ApplyWorkerWork(std::uint32_t work) {
    if ((work & worker_ui::kTexts) != 0) {
        RefreshTexts();
    }
    if ((work & worker_ui::kRepaint) != 0) {
        Refresh();
    } else if ((work & worker_ui::kStrip) != 0) {
        const RECT strip = ProgressStripArea();
        if (strip.right > strip.left && strip.bottom > strip.top) {
            RefreshArea(strip);
        }
    }
    if ((work & worker_ui::kHide) != 0) {
        Show(false);
    }
}

WorkerStep bfAbstractWidget::WorkerSecond(const TimePoint& now) {
    return EverySecond(now);
}

void bfAbstractWidget::WorkerDeliver(const WorkerStep& step) {
    const std::uint32_t work = step.uiWork | (step.end == WorkerEnd::Stop ? kWorkerEnded : 0);
    if (work != 0) {
        pendingWork_ |= work;
        if (!workPosted_) {
            workPosted_ =
                ::PostMessageW(window(), kWorkerMessage, 0, static_cast<LPARAM>(serial_)) != FALSE;
        }
    }
    // After the widget's own work, so that the owner learns of a hidden widget once it is hidden.
    for (int i = 0; i < step.eventCount; ++i) {
        PostWidgetEvent(step.events[static_cast<std::size_t>(i)]);
    }
}

LRESULT bfAbstractWidget::OnWorkerMessage(UINT, WPARAM, LPARAM lParam) {
    if (static_cast<std::uint64_t>(lParam) != serial_) {
        return 0;  // posted to an earlier window that had this handle
    }
    std::uint32_t work = 0;
    {
        CriticalSectionLock hold(widgetLock());
        work = pendingWork_;
        pendingWork_ = 0;
        workPosted_ = false;
    }
    if ((work & kWorkerEnded) != 0) {
        worker_.JoinEnded();
    }
    ApplyWorkerWork(work & ~kWorkerEnded);
    return 0;
}

LRESULT bfAbstractWidget::OnClose(UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        ::DestroyWindow(window());
    }
    return 0;
}

void bfAbstractWidget::OnPaint() {
    // Most paints renew only the progress strip: only what is invalid is drawn and copied.
    RECT update{};
    ::GetUpdateRect(window(), &update, FALSE);
    PaintDc paint(window());
    const int clientWidth = width();
    const int clientHeight = height();
    if (PaintBuffer::Lease lease = buffer_->Acquire(clientWidth, clientHeight)) {
        ::IntersectClipRect(lease.dc(), update.left, update.top, update.right, update.bottom);
        PaintWidget({lease.dc(), buffer_->SourceDc(), clientWidth, clientHeight});
        ::SelectClipRgn(lease.dc(), nullptr);
        ::BitBlt(paint.get(), update.left, update.top, update.right - update.left,
                 update.bottom - update.top, lease.dc(), update.left, update.top, SRCCOPY);
        return;
    }
    PaintWidget({paint.get(), buffer_->SourceDc(), clientWidth, clientHeight});
}

void bfAbstractWidget::OnLeftDown(const MouseInput& mouse) {
    ::SetCapture(window());
    ::SetFocus(window());
    const POINT press{mouse.x, mouse.y};
    if (!::PtInRect(&dragArea_, press)) {
        return;
    }
    ::SetCapture(window());
    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
    grab_ = press;
    dragging_ = true;
}

void bfAbstractWidget::OnRightDown(const MouseInput&) {
    // The menu comes with WM_CONTEXTMENU, which the right button's release brings.
}

void bfAbstractWidget::OnLeftUp(const MouseInput&) {
    const bool dragged = dragging_;
    dragging_ = false;  // before the capture goes, which would end the drag too
    if (::GetCapture() == window()) {
        ::ReleaseCapture();
    }
    if (dragged) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        SendWidgetChanged();
    }
}

void bfAbstractWidget::OnMouseMove(const MouseInput&) {
    if (!dragging_) {
        return;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    MoveTo(cursor.x - grab_.x, cursor.y - grab_.y);
}

void bfAbstractWidget::OnCaptureChanged(const CaptureInput& capture) {
    if (capture.newOwner != window()) {
        EndDrag();
    }
}

void bfAbstractWidget::EndDrag() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    SendWidgetChanged();
}

void bfAbstractWidget::OnContextMenu(const ContextMenuInput& input) {
    if (!menu_) {
        return;
    }
    POINT at{input.screenX, input.screenY};
    if (at.x == -1 && at.y == -1) {
        ::GetCursorPos(&at);
    }
    menu_->Show(window(), at.x, at.y);
}

LRESULT bfAbstractWidget::OnMenuItem(UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam == 0 && menu_) {
        const bool answered = message == WM_MEASUREITEM
                                  ? menu_->Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))
                                  : menu_->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        if (answered) {
            return TRUE;
        }
    }
    return ::DefWindowProcW(window(), message, wParam, lParam);
}

void bfAbstractWidget::OnCommand(const CommandInput& command) {
    if (IsDragClick(command)) {
        StartDragAtCursor();
        return;
    }
    if (HandleCommand(command)) {
        return;
    }
    if (command.lParam == 0) {
        HandleCommonCommand(command.id);
    }
}

bool bfAbstractWidget::IsDragClick(const CommandInput& command) const {
    if (!dragLabels_.contains(command.id)) {
        return false;
    }
    // A text edit reports a click in label mode with lParam 0 and a changed text with itself.
    return command.lParam == 0 ||
           dynamic_cast<bfTextEdit*>(bfAbstractControl::FromCommand(command.lParam)) == nullptr;
}

void bfAbstractWidget::StartDragAtCursor() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(window(), &cursor);
    ::SendMessageW(window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cursor.x, cursor.y));
}

bool bfAbstractWidget::HandleCommonCommand(int id) {
    if (id == menu_id::kAlwaysOnTop) {
        SetAlwaysOnTop(!alwaysOnTop_);
        CommonSettingChanged();
        if (reports_.alwaysOnTop) {
            SendWidgetChanged();
        }
        return true;
    }
    if (id == menu_id::kShowProgressBar) {
        SetShowProgressBar(!showProgressBar_);
        CommonSettingChanged();
        SendWidgetChanged();
        return true;
    }
    if (IsTransparencyItem(id)) {
        SetTransparency(TransparencyOfItem(id));
        CommonSettingChanged();
        SendWidgetChanged();
        return true;
    }
    if (id == menu_id::kHide) {
        HideByUser();
        return true;
    }
    if (id == menu_id::kRemove) {
        SendWidgetEvent(widget_event::kRemoveRequest);
        return true;
    }
    return false;
}

}  // namespace tockly
