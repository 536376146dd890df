#include "toolkit/combo_box.h"

#include <algorithm>
#include <utility>

#include "support/wide_text.h"
#include "toolkit/focus_navigation.h"
#include "toolkit/skin_metrics.h"
#include "toolkit/win32_edit_keys.h"

namespace tockly {

bfComboBox::bfComboBox(HWND parent, WORD id)
    : CaptionedControl(parent, id, WS_CHILD | WS_TABSTOP, kTextOnField),
      plate_{LoadSkinResource(L"ComboBox_Left"), LoadSkinResource(L"ComboBox_Center"),
             LoadSkinResource(L"ComboBox_Right")},
      platePressed_{LoadSkinResource(L"ComboBox_Clicked_Left"),
                    LoadSkinResource(L"ComboBox_Clicked_Center"),
                    LoadSkinResource(L"ComboBox_Clicked_Right")},
      line_(LoadSkinResource(L"ComboBox_Vertical_Line")),
      button_(LoadSkinResource(L"ComboBox_Button")),
      buttonPressed_(LoadSkinResource(L"ComboBox_Clicked_Button")) {
    SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    list_ = std::make_unique<bfComboBoxList>(*this, parent);
    messages().Set(WM_KILLFOCUS, this, &bfComboBox::OnKillFocus);
    messages().Set(WM_KEYDOWN, this, &bfComboBox::OnKeyDown);
    messages().Set(WM_SYSKEYDOWN, this, &bfComboBox::OnSysKeyDown);
    messages().Set(WM_CHAR, this, &bfComboBox::OnChar);
    messages().Set(WM_MOUSEWHEEL, this, &bfComboBox::OnWheel);
    messages().Set(WM_MOUSEMOVE, this, &bfComboBox::OnMouseMove);
    messages().Set(WM_LBUTTONDOWN, this, &bfComboBox::OnButtonDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfComboBox::OnButtonDown);
    messages().Set(WM_LBUTTONUP, this, &bfComboBox::OnButtonUp);
    messages().Set(WM_MOUSELEAVE, this, &bfComboBox::OnMouseLeave);
    Resize(kWidth, skin::kComboBox.height);
}

bfComboBox::~bfComboBox() {
    list_.reset();  // its window first, while the combo box still answers its calls
}

bool bfComboBox::Resize(int width, int) {
    const int narrowest =
        MinimumThreePieceWidth(skin::kComboBox.pieceWidth) + skin::kComboBoxButtonColumnWidth;
    return CaptionedControl::Resize(std::max(width, narrowest), skin::kComboBox.height);
}

void bfComboBox::SetEnabled(bool enabled) {
    if (!enabled) {
        list_->Close();
    }
    ::EnableWindow(window(), enabled ? TRUE : FALSE);
    CaptionedControl::SetEnabled(enabled);
}

void bfComboBox::AddItem(std::u16string_view text, SharedBitmap picture) {
    list_->AddItem(std::u16string(text), std::move(picture));
}

void bfComboBox::Clear() {
    list_->ClearItems();
    ShowSelection();
}

bool bfComboBox::Select(int index) {
    if (!list_->model().Select(index)) {
        return false;
    }
    ShowSelection();
    return true;
}

void bfComboBox::ShowSelection() {
    SetCaption(ToWide(SelectedText()));
    Repaint();
}

void bfComboBox::ReportSelection() {
    ShowSelection();
    NotifyChoice();
}

void bfComboBox::NotifyChoice() {
    // This control reports with its window handle, not its object, in lParam.
    ::SendMessageW(parent(), WM_COMMAND, MAKEWPARAM(id(), 0), reinterpret_cast<LPARAM>(window()));
}

void bfComboBox::OpenList(bool captureNow) {
    RECT rect{};
    ::GetWindowRect(window(), &rect);
    list_->Open({rect.left, rect.top, rect.right, rect.bottom}, captureNow);
    state_ = MouseState::Pressed;
    Repaint();
}

void bfComboBox::ListClosed() {
    state_ = MouseState::Normal;
    Repaint();
}

void bfComboBox::ItemPicked() {
    ShowSelection();
    NotifyChoice();
}

POINT bfComboBox::ToList(const MouseInput& mouse) const {
    POINT point{mouse.x, mouse.y};
    ::MapWindowPoints(window(), list_->window(), &point, 1);
    return point;
}

void bfComboBox::PaintContent(const PaintContext& paint) {
    const bool pressed = state_ == MouseState::Pressed || list_->isOpen();
    const SharedBitmap* plate = pressed ? platePressed_ : plate_;
    DrawThreePieces(paint, {plate[0].get(), plate[1].get(), plate[2].get()},
                    {0, 0, paint.width, paint.height}, skin::kComboBox.pieceWidth);
    const int columnX = paint.width - skin::kComboBoxButtonColumnWidth;
    DrawSkinAt(paint, line_.get(), columnX, skin::kComboBoxLineY);
    DrawSkinAt(paint, (pressed ? buttonPressed_ : button_).get(),
               paint.width - skin::kComboBoxButtonLeftFromRight, skin::kComboBoxLineY);
    const int textX = DrawItemPicture(paint, list_->PictureOf(SelectedIndex()),
                                      skin::kComboBox.pieceWidth, 0, paint.height);
    PaintCaption(paint, {textX, 0, std::max(columnX - textX - 2, 1), paint.height},
                 DT_SINGLELINE | DT_END_ELLIPSIS);
    if (focused()) {
        const RECT ring{3, 3, columnX - 2, paint.height - 3};
        ::DrawFocusRect(paint.dc, &ring);
    }
}

bool bfComboBox::OnKeyDown(const KeyInput& input) {
    const WPARAM key = input.key;
    if (!enabled()) {
        return true;
    }
    if (key == VK_TAB) {
        list_->Close();
        MoveFocusOnTab(window(), key);
        return true;
    }
    if (list_->isOpen()) {
        if (key == VK_F4) {
            list_->Close();
        } else {
            list_->HandleKey(TranslateVirtualKey(key));
        }
        return true;
    }
    if (key == VK_F4) {
        OpenList(true);
        return true;
    }
    const SelectionOutcome outcome = list_->model().MoveSelection(TranslateVirtualKey(key));
    if (outcome.changed) {
        ReportSelection();  // the combo box may be gone now
        return true;
    }
    return outcome.handled;
}

bool bfComboBox::OnSysKeyDown(const KeyInput& input) {
    if (enabled() && (input.key == VK_DOWN || input.key == VK_UP)) {
        if (list_->isOpen()) {
            list_->Close();
        } else {
            OpenList(true);
        }
        return true;
    }
    return false;
}

void bfComboBox::OnChar(const CharInput& input) {
    const char16_t c = input.character;
    if (!enabled() || c <= 0x20) {
        return;  // Space, Enter and Escape act as keys
    }
    if (list_->isOpen()) {
        list_->HandleCharacter(c);
        return;
    }
    if (list_->model().SelectByInitial(c)) {
        ReportSelection();
    }
}

bool bfComboBox::OnWheel(const WheelInput& wheel) {
    if (!enabled()) {
        return false;
    }
    if (list_->isOpen()) {
        list_->HandleWheel(wheel.delta);
        return true;
    }
    if (!focused()) {
        return false;  // the parent's: a form scrolls on under the pointer
    }
    if (list_->model().MoveSelectionByWheel(wheel_.Add(wheel.delta))) {
        ReportSelection();
    }
    return true;
}

void bfComboBox::OnKillFocus(const FocusInput&) {
    list_->Close();
    MarkFocused(false);
}

void bfComboBox::OnMouseMove(const MouseInput& mouse) {
    if (!enabled()) {
        return;
    }
    if (!mouseTracked()) {
        TrackMouse();
    }
    if (list_->isOpen() && ::GetCapture() == window()) {
        // Pressed on the combo box and dragged into the list: the highlight follows.
        const POINT point = ToList(mouse);
        list_->HighlightAt(point.x, point.y);
    }
    if (state_ == MouseState::Normal) {
        state_ = MouseState::Hovered;
        Repaint();
    }
}

void bfComboBox::OnButtonDown(const MouseInput& mouse) {
    if (!enabled() || !PointInside(mouse)) {
        return;
    }
    ::SetCapture(window());
    ::SetFocus(window());
    if (list_->isOpen()) {
        list_->Close();
        return;
    }
    OpenList(false);
}

void bfComboBox::OnButtonUp(const MouseInput& mouse) {
    if (!enabled()) {
        return;
    }
    if (list_->isOpen()) {
        const POINT point = ToList(mouse);
        RECT listArea{};
        ::GetClientRect(list_->window(), &listArea);
        if (::PtInRect(&listArea, point) && list_->ReleaseAt(point.x, point.y)) {
            return;  // released over an item: picked, and the parent may have deleted us
        }
        if (list_->isOpen()) {
            ::SetCapture(list_->window());
        }
        return;
    }
    ReleaseMouse();
    state_ = PointInside(mouse) ? MouseState::Hovered : MouseState::Normal;
    Repaint();
}

void bfComboBox::OnMouseLeave() {
    ForgetMouseTracking();
    if (state_ == MouseState::Hovered) {
        state_ = MouseState::Normal;
        Repaint();
    }
}

}  // namespace tockly
