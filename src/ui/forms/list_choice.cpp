#include "ui/forms/list_choice.h"

#include <algorithm>
#include <utility>

#include "execution/application_action.h"

namespace tockly {

std::vector<ProcessRow> ProcessRows(const std::vector<RunningProcess>& processes) {
    std::vector<ProcessRow> rows;
    rows.reserve(processes.size());
    const auto append = [](std::u16string& text, std::uint64_t number) {
        const std::string digits = std::to_string(number);
        text.append(digits.begin(), digits.end());
    };
    for (const RunningProcess& process : processes) {
        std::u16string text;
        append(text, rows.size() + 1);
        text += u"   PID: ";
        append(text, process.id);
        text += u"  process: ";
        text += ProgramFileName(process.imagePath);
        rows.push_back({process.id, std::move(text)});
    }
    return rows;
}

int ListContentHeight(int rowCount) {
    return 2 * list_geometry::kFirstRowY + rowCount * list_geometry::kRowHeight;
}

int ListRowTop(int index) {
    return list_geometry::kFirstRowY + index * list_geometry::kRowHeight;
}

int ClampListOffset(int offset, int rowCount) {
    const int most = std::max(0, ListContentHeight(rowCount) - list_geometry::kHeight);
    return std::clamp(offset, 0, most);
}

void ListChoice::Reset(int rowCount) {
    rowCount_ = std::max(0, rowCount);
    selected_ = -1;
}

ListChoice::Click ListChoice::ClickRow(int index) {
    if (index < 0 || index >= rowCount_) {
        return {};
    }
    if (index == selected_) {
        return {Outcome::Chosen, selected_};
    }
    return {Outcome::Selected, std::exchange(selected_, index)};
}

std::optional<int> ListChoice::Choose() const {
    if (selected_ < 0) {
        return std::nullopt;
    }
    return selected_;
}

}  // namespace tockly
