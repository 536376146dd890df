#pragma once
// bfComboBox: the toolkit's drop-down chooser, a skinned field showing the selected item with a
// drop button, and its list (bfComboBoxList). The parent hears of the user's choice as WM_COMMAND
// with the combo box's window handle in lParam. Keys: with the list open they move its highlight
// (Enter or Space picks, Escape cancels); with it closed the arrows, Home, End, Page Up, Page Down
// and a first letter change the selection (ComboListModel says how), and F4 or Alt+Down open it.
// The wheel scrolls an open list and moves the selection of a focused closed box; over another
// closed box it goes on to the parent, so that a form scrolls on under the pointer.
//
// An item may carry a picture (the settings page's language flags): it is drawn at the left of the
// item, its text beside it, in the closed box and in the list. The text stays the item's name,
// which SelectedText() gives and the window text shows.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "toolkit/captioned_control.h"
#include "toolkit/combo_box_list.h"
#include "toolkit/mouse_state.h"
#include "toolkit/wheel_notches.h"

namespace tockly {

class bfComboBox : public CaptionedControl {
public:
    static constexpr int kWidth = 100;

    bfComboBox(HWND parent, WORD id);
    ~bfComboBox() override;

    // The height is always the plate's.
    bool Resize(int width, int height) override;
    void SetEnabled(bool enabled) override;

    void AddItem(std::u16string_view text, SharedBitmap picture = {});
    void Clear();
    [[nodiscard]] int ItemCount() const { return list_->model().count(); }
    // Fails for an index outside 0 … count − 1 and changes nothing then. Sends nothing.
    bool Select(int index);
    [[nodiscard]] int SelectedIndex() const { return list_->model().selected(); }
    [[nodiscard]] std::u16string SelectedText() const { return list_->model().selectedText(); }

    [[nodiscard]] bfComboBoxList& list() noexcept { return *list_; }
    [[nodiscard]] MouseState state() const noexcept { return state_; }

    // Opens the list under (or above) the combo box.
    void OpenList(bool captureNow);
    // Called by the list.
    void ListClosed();
    void ItemPicked();

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    void ShowSelection();
    // The selection changed by the user on the closed box: shown, then the parent is told (last:
    // the parent may delete the combo box).
    void ReportSelection();
    void NotifyChoice();
    [[nodiscard]] POINT ToList(const MouseInput& mouse) const;

    bool OnKeyDown(const KeyInput& key);
    bool OnSysKeyDown(const KeyInput& key);
    void OnChar(const CharInput& input);
    bool OnWheel(const WheelInput& wheel);
    void OnKillFocus(const FocusInput& focus);
    void OnMouseMove(const MouseInput& mouse);
    void OnButtonDown(const MouseInput& mouse);
    void OnButtonUp(const MouseInput& mouse);
    void OnMouseLeave();

    std::unique_ptr<bfComboBoxList> list_;
    MouseState state_ = MouseState::Normal;
    WheelNotches wheel_;
    SharedBitmap plate_[3];
    SharedBitmap platePressed_[3];
    SharedBitmap line_;
    SharedBitmap button_;
    SharedBitmap buttonPressed_;
};

}  // namespace tockly
