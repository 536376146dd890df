#pragma once
// ScrollingForm: the form of a task page, a child window of the main window over the left part
// of the page area. The form is taller than the area: it shows kViewHeight pixels of it and
// scrolls with its own scroll bar (on the right) and the wheel turned anywhere over it. The
// controls are its children, placed in form coordinates; a scroll moves them with ScrollWindowEx
// and repaints the strip that came into view. Its tile follows the form, and each control's tile
// is aligned with it, so the background runs on under the controls however far it scrolled.
//
// The controls' WM_COMMANDs go to the page's handler, whatever their ids (many captions share one).
// A field that refused a create or change is framed in the skin's red until the page clears it.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "toolkit/abstract_control.h"
#include "toolkit/abstract_window.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "toolkit/vscroll_bar.h"
#include "toolkit/wheel_notches.h"
#include "ui/main_window_layout.h"
#include "ui/page.h"
#include "ui/page_controls.h"

namespace tockly {

// A row of the form: its height and its controls with their x; a row not shown is hidden and
// takes no room.
struct FormItem {
    bfAbstractControl* control;
    int x;
    bool shown = true;
};
struct FormRow {
    int height;
    std::vector<FormItem> items;
    bool shown = true;
};

// Where the form stands in the main window, left of the task list's frame.
inline constexpr AreaRect kFormArea{238, 12, 516, 247};

class ScrollingForm final : public bfAbstractWindow {
public:
    static constexpr int kWidth = kFormArea.width();
    static constexpr int kViewHeight = kFormArea.height();
    // What the controls may take: all but the scroll bar's column.
    static constexpr int kContentWidth = kWidth - bfVScrollBar::kWidth - 2;
    static constexpr int kLineStep = 24;
    static constexpr COLORREF kMarkColor = RGB(0xd9, 0x4a, 0x3d);
    static constexpr int kMarkWidth = 2;

    // Hidden; `scrollBarId` is the id of the form's scroll bar.
    ScrollingForm(HWND owner, WORD scrollBarId);
    ~ScrollingForm() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Hears every WM_COMMAND of the form's controls but the scroll bar's.
    void SetCommandHandler(std::function<void(const PageCommand&)> handler) {
        handler_ = std::move(handler);
    }

    // A control of type `Control` made on the form with `arguments` after the form's window, at
    // (x, y) of the form.
    template <typename Control, typename... Arguments>
    Control& Make(int x, int y, Arguments&&... arguments) {
        auto control = std::make_unique<Control>(window(), std::forward<Arguments>(arguments)...);
        Control& made = *control;
        made.LoadBackgroundBitmapFile(kMainTile);
        made.Show(true);
        controls_.push_back(std::move(control));
        Place(made, x, y);
        return made;
    }
    // Moves a control to (x, y) of the form, whatever the scroll.
    void Place(bfAbstractControl& control, int x, int y);
    // Where a control stands in the form.
    POINT PlaceOf(const bfAbstractControl& control) const;

    // The shown rows one under the other from the top, `gap` pixels apart; the form as high as
    // they are.
    void LayOut(const std::vector<FormRow>& rows, int gap = 4);

    // The form's height: the scroll bar's range. The scroll stays within it.
    void SetContentHeight(int height);
    int contentHeight() const noexcept { return contentHeight_; }
    // Scrolls so that row `offset` of the form is at the top of the view.
    void ScrollTo(int offset);
    int offset() const noexcept { return offset_; }

    // The areas framed as refused, in form coordinates (none: nothing framed).
    void SetMarks(std::vector<RECT> marks);
    const std::vector<RECT>& marks() const noexcept { return marks_; }

    bfVScrollBar& scrollBar() noexcept { return scrollBar_; }

private:
    void OnPaint();
    bool OnWheel(const WheelInput& wheel);
    void InvalidateMarks();

    std::function<void(const PageCommand&)> handler_;
    std::shared_ptr<PaintBuffer> buffer_;
    SharedBitmap tile_;
    bfVScrollBar scrollBar_;
    std::vector<std::unique_ptr<bfAbstractControl>> controls_;
    std::map<const bfAbstractControl*, POINT> places_;
    std::vector<RECT> marks_;
    WheelNotches wheel_;
    int contentHeight_ = kViewHeight;
    int offset_ = 0;
};

}  // namespace tockly
