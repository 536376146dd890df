#include "toolkit/spin_box.h"

#include <algorithm>
#include <cstdlib>

#include "support/wide_text.h"
#include "toolkit/skin_metrics.h"

namespace tockly {

bfSpinBox::bfSpinBox(HWND parent, WORD id, int width)
    : TextFieldControl(parent, id, WS_CHILD | WS_TABSTOP),
      plate_{LoadSkinResource(L"SpinBox_Left"), LoadSkinResource(L"SpinBox_Center"),
             LoadSkinResource(L"SpinBox_Right")},
      up_(LoadSkinResource(L"SpinBox_Up")),
      upPressed_(LoadSkinResource(L"SpinBox_Clicked_Up")),
      down_(LoadSkinResource(L"SpinBox_Down")),
      downPressed_(LoadSkinResource(L"SpinBox_Clicked_Down")),
      centreLine_(LoadSkinResource(L"SpinBox_Center_Line")),
      horizontalLine_(LoadSkinResource(L"SpinBox_Horizontal_Line")) {
    messages().Set(WM_SETFOCUS, this, &bfSpinBox::OnSetFocus);
    messages().Set(WM_KILLFOCUS, this, &bfSpinBox::OnKillFocus);
    messages().Set(WM_CAPTURECHANGED, this, &bfSpinBox::OnCaptureChanged);
    messages().Set(WM_CANCELMODE, this, &bfSpinBox::OnCancelMode);
    messages().Set(WM_TIMER, this, &bfSpinBox::OnTimer);
    messages().Set(WM_MOUSEWHEEL, this, &bfSpinBox::OnWheel);
    messages().Set(WM_LBUTTONDOWN, this, &bfSpinBox::OnButtonDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfSpinBox::OnButtonDown);
    messages().Set(WM_MOUSEMOVE, this, &bfSpinBox::OnMouseMove);
    messages().Set(WM_LBUTTONUP, this, &bfSpinBox::OnButtonUp);
    SyncWindowText();
    Resize(width, skin::kSpinBox.height);
}

bool bfSpinBox::Resize(int width, int) {
    const int narrowest =
        MinimumThreePieceWidth(skin::kSpinBox.pieceWidth) + skin::kSpinBoxArrowColumnWidth;
    return TextFieldControl::Resize(std::max(width, narrowest), skin::kSpinBox.height);
}

void bfSpinBox::SetValue(int value) {
    model_.SetValue(value);
    SyncWindowText();
    UpdateView();
}

int bfSpinBox::value() {
    if (model_.CommitText()) {
        ShowSettled();
    }
    return model_.value();
}

void bfSpinBox::ShowSettled() {
    SyncWindowText();
    UpdateView();
}

void bfSpinBox::SetRange(int minimum, int maximum) {
    model_.SetRange(minimum, maximum);
    SyncWindowText();
    UpdateView();
}

void bfSpinBox::SetEditable(bool editable) {
    model_.SetEditable(editable);
    Repaint();
}

PixelRect bfSpinBox::TextArea() const {
    return {kTextPadding, 0,
            std::max(width() - skin::kSpinBoxArrowColumnWidth - 2 * kTextPadding + 2, 1), height()};
}

std::u16string bfSpinBox::TakeExternalText(const std::u16string& text) {
    // A number (with a sign, as negative values are shown) sets the value; other text is ignored.
    std::u16string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == u'-';
    if (negative) {
        digits.remove_prefix(1);
    }
    int number = 0;
    if (ReadDigits(digits, number)) {
        model_.SetValue(negative ? -number : number);
    }
    return model_.editor().text();
}

void bfSpinBox::PaintContent(const PaintContext& paint) {
    DrawThreePieces(paint, {plate_[0].get(), plate_[1].get(), plate_[2].get()},
                    {0, 0, paint.width, paint.height}, skin::kSpinBox.pieceWidth);
    PaintText(paint);
    const int columnX = paint.width - skin::kSpinBoxArrowColumnWidth;
    const int arrowX = paint.width - skin::kSpinBoxArrowLeftFromRight;
    DrawSkinAt(paint, centreLine_.get(), columnX, skin::kSpinBoxCenterLineY);
    DrawSkinAt(paint, (pressed_ == SpinArrow::Up ? upPressed_ : up_).get(), arrowX,
               skin::kSpinBoxUpArrowY);
    DrawSkinAt(paint, horizontalLine_.get(), arrowX, skin::kSpinBoxHorizontalLineY);
    DrawSkinAt(paint, (pressed_ == SpinArrow::Down ? downPressed_ : down_).get(), arrowX,
               skin::kSpinBoxDownArrowY);
    if (focused() && !caretShown()) {
        // Not editable: no caret tells where the focus is, so a ring does.
        const RECT ring{2, 2, columnX - 1, paint.height - 2};
        ::DrawFocusRect(paint.dc, &ring);
    }
}

void bfSpinBox::Report(const SpinOutcome& outcome) {
    if (!outcome.handled) {
        return;
    }
    SyncWindowText();
    UpdateView();
    if (outcome.notify) {
        NotifyCommand();
    }
}

bool bfSpinBox::TakeKey(EditKey key, KeyModifiers modifiers) {
    const SpinOutcome outcome = model_.HandleKey(key, modifiers, clipboard());
    Report(outcome);
    return outcome.handled;  // a copy: the parent may have deleted the spin box
}

void bfSpinBox::TakeCharacter(char16_t c) {
    Report(model_.TypeCharacter(c));
}

void bfSpinBox::OnTimer(const TimerInput& timer) {
    if (timer.id != kUpTimer && timer.id != kDownTimer) {
        return;
    }
    ::KillTimer(window(), timer.id);
    const SpinArrow arrow = timer.id == kUpTimer ? SpinArrow::Up : SpinArrow::Down;
    if (pressed_ != arrow) {
        return;  // a stale tick after the arrow was let go
    }
    ::SetTimer(window(), timer.id, kRepeatDelay, nullptr);
    ::SendMessageW(window(), WM_KEYDOWN, arrow == SpinArrow::Up ? VK_UP : VK_DOWN, 0);
}

bool bfSpinBox::OnWheel(const WheelInput& wheel) {
    if (!enabled() || !focused()) {
        return false;  // the parent's: a form scrolls on under the pointer
    }
    const int notches = wheel_.Add(wheel.delta);
    const HWND self = window();
    const std::weak_ptr<const bool> alive = lifetime_;
    // Each notch is a step the parent hears of, and may delete the spin box for.
    for (int notch = 0; notch < std::abs(notches) && !alive.expired(); ++notch) {
        ::SendMessageW(self, WM_KEYDOWN, notches > 0 ? VK_UP : VK_DOWN, 0);
    }
    return true;
}

void bfSpinBox::OnSetFocus(const FocusInput&) {
    MarkFocused(true);
    if (model_.editable()) {
        ShowCaretNow();
    }
}

void bfSpinBox::OnKillFocus(const FocusInput&) {
    MarkFocused(false);
    ReleaseArrow();
    DestroyCaretNow();
    // Half-typed digits give way to the value.
    model_.CommitText();
    ShowSettled();
}

void bfSpinBox::OnCaptureChanged(const CaptureInput& capture) {
    if (capture.newOwner != window()) {
        ReleaseArrow();  // another window took the mouse: nothing may go on stepping
    }
}

void bfSpinBox::OnCancelMode() {
    ReleaseMouse();
    ReleaseArrow();
}

void bfSpinBox::PressArrow(SpinArrow arrow, UINT delay) {
    pressed_ = arrow;
    ::SetTimer(window(), arrow == SpinArrow::Up ? kUpTimer : kDownTimer, delay, nullptr);
    Repaint();
}

void bfSpinBox::ReleaseArrow() {
    ::KillTimer(window(), kUpTimer);
    ::KillTimer(window(), kDownTimer);
    held_ = SpinArrow::None;
    if (pressed_ != SpinArrow::None) {
        pressed_ = SpinArrow::None;
        Repaint();
    }
}

void bfSpinBox::OnButtonDown(const MouseInput& mouse) {
    if (!enabled()) {
        return;
    }
    const SpinArrow arrow = SpinArrowAt(mouse.x, mouse.y, width());
    if (arrow == SpinArrow::None) {
        if (model_.editable()) {
            PressText(mouse);
        } else {
            ::SetFocus(window());
        }
        return;
    }
    ::SetFocus(window());
    ::SetCapture(window());
    held_ = arrow;
    PressArrow(arrow, kFirstRepeatDelay);
    // The first step at once; the parent hears of it last.
    ::SendMessageW(window(), WM_KEYDOWN, arrow == SpinArrow::Up ? VK_UP : VK_DOWN, 0);
}

void bfSpinBox::OnMouseMove(const MouseInput& mouse) {
    if (!enabled()) {
        return;
    }
    if (!mouseTracked()) {
        TrackMouse();
    }
    if (held_ == SpinArrow::None) {
        DragText(mouse);
        return;
    }
    const bool over = SpinArrowAt(mouse.x, mouse.y, width()) == held_;
    if (!over && pressed_ != SpinArrow::None) {
        ::KillTimer(window(), held_ == SpinArrow::Up ? kUpTimer : kDownTimer);
        pressed_ = SpinArrow::None;
        Repaint();
    } else if (over && pressed_ == SpinArrow::None && mouse.leftHeld()) {
        PressArrow(held_, kRepeatDelay);
    }
}

void bfSpinBox::OnButtonUp(const MouseInput&) {
    ReleaseMouse();
    ReleaseArrow();
}

}  // namespace tockly
