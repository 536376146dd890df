#include "ui/task_item_list_window.h"

#include "support/gdi_handles.h"
#include "toolkit/skin_drawing.h"
#include "ui/page_controls.h"

namespace tockly {

bfTaskItemListWindow::bfTaskItemListWindow(HWND parent, int width, int height)
    : bfAbstractWindow(parent, WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT),
      buffer_(PaintBuffer::ForThisThread()),
      tile_(LoadSkinFile(kFrameTile)) {
    Resize(width, height);
    MessageMap& map = messages();
    map.Set(WM_PAINT, this, &bfTaskItemListWindow::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_COMMAND, [this](UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
        return ::SendMessageW(::GetParent(window()), kRowMessage, wParam, lParam);
    });
    map.Set(WM_LBUTTONDOWN, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        // Below the last row: no task.
        return ::SendMessageW(::GetParent(window()), kRowMessage,
                              MAKEWPARAM(bfTaskItem::kSelect, 0), 1);
    });
}

bfTaskItemListWindow::~bfTaskItemListWindow() {
    messages().Clear();
    rows_.clear();
}

LRESULT bfTaskItemListWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

void bfTaskItemListWindow::ShowRows(const TaskListModel& model) {
    const TaskListModel::View view = model.Visible();
    const int selected = model.selected();
    for (int i = 0; i < view.rows; ++i) {
        if (static_cast<std::size_t>(i) >= rows_.size()) {
            rows_.push_back(std::make_unique<bfTaskItem>(window()));
            rows_.back()->SetToggleNames(toggleNames_);
        }
        bfTaskItem& row = *rows_[static_cast<std::size_t>(i)];
        const int number = view.firstNumber + i;
        row.Bind(model.row(number), number, number == selected);
        row.MoveTo(view.firstTop + i * TaskListModel::kRowHeight);
        if (!row.shown()) {
            row.Show(true);
        }
    }
    for (std::size_t i = static_cast<std::size_t>(view.rows); i < rows_.size(); ++i) {
        if (rows_[i]->shown()) {
            rows_[i]->Show(false);
        }
    }
}

void bfTaskItemListWindow::SetToggleNames(const ToggleNames& names) {
    toggleNames_ = names;
    for (const auto& row : rows_) {
        row->SetToggleNames(names);
    }
}

bfTaskItem* bfTaskItemListWindow::RowOf(TaskId id) noexcept {
    for (const auto& row : rows_) {
        if (row->shown() && row->taskId() == id) {
            return row.get();
        }
    }
    return nullptr;
}

void bfTaskItemListWindow::OnPaint() {
    PaintDc paint(window());
    const RECT client{0, 0, width(), height()};
    if (PaintBuffer::Lease lease = buffer_->Acquire(width(), height())) {
        FillTiled(lease.dc(), client, tile_.get(), 0, 0);
        ::BitBlt(paint.get(), 0, 0, width(), height(), lease.dc(), 0, 0, SRCCOPY);
        return;
    }
    FillTiled(paint.get(), client, tile_.get(), 0, 0);
}

}  // namespace tockly
