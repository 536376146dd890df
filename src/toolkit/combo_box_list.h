#pragma once
// bfComboBoxList: the drop-down of a bfComboBox. A popup window owned by the combo box's top-level
// window, so that it may reach beyond that window, placed under the combo box or above it when
// the screen has no room below. It never takes the activation or the keyboard focus: the combo
// box keeps the focus and hands the keys on, as the platform's own combo box does. With more items
// than rows it scrolls, with a scroll bar when there is room for one.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/abstract_control.h"
#include "toolkit/combo_list_model.h"
#include "toolkit/font_cache.h"

namespace tockly {

class bfComboBox;
class bfVScrollBar;

// The room between an item's picture and its text.
inline constexpr int kItemPictureGap = 5;

// Draws an item's picture (if any) at x, centred in a row from `top` of `rowHeight`; returns where
// the item's text starts.
int DrawItemPicture(const PaintContext& paint, const SkinBitmap* picture, int x, int top,
                    int rowHeight);

class bfComboBoxList : public bfAbstractControl {
public:
    static constexpr WORD kScrollBarId = 1;

    bfComboBoxList(bfComboBox& owner, HWND ownerWindow);
    ~bfComboBoxList() override;

    [[nodiscard]] ComboListModel& model() noexcept { return model_; }
    [[nodiscard]] const ComboListModel& model() const noexcept { return model_; }

    // Places the list for a combo box at `combo` (screen coordinates) and shows it without
    // taking the activation. With `captureNow` the list takes the mouse at once (opened from the
    // keyboard); otherwise the combo box hands it over when its button goes up.
    void Open(const ScreenRect& combo, bool captureNow);
    // Hides the list and gives the mouse back; the combo box is told.
    void Close();
    [[nodiscard]] bool isOpen() const noexcept { return open_; }
    [[nodiscard]] const ListPlacement& placement() const noexcept { return placement_; }
    [[nodiscard]] bfVScrollBar* scrollBar() const noexcept { return bar_.get(); }

    // Input the combo box passes on while the list is open.
    void HandleKey(EditKey key);
    void HandleCharacter(char16_t c);
    void HandleWheel(int delta);
    // A pointer position in the list's client coordinates.
    void HighlightAt(int x, int y);
    // The button went up at this list point: an item picks it, anywhere else closes the list.
    // True when an item was picked: the combo box's parent was told and may have deleted the
    // combo box with its list, so the caller returns at once.
    [[nodiscard]] bool ReleaseAt(int x, int y);

    // The items' pictures, in step with the model's items (null: none).
    void AddItem(std::u16string text, SharedBitmap picture);
    void ClearItems();
    [[nodiscard]] const SkinBitmap* PictureOf(int index) const;

    void Redraw();

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    [[nodiscard]] int ItemsRight() const;
    [[nodiscard]] bool OverItems(int x, int y) const;
    // Takes the highlighted item and closes; true when the combo box's parent was told (the list
    // may be gone then).
    bool Pick();
    void SyncScrollBar();

    void OnMouseMove(const MouseInput& mouse);
    void OnButtonDown(const MouseInput& mouse);
    void OnButtonUp(const MouseInput& mouse);
    void OnCaptureChanged(const CaptureInput& capture);
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    void OnWheel(const WheelInput& wheel);

    bfComboBox& owner_;
    ComboListModel model_;
    ListPlacement placement_;
    std::vector<SharedBitmap> pictures_;
    std::unique_ptr<bfVScrollBar> bar_;
    SharedFont font_;
    bool open_ = false;
    bool closing_ = false;
};

}  // namespace tockly
