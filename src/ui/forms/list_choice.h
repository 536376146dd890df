#pragma once
// What the process chooser decides without a window: the text of each process's row, the list's
// geometry, which row is selected and when a click chooses.
//
// A click on a row selects it; a click on the row already selected chooses it, as the choose
// button does. Choosing with no row selected does nothing: the chooser stays open and hands over
// no id, so that the application page's process id field keeps what it holds.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/process_enumerator.h"

namespace tockly {

struct ProcessRow {
    std::uint32_t id = 0;
    // The running number, "   PID: ", the id, "  process: " and the image's file name.
    std::u16string text;

    bool operator==(const ProcessRow&) const = default;
};
// The rows of the processes, numbered from 1 in their order.
std::vector<ProcessRow> ProcessRows(const std::vector<RunningProcess>& processes);

// The list: rows of 270 x 18 pixels at x = 5, the first at y = 4, in a client of 280 x 250.
namespace list_geometry {
inline constexpr int kWidth = 280;
inline constexpr int kHeight = 250;
inline constexpr int kRowX = 5;
inline constexpr int kFirstRowY = 4;
inline constexpr int kRowWidth = 270;
inline constexpr int kRowHeight = 18;
}  // namespace list_geometry

// The height of `rowCount` rows with the margin above and below them: the scroll content.
int ListContentHeight(int rowCount);
// The row's top in the content.
int ListRowTop(int index);
// An offset within the content for the list's height: 0 to content − height.
int ClampListOffset(int offset, int rowCount);

class ListChoice {
public:
    enum class Outcome { Selected, Chosen, Ignored };
    struct Click {
        Outcome outcome = Outcome::Ignored;
        int previous = -1;  // the row selected before the click
    };

    // `rowCount` rows, none selected.
    void Reset(int rowCount);
    // A row's click; a row outside the list is ignored.
    Click ClickRow(int index);
    // The choose button: the selected row, none when no row is selected.
    std::optional<int> Choose() const;

    int selected() const noexcept { return selected_; }
    int rowCount() const noexcept { return rowCount_; }

private:
    int rowCount_ = 0;
    int selected_ = -1;
};

}  // namespace tockly
