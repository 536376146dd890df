#include "toolkit/vscroll_bar.h"

#include <utility>

#include "toolkit/focus_navigation.h"

namespace tockly {

bfVScrollBar::bfVScrollBar(HWND parent, WORD id, int height)
    : bfAbstractControl(parent, id, WS_CHILD | WS_TABSTOP),
      model_(skin::kVScrollBar.arrowHeight),
      skin_(VScrollSkin::BuiltIn()) {
    messages().Set(WM_KILLFOCUS, this, &bfVScrollBar::OnKillFocus);
    messages().Set(WM_KEYDOWN, this, &bfVScrollBar::OnKeyDown);
    messages().Set(WM_TIMER, this, &bfVScrollBar::OnTimer);
    messages().Set(WM_MOUSEWHEEL, this, &bfVScrollBar::OnWheel);
    messages().Set(WM_CAPTURECHANGED, this, &bfVScrollBar::OnCaptureChanged);
    messages().Set(WM_LBUTTONDOWN, this, &bfVScrollBar::OnButtonDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfVScrollBar::OnButtonDown);
    messages().Set(WM_MOUSEMOVE, this, &bfVScrollBar::OnMouseMove);
    messages().Set(WM_LBUTTONUP, this, &bfVScrollBar::OnButtonUp);
    Resize(kWidth, height);
}

bool bfVScrollBar::Resize(int, int height) {
    return bfAbstractControl::Resize(metrics_.width, model_.SetHeight(height));
}

void bfVScrollBar::SetThemeSkin(SkinTheme theme) {
    UseSkin(VScrollSkin::FromFiles(ThemedVScrollSkin(theme)), skin::kSmallVScrollBar);
}

void bfVScrollBar::SetBuiltInSkin() {
    UseSkin(VScrollSkin::BuiltIn(), skin::kVScrollBar);
}

void bfVScrollBar::UseSkin(VScrollSkin skin, skin::ScrollBarSkin metrics) {
    skin_ = std::move(skin);
    metrics_ = metrics;
    model_.SetArrowHeight(metrics.arrowHeight);
    Resize(metrics.width, height());
    Repaint();
}

void bfVScrollBar::SetContent(int content) {
    model_.SetContent(content);
    Repaint();
}

void bfVScrollBar::SetPage(int page) {
    model_.SetPage(page);
    Repaint();
}

void bfVScrollBar::SetLineStep(int lineStep) {
    model_.SetLineStep(lineStep);
}

void bfVScrollBar::SetPosition(int position) {
    model_.SetPosition(position);
    Repaint();
}

void bfVScrollBar::NotifyPosition() {
    ::SendMessageW(parent(), WM_COMMAND,
                   MAKEWPARAM(id(), static_cast<WORD>(model_.position() & 0xFFFF)),
                   reinterpret_cast<LPARAM>(this));
}

void bfVScrollBar::PaintContent(const PaintContext& paint) {
    PaintVScroll(paint, 0, 0, paint.width, model_, skin_, press_, focused());
}

bool bfVScrollBar::Step(UINT_PTR kind) {
    switch (kind) {
        case kUpTimer:
            return model_.LineUp();
        case kDownTimer:
            return model_.LineDown();
        case kPageUpTimer:
            return model_.PageUpTowards(pressY_);
        case kPageDownTimer:
            return model_.PageDownTowards(pressY_);
        default:
            return false;
    }
}

void bfVScrollBar::SetTakesFocus(bool takesFocus) {
    takesFocus_ = takesFocus;
    const LONG_PTR style = ::GetWindowLongPtrW(window(), GWL_STYLE);
    ::SetWindowLongPtrW(window(), GWL_STYLE,
                        takesFocus ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
}

bool bfVScrollBar::OnKeyDown(const KeyInput& key) {
    if (MoveFocusOnTab(window(), key.key)) {
        return true;
    }
    switch (key.key) {
        case VK_UP:
            model_.LineUp();
            break;
        case VK_DOWN:
            model_.LineDown();
            break;
        case VK_PRIOR:
            model_.PageUp();
            break;
        case VK_NEXT:
            model_.PageDown();
            break;
        case VK_HOME:
            model_.SetPosition(0);
            break;
        case VK_END:
            model_.SetPosition(model_.maxPosition());
            break;
        default:
            return false;
    }
    Repaint();
    NotifyPosition();
    return true;
}

void bfVScrollBar::OnTimer(const TimerInput& timer) {
    if (timer.id < kUpTimer || timer.id > kPageDownTimer) {
        return;
    }
    ::KillTimer(window(), timer.id);
    if (timer.id != runningTimer_) {
        return;  // a tick that was already queued when the press ended
    }
    if (!Step(timer.id)) {
        runningTimer_ = 0;  // the end, or the thumb reached the press point: the repeat stops
        return;
    }
    ::SetTimer(window(), timer.id, kRepeatDelay, nullptr);
    Repaint();
    NotifyPosition();
}

void bfVScrollBar::OnWheel(const WheelInput& wheel) {
    if (model_.Wheel(wheel.delta)) {
        Repaint();
        NotifyPosition();
    }
}

void bfVScrollBar::OnKillFocus(const FocusInput& focus) {
    MarkFocused(false);
    if (focus.other == nullptr) {
        // The focus left the program's windows: the list window owning the bar hears of it. Last:
        // the parent may delete the bar on hearing it.
        ::SendMessageW(parent(), WM_KILLFOCUS, 0, 0);
    }
}

void bfVScrollBar::OnCaptureChanged(const CaptureInput& capture) {
    if (capture.newOwner != window() && press_ != ScrollPress::None) {
        EndPress();  // another window took the mouse: nothing may go on repeating
        Repaint();
    }
}

void bfVScrollBar::EndPress() {
    if (runningTimer_ != 0) {
        ::KillTimer(window(), runningTimer_);
        runningTimer_ = 0;
    }
    if (press_ == ScrollPress::Thumb) {
        model_.EndDrag();
    }
    press_ = ScrollPress::None;
}

void bfVScrollBar::OnButtonDown(const MouseInput& mouse) {
    ::SetCapture(window());
    if (takesFocus_) {
        ::SetFocus(window());
    }
    EndPress();
    pressY_ = mouse.y;
    UINT_PTR timer = 0;
    bool moved = false;
    switch (model_.HitTest(mouse.y)) {
        case ScrollPart::Thumb:
            press_ = ScrollPress::Thumb;
            model_.BeginDrag(mouse.y);
            break;
        case ScrollPart::UpArrow:
            press_ = ScrollPress::UpArrow;
            timer = kUpTimer;
            break;
        case ScrollPart::DownArrow:
            press_ = ScrollPress::DownArrow;
            timer = kDownTimer;
            break;
        case ScrollPart::TrackAbove:
            press_ = ScrollPress::Paging;
            timer = kPageUpTimer;
            break;
        case ScrollPart::TrackBelow:
            press_ = ScrollPress::Paging;
            timer = kPageDownTimer;
            break;
        case ScrollPart::None:
            break;
    }
    if (press_ == ScrollPress::Paging) {
        pagingTimer_ = timer;
    }
    if (timer != 0) {
        moved = Step(timer);
        runningTimer_ = timer;
        ::SetTimer(window(), timer, kFirstRepeatDelay, nullptr);
    }
    Repaint();
    if (moved) {
        NotifyPosition();
    }
}

void bfVScrollBar::OnMouseMove(const MouseInput& mouse) {
    if (press_ == ScrollPress::Thumb) {
        if (model_.DragTo(mouse.y)) {
            Repaint();
            NotifyPosition();
        }
    } else if (press_ == ScrollPress::Paging) {
        pressY_ = mouse.y;  // paging goes on towards where the pointer is now
        if (runningTimer_ == 0 && model_.CanPageTowards(pressY_, pagingTimer_ == kPageDownTimer)) {
            // Paging had stopped at the thumb; the pointer moved on beyond it, so it resumes.
            runningTimer_ = pagingTimer_;
            ::SetTimer(window(), runningTimer_, kRepeatDelay, nullptr);
        }
    }
}

void bfVScrollBar::OnButtonUp(const MouseInput&) {
    const bool pressed = press_ != ScrollPress::None;
    EndPress();
    ReleaseMouse();
    Repaint();
    if (pressed) {
        NotifyPosition();
    }
}

}  // namespace tockly
