#include "toolkit/combo_box_list.h"

#include "support/wide_text.h"
#include "toolkit/captioned_control.h"
#include "toolkit/combo_box.h"
#include "toolkit/skin_metrics.h"
#include "toolkit/vscroll_bar.h"

namespace tockly {
namespace {

// The colours of the dark field plates, with the skin's green for the highlighted item.
constexpr COLORREF kListBackground = RGB(42, 42, 42);
constexpr COLORREF kListFrameColor = RGB(94, 94, 94);
constexpr COLORREF kHighlightColor = RGB(60, 138, 46);
constexpr COLORREF kHighlightTextColor = RGB(255, 255, 255);
constexpr int kItemTextPadding = 4;

ScreenRect WorkAreaAround(const ScreenRect& combo) {
    // The work area of the monitor the combo box is on (the primary one's on a single screen).
    const RECT rect{combo.left, combo.top, combo.right, combo.bottom};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right,
                monitor.rcWork.bottom};
    }
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
}

HWND TopLevelOf(HWND window) {
    HWND root = ::GetAncestor(window, GA_ROOT);
    return root != nullptr ? root : window;
}

}  // namespace

int DrawItemPicture(const PaintContext& paint, const SkinBitmap* picture, int x, int top,
                    int rowHeight) {
    if (picture == nullptr) {
        return x;
    }
    DrawSkinAt(paint, picture, x, top + (rowHeight - picture->height()) / 2);
    return x + picture->width() + kItemPictureGap;
}

bfComboBoxList::bfComboBoxList(bfComboBox& owner, HWND ownerWindow)
    : bfAbstractControl(TopLevelOf(ownerWindow), 0, WS_POPUP | WS_CLIPCHILDREN),
      owner_(owner),
      font_(AcquireFont(FontSpec{})) {
    SetBackgroundColor(kListBackground);
    messages().Set(WM_MOUSEMOVE, this, &bfComboBoxList::OnMouseMove);
    messages().Set(WM_LBUTTONDOWN, this, &bfComboBoxList::OnButtonDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfComboBoxList::OnButtonDown);
    messages().Set(WM_LBUTTONUP, this, &bfComboBoxList::OnButtonUp);
    messages().Set(WM_CAPTURECHANGED, this, &bfComboBoxList::OnCaptureChanged);
    messages().Set(WM_COMMAND, this, &bfComboBoxList::OnCommand);
    messages().Set(WM_MOUSEWHEEL, this, &bfComboBoxList::OnWheel);
    // A click in the list must not take the activation from the window the combo box is in.
    messages().Set(WM_MOUSEACTIVATE, [](UINT, WPARAM, LPARAM) -> LRESULT { return MA_NOACTIVATE; });
}

bfComboBoxList::~bfComboBoxList() = default;

void bfComboBoxList::Open(const ScreenRect& combo, bool captureNow) {
    placement_ = PlaceComboList(combo, model_.count(), model_.itemHeight(),
                                ComboListModel::kDefaultMaxRows, WorkAreaAround(combo));
    model_.SetVisibleRows(placement_.rows);
    model_.Open();

    const int rowsHeight = placement_.rows * model_.itemHeight();
    const bool barFits = rowsHeight >= 4 * skin::kVScrollBar.arrowHeight;
    if (model_.scrolls() && barFits) {
        if (!bar_) {
            bar_ = std::make_unique<bfVScrollBar>(window(), kScrollBarId, rowsHeight);
            bar_->SetTakesFocus(false);
            bar_->SetBackgroundColor(kListBackground);
        }
        bar_->Resize(bfVScrollBar::kWidth, rowsHeight);
        bar_->Move(placement_.width - kListFrame - bfVScrollBar::kWidth, kListFrame);
        bar_->SetContent(model_.count());
        bar_->SetPage(placement_.rows);
        bar_->SetLineStep(1);
        bar_->SetPosition(model_.topIndex());
        bar_->Show(true);
    } else if (bar_) {
        bar_->Show(false);
    }

    Resize(placement_.width, placement_.height);
    ::SetWindowPos(window(), HWND_TOP, placement_.x, placement_.y, placement_.width,
                   placement_.height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    open_ = true;
    Redraw();
    if (captureNow) {
        ::SetCapture(window());
    }
}

void bfComboBoxList::Close() {
    if (!open_ || closing_) {
        return;
    }
    closing_ = true;
    open_ = false;
    HWND capture = ::GetCapture();
    if (capture == window() || (bar_ && capture == bar_->window())) {
        ::ReleaseCapture();
    }
    ::SetWindowPos(window(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    closing_ = false;
    owner_.ListClosed();
}

void bfComboBoxList::Redraw() {
    if (open_) {
        ::InvalidateRect(window(), nullptr, FALSE);
        ::UpdateWindow(window());
    }
}

int bfComboBoxList::ItemsRight() const {
    const bool bar = bar_ && ::IsWindowVisible(bar_->window());
    return width() - kListFrame - (bar ? bfVScrollBar::kWidth : 0);
}

bool bfComboBoxList::OverItems(int x, int y) const {
    return x >= 0 && x < ItemsRight() && y >= 0 && y < height();
}

void bfComboBoxList::SyncScrollBar() {
    if (bar_) {
        bar_->SetPosition(model_.topIndex());
    }
}

bool bfComboBoxList::Pick() {
    const bool picked = model_.PickHighlighted();
    Close();
    if (picked) {
        owner_.ItemPicked();  // last: it tells the parent, which may destroy the combo box
    }
    return picked;
}

void bfComboBoxList::AddItem(std::u16string text, SharedBitmap picture) {
    pictures_.resize(static_cast<std::size_t>(model_.count()));
    model_.AddItem(std::move(text));
    pictures_.push_back(std::move(picture));
}

void bfComboBoxList::ClearItems() {
    Close();
    model_.Clear();
    pictures_.clear();
}

const SkinBitmap* bfComboBoxList::PictureOf(int index) const {
    return index >= 0 && index < static_cast<int>(pictures_.size()) ? pictures_[index].get()
                                                                    : nullptr;
}

void bfComboBoxList::HandleKey(EditKey key) {
    switch (model_.HandleKey(key)) {
        case ListAction::Moved:
            SyncScrollBar();
            Redraw();
            break;
        case ListAction::Pick:
            (void)Pick();  // nothing follows: the list may be gone
            break;
        case ListAction::Cancel:
            Close();
            break;
        case ListAction::None:
            break;
    }
}

void bfComboBoxList::HandleCharacter(char16_t c) {
    if (model_.HighlightByInitial(c)) {
        SyncScrollBar();
        Redraw();
    }
}

void bfComboBoxList::HandleWheel(int delta) {
    if (model_.scroll().Wheel(delta)) {
        SyncScrollBar();
        Redraw();
    }
}

void bfComboBoxList::HighlightAt(int x, int y) {
    if (!OverItems(x, y)) {
        return;
    }
    const int index = model_.ItemAt(y);
    if (index >= 0 && index != model_.highlighted()) {
        model_.Highlight(index);
        Redraw();
    }
}

bool bfComboBoxList::ReleaseAt(int x, int y) {
    if (OverItems(x, y)) {
        const int index = model_.ItemAt(y);
        if (index >= 0) {
            model_.Highlight(index);
            return Pick();
        }
        return false;  // the frame: the list stays open
    }
    if (x >= 0 && x < width() && y >= 0 && y < height()) {
        return false;  // over the scroll bar
    }
    Close();
    return false;
}

void bfComboBoxList::OnMouseMove(const MouseInput& mouse) {
    HighlightAt(mouse.x, mouse.y);
}

void bfComboBoxList::OnButtonDown(const MouseInput& mouse) {
    if (!bar_ || !::IsWindowVisible(bar_->window()) || mouse.x < ItemsRight() ||
        mouse.x >= width()) {
        return;
    }
    // The bar works the press itself (it takes the mouse) and gives the mouse back on release.
    ::SendMessageW(bar_->window(), WM_LBUTTONDOWN, mouse.keys,
                   MAKELPARAM(mouse.x - bar_->x(), mouse.y - bar_->y()));
}

void bfComboBoxList::OnButtonUp(const MouseInput& mouse) {
    (void)ReleaseAt(mouse.x, mouse.y);  // nothing follows: the list may be gone after a pick
}

void bfComboBoxList::OnCaptureChanged(const CaptureInput& capture) {
    HWND taker = capture.newOwner;
    if (open_ && !closing_ && taker != window() && !(bar_ && taker == bar_->window())) {
        Close();  // another window took the mouse (a switch to another program): give up
    }
}

LRESULT bfComboBoxList::OnCommand(UINT, WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) != kScrollBarId || !bar_) {
        return 0;
    }
    model_.ScrollTo(bar_->position());
    Redraw();
    if (open_ && ::GetCapture() == nullptr) {
        ::SetCapture(window());  // the bar let go of the mouse: the list takes it back
    }
    return 0;
}

void bfComboBoxList::OnWheel(const WheelInput& wheel) {
    HandleWheel(wheel.delta);
}

void bfComboBoxList::PaintContent(const PaintContext& paint) {
    const RECT frame{0, 0, paint.width, paint.height};
    FrameSolid(paint.dc, frame, kListFrameColor);

    const int right = ItemsRight();
    const int rows = model_.visibleRows();
    for (int row = 0; row < rows; ++row) {
        const int index = model_.topIndex() + row;
        if (index >= model_.count()) {
            break;
        }
        const int top = model_.ItemTop(index);
        const bool highlighted = index == model_.highlighted();
        if (highlighted) {
            FillSolid(paint.dc, {kListFrame, top, right, top + model_.itemHeight()},
                      kHighlightColor);
        }
        const int left = DrawItemPicture(paint, PictureOf(index), kListFrame + kItemTextPadding,
                                         top, model_.itemHeight());
        const PixelRect text{left, top, right - kItemTextPadding - left, model_.itemHeight()};
        DrawCaption(paint.dc, text, ToWide(model_.item(index)), font_ ? font_->handle() : nullptr,
                    highlighted ? kHighlightTextColor : kTextOnField.enabled,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

}  // namespace tockly
