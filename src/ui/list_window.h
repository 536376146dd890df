#pragma once
// bfListWindow: a scrolling list of one-line text rows with one selected row, each row carrying a
// value (the process chooser's process id). A child window of 280 x 250 pixels; the rows are 270 x
// 18 pixels, white on the main window's tile, the selected one on the frame tile.
//
// Only the rows in view have a window: the list keeps as many static texts as the view can show
// at once and gives them the texts of the rows at the scroll offset, so that listing, scrolling
// and closing cost the same for ten rows or thousands.
//
// A click on a row selects it; a click on the selected row chooses it: the list sends its parent
// WM_COMMAND kChooseCommand. A wheel turn over the list goes to the parent as WM_COMMAND
// kScrollCommand with the turn in lParam, for the parent's scroll bar to move the list.

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/abstract_window.h"
#include "toolkit/skin_cache.h"
#include "toolkit/static_text.h"
#include "ui/forms/list_choice.h"

namespace tockly {

class bfListWindow final : public bfAbstractWindow {
public:
    static constexpr WORD kChooseCommand = 2;
    static constexpr WORD kScrollCommand = 3;
    // Rows of 18 pixels in 250: at most 15 are seen at once, the first and last in part.
    static constexpr int kSlotCount = list_geometry::kHeight / list_geometry::kRowHeight + 2;

    explicit bfListWindow(HWND parent);
    ~bfListWindow() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The rows, nothing selected, scrolled to the top.
    void SetRows(std::vector<ProcessRow> rows);
    // Where the list is in its parent.
    void Move(int x, int y);
    // Scrolls so that the content's row of pixels `offset` is at the top; held within the
    // content.
    void ScrollTo(int offset);

    int offset() const noexcept { return offset_; }
    int rowCount() const noexcept { return static_cast<int>(rows_.size()); }
    const ProcessRow& row(int index) const { return rows_.at(index); }
    int selected() const noexcept { return choice_.selected(); }
    // The value of the selected row; none when no row is selected.
    std::optional<std::uint32_t> SelectedValue() const;
    // The text that shows the row now; null when the row is out of view.
    bfStaticText* ShownRow(int index);

private:
    void OnPaint();
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnWheel(const WheelInput& wheel);
    // Gives each text the row at its place in view.
    void Lay();
    int FirstShownRow() const;

    SharedBitmap tile_;
    SharedBitmap selectedTile_;
    std::array<std::unique_ptr<bfStaticText>, kSlotCount> slots_;
    // The row each text shows, -1 for none.
    std::array<int, kSlotCount> slotRows_;
    // Whether each text has the selected row's tile.
    std::array<bool, kSlotCount> slotSelected_;
    std::vector<ProcessRow> rows_;
    ListChoice choice_;
    int offset_ = 0;
};

}  // namespace tockly
