#pragma once
// The home page: what the page area shows while no page is open. The program's name, a button
// for a quick sticky note (command 1201), a painted plate for a quick stopwatch (command 1202
// with a StopwatchStart of the three spin boxes) and the stopwatch's starting time.
//
// The stopwatch plate is no control: the main window paints it (Paint) and hands the home page
// its mouse messages while the home page is shown.

#include <windows.h>

#include <memory>

#include "toolkit/button_state_machine.h"
#include "toolkit/spin_box.h"
#include "toolkit/static_text.h"
#include "ui/menu_button.h"
#include "ui/page.h"
#include "ui/page_controls.h"

namespace tockly {

namespace home_control {
inline constexpr WORD kText = 1200;
inline constexpr WORD kStickyNote = 1201;
inline constexpr WORD kHours = 1203;
inline constexpr WORD kMinutes = 1204;
inline constexpr WORD kSeconds = 1205;
}  // namespace home_control

class HomePage final : public Page {
public:
    explicit HomePage(HWND owner);

    void Show(bool show) override;
    bool visible() const override { return controls_.visible(); }
    void Retranslate(const LanguageTexts& texts) override;
    bool HandleCommand(const PageCommand&) override { return false; }

    // The stopwatch plate, into the main window's paint buffer.
    void Paint(const PaintContext& paint) const;
    // WM_MOUSEMOVE, WM_LBUTTONDOWN and WM_LBUTTONUP of the main window. A click on the plate
    // sends the main window command 1202; nothing of the page is touched after that.
    void OnMouse(UINT message, int x, int y, WPARAM keys);

    MouseState stopwatchState() const noexcept { return plate_.state(); }
    StopwatchStart StartingTime() const;
    bfSpinBox& hours() noexcept { return *hours_; }
    bfSpinBox& minutes() noexcept { return *minutes_; }
    bfSpinBox& seconds() noexcept { return *seconds_; }

private:
    void Apply(const ControlEffects& effects);
    void InvalidatePlate() const;

    PageControls controls_;
    bfStaticText* name_;
    MenuButton* stickyNote_;
    bfStaticText* startingTime_;
    bfStaticText* hoursLabel_;
    bfStaticText* minutesLabel_;
    bfStaticText* secondsLabel_;
    bfSpinBox* hours_;
    bfSpinBox* minutes_;
    bfSpinBox* seconds_;
    ButtonStateMachine plate_;
    MenuSkinBitmaps plateSkin_;
    SharedBitmap plateIcon_;
    SharedFont plateFont_;
    SharedFont plateNarrowFont_;
    std::wstring plateCaption_;
};

}  // namespace tockly
