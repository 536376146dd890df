#pragma once
// bfVScrollBar: the toolkit's skinned vertical scroll bar. It keeps a position within a content
// and a page size and moves by lines (arrows, wheel, Up/Down), by pages (track clicks, Page
// Up/Down) or by dragging the thumb; a track press pages towards the pointer while it is held. It
// is a tab stop (unless it must leave the focus alone) and shows the focus inside its thumb. Every
// change goes to the parent as WM_COMMAND with the new position in the high word of wParam (16
// bits: owners keep contents below 65,536 or read position()).

#include <windows.h>

#include "toolkit/abstract_control.h"
#include "toolkit/skin_metrics.h"
#include "toolkit/skin_names.h"
#include "toolkit/vscroll_model.h"
#include "toolkit/vscroll_painter.h"

namespace tockly {

class bfVScrollBar : public bfAbstractControl {
public:
    // The built-in skin's width.
    static constexpr int kWidth = skin::kVScrollBar.width;
    static constexpr UINT_PTR kUpTimer = 1;
    static constexpr UINT_PTR kDownTimer = 2;
    static constexpr UINT_PTR kPageUpTimer = 3;
    static constexpr UINT_PTR kPageDownTimer = 4;
    static constexpr UINT kFirstRepeatDelay = 400;
    static constexpr UINT kRepeatDelay = 100;

    bfVScrollBar(HWND parent, WORD id, int height);

    // The width is always the skin's; the height at least four arrow heights.
    bool Resize(int width, int height) override;

    // The widgets' narrow bar from files, in a theme's colours (skin::kSmallVScrollBar); another
    // theme may follow at any time. The height, content and position stay.
    void SetThemeSkin(SkinTheme theme);
    // Back to the built-in resources (skin::kVScrollBar).
    void SetBuiltInSkin();
    [[nodiscard]] int barWidth() const noexcept { return metrics_.width; }

    void SetContent(int content);
    void SetPage(int page);
    void SetLineStep(int lineStep);
    void SetPosition(int position);
    [[nodiscard]] int position() const { return model_.position(); }
    [[nodiscard]] const VScrollModel& model() const { return model_; }
    [[nodiscard]] ScrollPress press() const { return press_; }
    // A held arrow or track press is stepping on its timer.
    [[nodiscard]] bool repeating() const { return runningTimer_ != 0; }

    // A bar inside a drop-down list must leave the keyboard focus where it is; it is then no tab
    // stop either.
    void SetTakesFocus(bool takesFocus);

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    bool OnKeyDown(const KeyInput& key);
    void OnTimer(const TimerInput& timer);
    void OnWheel(const WheelInput& wheel);
    void OnKillFocus(const FocusInput& focus);
    void OnCaptureChanged(const CaptureInput& capture);
    void OnButtonDown(const MouseInput& mouse);
    void OnMouseMove(const MouseInput& mouse);
    void OnButtonUp(const MouseInput& mouse);

    void UseSkin(VScrollSkin skin, skin::ScrollBarSkin metrics);
    // One repeatable step of a timer's kind; false when it changed nothing (the repeat stops).
    bool Step(UINT_PTR kind);
    void EndPress();
    void NotifyPosition();

    VScrollModel model_;
    VScrollSkin skin_;
    skin::ScrollBarSkin metrics_ = skin::kVScrollBar;
    ScrollPress press_ = ScrollPress::None;
    UINT_PTR runningTimer_ = 0;
    UINT_PTR pagingTimer_ = 0;  // the direction of a track press: kPageUpTimer or kPageDownTimer
    int pressY_ = 0;
    bool takesFocus_ = true;
};

}  // namespace tockly
