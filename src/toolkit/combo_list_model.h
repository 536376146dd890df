#pragma once
// The items and the drop-down behind bfComboBox and bfComboBoxList: selection and highlight, the
// keyboard, scrolling when there are more items than rows, and where the list opens on the screen.
// Portable.

#include <optional>
#include <string>
#include <vector>

#include "toolkit/edit_keys.h"
#include "toolkit/vscroll_model.h"

namespace tockly {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int width() const { return right - left; }
    [[nodiscard]] int height() const { return bottom - top; }
};

// Where the drop-down list goes, in screen coordinates, and how many rows it shows.
struct ListPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int rows = 0;
    bool above = false;
};

// Items are laid out from y = kListFrame; the list is kListFrame taller at the bottom too.
inline constexpr int kListFrame = 1;

// The list opens under the combo box, overlapping its bottom row, when it fits above the bottom
// of the work area; otherwise above the combo box. When it fits on neither side it takes the side
// with more room and shows fewer rows (it scrolls). It is kept inside the work area sideways.
[[nodiscard]] ListPlacement PlaceComboList(const ScreenRect& combo, int itemCount, int itemHeight,
                                           int maxRows, const ScreenRect& workArea);

// What a key did to the closed combo box's selection.
struct SelectionOutcome {
    bool handled = false;  // a key the closed box moves its selection with
    bool changed = false;  // the selection moved: the parent is told
};

enum class ListAction {
    None,    // the key meant nothing to the list
    Moved,   // the highlight moved
    Pick,    // the highlighted item becomes the selection; the list closes
    Cancel,  // the list closes without a change
};

class ComboListModel {
public:
    static constexpr int kDefaultItemHeight = 20;
    static constexpr int kDefaultMaxRows = 8;

    void AddItem(std::u16string text);
    void Clear();
    [[nodiscard]] int count() const { return static_cast<int>(items_.size()); }
    [[nodiscard]] const std::u16string& item(int index) const { return items_.at(index); }

    // Valid only for 0 … count − 1; anything else fails and changes nothing.
    bool Select(int index);
    [[nodiscard]] int selected() const { return selected_; }
    [[nodiscard]] std::u16string selectedText() const;

    [[nodiscard]] int highlighted() const { return highlighted_; }
    void Highlight(int index);

    // Item geometry inside the list window.
    void SetItemHeight(int height) { itemHeight_ = height < 1 ? 1 : height; }
    [[nodiscard]] int itemHeight() const { return itemHeight_; }
    // The rows the open list shows (from its placement); it scrolls when count() is larger.
    void SetVisibleRows(int rows);
    [[nodiscard]] int visibleRows() const { return visibleRows_; }
    [[nodiscard]] bool scrolls() const { return count() > visibleRows_; }
    [[nodiscard]] int topIndex() const { return scroll_.position(); }
    void ScrollTo(int topIndex) { scroll_.SetPosition(topIndex); }
    // The scroll strip's model (in rows): the list window sizes it and feeds it the mouse.
    [[nodiscard]] VScrollModel& scroll() { return scroll_; }
    [[nodiscard]] const VScrollModel& scroll() const { return scroll_; }

    // Opening highlights the selection and scrolls it into view.
    void Open();
    // The item at list-window y, or -1 over the frame or below the last item.
    [[nodiscard]] int ItemAt(int y) const;
    [[nodiscard]] int ItemTop(int index) const {
        return kListFrame + (index - topIndex()) * itemHeight_;
    }

    ListAction HandleKey(EditKey key);
    // Type-ahead: highlights the next item after the highlighted one whose text starts with `c`
    // (ignoring the case of ASCII letters); false when there is none.
    bool HighlightByInitial(char16_t c);
    // Takes the highlighted item as the selection; false when nothing is highlighted.
    bool PickHighlighted();

    // The closed combo box moves its selection itself: Up and Left to the previous item, Down and
    // Right to the next, Home and Page Up to the first, End and Page Down to the last.
    SelectionOutcome MoveSelection(EditKey key);
    // A wheel turn of whole notches: each notch away from the user selects the previous item.
    // True when the selection changed.
    bool MoveSelectionByWheel(int notches);
    // Type-ahead on the closed box: selects the next item after the selection whose text starts
    // with `c`, as HighlightByInitial. True when the selection changed.
    bool SelectByInitial(char16_t c);

private:
    // Where a movement key takes the highlight or the selection from `from`; nothing for other
    // keys. The open list sends Left and Right to the ends, the closed box steps with them.
    [[nodiscard]] std::optional<int> MoveTarget(EditKey key, int from, bool sidewaysToEnds) const;
    void EnsureVisible(int index);
    void UpdateScrollRange();

    std::vector<std::u16string> items_;
    int selected_ = -1;
    int highlighted_ = -1;
    int itemHeight_ = kDefaultItemHeight;
    int visibleRows_ = kDefaultMaxRows;
    VScrollModel scroll_;
};

}  // namespace tockly
