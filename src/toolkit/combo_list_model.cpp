#include "toolkit/combo_list_model.h"

#include <algorithm>
#include <optional>

namespace tockly {

ListPlacement PlaceComboList(const ScreenRect& combo, int itemCount, int itemHeight, int maxRows,
                             const ScreenRect& workArea) {
    ListPlacement placement;
    placement.width = combo.width();
    placement.x = std::max(std::min(combo.left, workArea.right - placement.width), workArea.left);

    // An empty list still opens, one empty row high, so that the click visibly did something.
    placement.rows = std::clamp(itemCount, 1, std::max(maxRows, 1));
    const auto heightOf = [itemHeight](int rows) { return rows * itemHeight + 2 * kListFrame; };
    const int belowTop = combo.bottom - 1;
    const int roomBelow = workArea.bottom - belowTop;
    const int roomAbove = combo.top - workArea.top;

    if (heightOf(placement.rows) > roomBelow) {
        if (heightOf(placement.rows) > roomAbove) {
            // Neither side holds every row: take the larger side and scroll.
            placement.above = roomAbove > roomBelow;
            const int room = placement.above ? roomAbove : roomBelow;
            placement.rows = std::max((room - 2 * kListFrame) / itemHeight, 1);
        } else {
            placement.above = true;
        }
    }
    placement.height = heightOf(placement.rows);
    placement.y = placement.above ? combo.top - placement.height : belowTop;
    return placement;
}

void ComboListModel::AddItem(std::u16string text) {
    items_.push_back(std::move(text));
    UpdateScrollRange();
}

void ComboListModel::Clear() {
    items_.clear();
    selected_ = highlighted_ = -1;
    UpdateScrollRange();
}

bool ComboListModel::Select(int index) {
    if (index < 0 || index >= count()) {
        return false;
    }
    selected_ = index;
    return true;
}

std::u16string ComboListModel::selectedText() const {
    return selected_ >= 0 ? items_[selected_] : std::u16string();
}

void ComboListModel::Highlight(int index) {
    if (index >= -1 && index < count()) {
        highlighted_ = index;
    }
}

void ComboListModel::SetVisibleRows(int rows) {
    visibleRows_ = std::max(rows, 1);
    UpdateScrollRange();
}

void ComboListModel::UpdateScrollRange() {
    scroll_.SetContent(count());
    scroll_.SetPage(visibleRows_);
    scroll_.SetLineStep(1);
}

void ComboListModel::EnsureVisible(int index) {
    if (index < 0) {
        return;
    }
    if (index < topIndex()) {
        ScrollTo(index);
    } else if (index >= topIndex() + visibleRows_) {
        ScrollTo(index - visibleRows_ + 1);
    }
}

void ComboListModel::Open() {
    highlighted_ = selected_;
    ScrollTo(0);
    EnsureVisible(selected_);
}

int ComboListModel::ItemAt(int y) const {
    if (y < kListFrame) {
        return -1;
    }
    const int row = (y - kListFrame) / itemHeight_;
    if (row >= visibleRows_) {
        return -1;
    }
    const int index = topIndex() + row;
    return index < count() ? index : -1;
}

bool ComboListModel::PickHighlighted() {
    return Select(highlighted_);
}

std::optional<int> ComboListModel::MoveTarget(EditKey key, int from, bool sidewaysToEnds) const {
    if (key == EditKey::Left) {
        key = sidewaysToEnds ? EditKey::Home : EditKey::Up;
    } else if (key == EditKey::Right) {
        key = sidewaysToEnds ? EditKey::End : EditKey::Down;
    }
    const int last = count() - 1;
    const int first = std::min(0, last);  // -1 when there is no item
    switch (key) {
        case EditKey::Up:
            return std::max(from - 1, first);
        case EditKey::Down:
            return std::min(from + 1, last);
        case EditKey::Home:
        case EditKey::PageUp:
            return first;
        case EditKey::End:
        case EditKey::PageDown:
            return last;
        default:
            return std::nullopt;
    }
}

SelectionOutcome ComboListModel::MoveSelection(EditKey key) {
    const std::optional<int> target = MoveTarget(key, selected_, false);
    if (!target) {
        return {};
    }
    return {true, *target != selected_ && Select(*target)};
}

bool ComboListModel::MoveSelectionByWheel(int notches) {
    if (count() == 0 || notches == 0) {
        return false;
    }
    const int target = std::clamp(selected_ - notches, 0, count() - 1);
    return target != selected_ && Select(target);
}

bool ComboListModel::SelectByInitial(char16_t c) {
    highlighted_ = selected_;
    return HighlightByInitial(c) && highlighted_ != selected_ && Select(highlighted_);
}

ListAction ComboListModel::HandleKey(EditKey key) {
    switch (key) {
        case EditKey::Enter:
        case EditKey::Space:
            return ListAction::Pick;
        case EditKey::Escape:
            return ListAction::Cancel;
        default:
            break;
    }
    const std::optional<int> target = MoveTarget(key, highlighted_, true);
    if (!target) {
        return ListAction::None;
    }
    highlighted_ = *target;
    EnsureVisible(*target);
    return ListAction::Moved;
}

bool ComboListModel::HighlightByInitial(char16_t c) {
    const auto fold = [](char16_t x) {
        return x >= u'a' && x <= u'z' ? static_cast<char16_t>(x - u'a' + u'A') : x;
    };
    for (int step = 1; step <= count(); ++step) {
        const int index = (std::max(highlighted_, -1) + step) % count();
        if (!items_[index].empty() && fold(items_[index][0]) == fold(c)) {
            highlighted_ = index;
            EnsureVisible(index);
            return true;
        }
    }
    return false;
}

}  // namespace tockly
