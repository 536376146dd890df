#include "ui/home_page.h"

#include "support/wide_text.h"
#include "ui/page_widgets.h"

namespace tockly {
namespace {

using namespace home_control;

constexpr MenuButtonSpec kStickyNoteButton{
    home_control::kStickyNote,   TextId::GENERAL_CREATE_STICKY_NOTE,
    kStickyNotePlate.left,       kStickyNotePlate.top,
    kStickyNotePlate.width(),    kStickyNotePlate.height(),
    u"51_sticky_notes_icon.bmp", MenuSkin::Gray,
    MenuButtonShape::Plate};
constexpr MenuButtonSpec kStopwatchButton{0,
                                          TextId::GENERAL_CREATE_STOPWATCH,
                                          kStopwatchPlate.left,
                                          kStopwatchPlate.top,
                                          kStopwatchPlate.width(),
                                          kStopwatchPlate.height(),
                                          u"51_stopwatch_icon.bmp",
                                          MenuSkin::Gray,
                                          MenuButtonShape::Plate};

constexpr int kSpinY = 190;
constexpr int kSpinCaptionY = 172;
constexpr int kSpinWidth = 46;

bfSpinBox& MakeSpin(PageControls& controls, int x, WORD id, int maximum) {
    auto& spin = controls.Make<bfSpinBox>(x, kSpinY, kMainTile, id, kSpinWidth);
    spin.SetRange(0, maximum);
    spin.SetValue(0);
    return spin;
}

bfStaticText& MakeUnit(PageControls& controls, int x) {
    auto& unit = MakeLabel(controls, x, kSpinCaptionY, kSpinWidth + 4, kText);
    unit.SetFontHeight(12);
    unit.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Bottom);
    return unit;
}

}  // namespace

HomePage::HomePage(HWND owner)
    : controls_(owner),
      plateSkin_(MenuSkin::Gray),
      plateIcon_(LoadSkinFile(MenuIconFile(kStopwatchButton))),
      plateFont_(AcquireFont(MenuCaptionFont(MenuButtonShape::Plate))),
      plateNarrowFont_(AcquireFont(NarrowCaptionFont(MenuButtonShape::Plate))) {
    plate_.flags().pressOnReEntry = false;
    name_ = &MakeTitle(controls_, 320, 15, 360, kMainTile, kText);
    stickyNote_ = &controls_.Make<MenuButton>(kStickyNotePlate.left, kStickyNotePlate.top,
                                              kMainTile, kStickyNoteButton);
    startingTime_ = &MakeLabel(controls_, 320, kSpinY + 2, 140, kText);
    startingTime_->SetAlignment(HorizontalAlignment::Right, VerticalAlignment::Centre);
    hoursLabel_ = &MakeUnit(controls_, 465);
    minutesLabel_ = &MakeUnit(controls_, 515);
    secondsLabel_ = &MakeUnit(controls_, 565);
    hours_ = &MakeSpin(controls_, 465, kHours, 999);
    hours_->SetMaxDigits(3);
    minutes_ = &MakeSpin(controls_, 515, kMinutes, 59);
    seconds_ = &MakeSpin(controls_, 565, kSeconds, 59);
}

void HomePage::Show(bool show) {
    controls_.Show(show);
    if (!show) {
        // A plate left hovered or pressed would come back that way.
        plate_.CaptureLost();
        plate_.MouseLeave(false);
    }
    InvalidatePlate();
}

void HomePage::Retranslate(const LanguageTexts& texts) {
    name_->SetText(texts.Text(TextId::GENERAL_APPLICATION_NAME));
    stickyNote_->SetText(texts.Text(TextId::GENERAL_CREATE_STICKY_NOTE));
    plateCaption_ = ToWide(texts.Text(TextId::GENERAL_CREATE_STOPWATCH));
    startingTime_->SetText(texts.Text(TextId::GENERAL_STARTING_TIME));
    hoursLabel_->SetText(texts.Text(TextId::GENERAL_HOURS));
    minutesLabel_->SetText(texts.Text(TextId::GENERAL_MINUTES));
    secondsLabel_->SetText(texts.Text(TextId::GENERAL_SECONDS));
    InvalidatePlate();
}

StopwatchStart HomePage::StartingTime() const {
    return StopwatchStart::At(hours_->value(), minutes_->value(), seconds_->value());
}

void HomePage::Paint(const PaintContext& paint) const {
    const MenuFace face{&plateSkin_,
                        plate_.state(),
                        plateIcon_.get(),
                        plateCaption_,
                        plateFont_ ? plateFont_->handle() : nullptr,
                        plateNarrowFont_ ? plateNarrowFont_->handle() : nullptr,
                        RGB(255, 255, 255),
                        MenuButtonShape::Plate};
    PaintMenuFace(paint,
                  {kStopwatchPlate.left, kStopwatchPlate.top, kStopwatchPlate.width(),
                   kStopwatchPlate.height()},
                  face);
}

void HomePage::OnMouse(UINT message, int x, int y, WPARAM keys) {
    const bool inside = kStopwatchPlate.Contains(x, y);
    switch (message) {
        case WM_MOUSEMOVE:
            Apply(plate_.MouseMove(inside, (keys & MK_LBUTTON) != 0));
            if (!inside) {
                // The main window does not track the mouse leaving: leaving the plate is this.
                Apply(plate_.MouseLeave((keys & MK_LBUTTON) != 0));
            }
            return;
        case WM_LBUTTONDOWN:
            if (inside) {
                Apply(plate_.LeftDown());
            }
            return;
        case WM_LBUTTONUP:
            Apply(plate_.LeftUp(inside));
            return;
        default:
            return;
    }
}

void HomePage::Apply(const ControlEffects& effects) {
    const HWND owner = controls_.owner();
    if (effects.capture) {
        ::SetCapture(owner);
    }
    if (effects.releaseCapture && ::GetCapture() == owner) {
        ::ReleaseCapture();
    }
    if (effects.repaint) {
        InvalidatePlate();
        ::UpdateWindow(owner);
    }
    if (effects.notify) {
        // The record is the sender's: it lives until the command is handled.
        const StopwatchStart start = StartingTime();
        ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(kCommandQuickStopwatch, 0),
                       reinterpret_cast<LPARAM>(&start));
    }
}

void HomePage::InvalidatePlate() const {
    const RECT plate{kStopwatchPlate.left, kStopwatchPlate.top, kStopwatchPlate.right,
                     kStopwatchPlate.bottom};
    ::InvalidateRect(controls_.owner(), &plate, FALSE);
}

}  // namespace tockly
