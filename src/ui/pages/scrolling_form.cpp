#include "ui/pages/scrolling_form.h"

#include <algorithm>

#include "support/gdi_handles.h"
#include "toolkit/skin_drawing.h"

namespace tockly {
namespace {

constexpr int kWheelStep = 3 * ScrollingForm::kLineStep;

RECT Inflated(const RECT& area, int by) {
    return {area.left - by, area.top - by, area.right + by, area.bottom + by};
}

}  // namespace

ScrollingForm::ScrollingForm(HWND owner, WORD scrollBarId)
    : bfAbstractWindow(owner, WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT),
      buffer_(PaintBuffer::ForThisThread()),
      tile_(LoadSkinFile(kMainTile)),
      scrollBar_(window(), scrollBarId, kViewHeight) {
    Resize(kWidth, kViewHeight);
    ::SetWindowPos(window(), nullptr, kFormArea.left, kFormArea.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    scrollBar_.LoadBackgroundBitmapFile(kMainTile);
    scrollBar_.SetOffsetPosition(true, kFormArea.left + kWidth - bfVScrollBar::kWidth,
                                 kFormArea.top);
    scrollBar_.Move(kWidth - bfVScrollBar::kWidth, 0);
    scrollBar_.SetLineStep(kLineStep);
    scrollBar_.SetPage(kViewHeight);
    scrollBar_.SetContent(contentHeight_);
    scrollBar_.Show(true);

    MessageMap& map = messages();
    map.Set(WM_PAINT, this, &ScrollingForm::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_MOUSEWHEEL, this, &ScrollingForm::OnWheel);
    map.Set(WM_NOTIFY, [](UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    map.Set(WM_COMMAND, [this](UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (bfAbstractControl::FromCommand(lParam) == &scrollBar_) {
            ScrollTo(scrollBar_.position());
            return 0;
        }
        // Nothing of the form is touched after: the page may change it while it handles this.
        if (handler_) {
            const std::function<void(const PageCommand&)> handler = handler_;
            handler({LOWORD(wParam), HIWORD(wParam), static_cast<std::intptr_t>(lParam)});
        }
        return 0;
    });
}

ScrollingForm::~ScrollingForm() {
    messages().Clear();
    controls_.clear();
}

LRESULT ScrollingForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

void ScrollingForm::Place(bfAbstractControl& control, int x, int y) {
    const auto placed = places_.find(&control);
    if (placed != places_.end() && placed->second.x == x && placed->second.y == y) {
        return;  // scrolls moved it with the form
    }
    places_[&control] = {x, y};
    // The control's tile lines up with the form's, which runs with the form's rows.
    control.SetOffsetPosition(true, kFormArea.left + x, kFormArea.top + y);
    control.Move(x, y - offset_);
}

POINT ScrollingForm::PlaceOf(const bfAbstractControl& control) const {
    const auto found = places_.find(&control);
    return found != places_.end() ? found->second : POINT{control.x(), control.y()};
}

void ScrollingForm::LayOut(const std::vector<FormRow>& rows, int gap) {
    constexpr int kTop = 4;
    constexpr int kBottom = 8;
    int y = kTop;
    for (const FormRow& row : rows) {
        for (const FormItem& item : row.items) {
            if (row.shown) {
                Place(*item.control, item.x, y);
            }
            if (item.control->visible() != (row.shown && item.shown)) {
                item.control->Show(row.shown && item.shown);
            }
        }
        if (row.shown) {
            y += row.height + gap;
        }
    }
    SetContentHeight(y - gap + kBottom);
}

void ScrollingForm::SetContentHeight(int height) {
    contentHeight_ = std::max(height, static_cast<int>(kViewHeight));
    scrollBar_.SetContent(contentHeight_);
    ScrollTo(offset_);
}

void ScrollingForm::ScrollTo(int offset) {
    offset = std::clamp(offset, 0, contentHeight_ - kViewHeight);
    if (scrollBar_.position() != offset) {
        scrollBar_.SetPosition(offset);
    }
    const int by = offset_ - offset;
    if (by == 0) {
        return;
    }
    offset_ = offset;
    const RECT rows{0, 0, kWidth - bfVScrollBar::kWidth, kViewHeight};
    ::ScrollWindowEx(window(), 0, by, &rows, &rows, nullptr, nullptr, SW_SCROLLCHILDREN);
    // Only the controls that were in view moved with the rows; the others follow here.
    for (const auto& [control, place] : places_) {
        RECT at{};
        ::GetWindowRect(control->window(), &at);
        ::MapWindowPoints(HWND_DESKTOP, window(), reinterpret_cast<POINT*>(&at), 2);
        if (at.left != place.x || at.top != place.y - offset_) {
            ::SetWindowPos(control->window(), nullptr, place.x, place.y - offset_, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    // The rows that came into view: the form's and its controls' parts in them.
    const RECT strip =
        by < 0
            ? RECT{rows.left, std::max(rows.bottom + by, 0L), rows.right, rows.bottom}
            : RECT{rows.left, rows.top, rows.right, std::min(static_cast<LONG>(by), rows.bottom)};
    ::RedrawWindow(window(), &strip, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void ScrollingForm::SetMarks(std::vector<RECT> marks) {
    InvalidateMarks();
    marks_ = std::move(marks);
    InvalidateMarks();
}

void ScrollingForm::InvalidateMarks() {
    for (const RECT& mark : marks_) {
        RECT area = Inflated(mark, kMarkWidth + 1);
        ::OffsetRect(&area, 0, -offset_);
        ::InvalidateRect(window(), &area, FALSE);
    }
}

bool ScrollingForm::OnWheel(const WheelInput& wheel) {
    const int notches = wheel_.Add(wheel.delta);
    if (notches != 0) {
        ScrollTo(offset_ - notches * kWheelStep);
    }
    return true;
}

void ScrollingForm::OnPaint() {
    PaintDc paint(window());
    const auto draw = [this](HDC dc) {
        const RECT client{0, 0, kWidth, kViewHeight};
        FillTiled(dc, client, tile_.get(), -kFormArea.left, -kFormArea.top - offset_);
        for (const RECT& mark : marks_) {
            RECT frame = Inflated(mark, kMarkWidth);
            ::OffsetRect(&frame, 0, -offset_);
            for (int ring = 0; ring < kMarkWidth; ++ring) {
                FrameSolid(dc, Inflated(frame, -ring), kMarkColor);
            }
        }
    };
    if (PaintBuffer::Lease lease = buffer_->Acquire(kWidth, kViewHeight)) {
        draw(lease.dc());
        ::BitBlt(paint.get(), 0, 0, kWidth, kViewHeight, lease.dc(), 0, 0, SRCCOPY);
        return;
    }
    draw(paint.get());
}

}  // namespace tockly
