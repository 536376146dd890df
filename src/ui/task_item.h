#pragma once
// bfTaskItem: one row of a task list: the task's number, its title and its toggles (show the
// widget, run it, remove it after its end; the sticky note's row has only show, the stopwatch's
// no remove-after-end), framed in light grey while selected.
//
// A row shows whichever task the list binds to it (the list keeps only the rows it can show and
// binds them again as it scrolls); what it shows lives in the list's TaskListModel. It reports to
// its parent with WM_COMMAND: the low word what happened (kSelect, kShowToggle, kPlayToggle,
// kRemoveToggle), the high word the bound task's id, lParam a toggle's new state. The parent may
// bind the row to another task inside the notification; the row reads nothing after sending.

#include <windows.h>

#include <memory>
#include <string>

#include "toolkit/abstract_window.h"
#include "toolkit/button.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "toolkit/static_text.h"
#include "ui/task_list_model.h"

namespace tockly {

// The names of a row's toggles: their window texts, which screen readers read (not drawn).
struct ToggleNames {
    std::u16string show;
    std::u16string play;
    std::u16string removeAfterEnd;
};

class bfTaskItem final : public bfAbstractWindow {
public:
    static constexpr int kWidth = 168;
    static constexpr int kHeight = TaskListModel::kRowHeight;
    // What the row tells its parent (the low word of its WM_COMMAND).
    static constexpr WORD kSelect = 0;
    static constexpr WORD kShowToggle = 1;
    static constexpr WORD kPlayToggle = 2;
    static constexpr WORD kRemoveToggle = 3;
    static constexpr COLORREF kSelectedBorder = RGB(0x93, 0x93, 0x93);
    static constexpr COLORREF kBorder = RGB(0, 0, 0);

    explicit bfTaskItem(HWND parent);
    ~bfTaskItem() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Shows `row` as row `number`, selected or not.
    void Bind(const TaskRow& row, int number, bool selected);
    // Moves the row to `y` of its parent.
    void MoveTo(int y);
    void SetToggleNames(const ToggleNames& names);

    TaskId taskId() const noexcept { return taskId_; }
    bool selected() const noexcept { return selected_; }
    bfStaticText& number() noexcept { return number_; }
    bfStaticText& title() noexcept { return *title_; }
    bfButton& showToggle() noexcept { return show_; }
    bfButton& playToggle() noexcept { return play_; }
    bfButton& removeToggle() noexcept { return remove_; }
    int y() const noexcept { return y_; }

private:
    void OnPaint();
    void OnLeftDown(const MouseInput& mouse);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void Report(WORD what, bool state) const;

    TaskId taskId_ = 0;
    bool selected_ = false;
    int y_ = 0;
    std::shared_ptr<PaintBuffer> buffer_;
    SharedBitmap tile_;
    bfStaticText number_;
    std::unique_ptr<bfStaticText> title_;
    bfButton show_;
    bfButton play_;
    bfButton remove_;
};

// A cell of the list's header above a toggle column: the toggle's icon, with the column's caption
// as its text (for screen readers), since no word fits the column.
class HeaderIcon final : public bfStaticText {
public:
    HeaderIcon(HWND parent, std::wstring_view icon);

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    SharedBitmap icon_;
};

}  // namespace tockly
