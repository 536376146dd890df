#pragma once
// Where widgets go on the screen: back within reach when stored where no screen shows them any
// more, centred on the primary screen, and a new sticky note beside the one that asked for it.
// Portable; the work areas of the monitors come from the caller.

#include <span>

#include "ui/main_window_layout.h"

namespace tockly {

// A widget's window on the screen.
struct WidgetFrame {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A widget can be reached when at least this much of it (or all of it, when smaller) lies in one
// work area: enough to grab and drag it back.
inline constexpr int kReachableWidth = 32;
inline constexpr int kReachableHeight = 16;

// Where a widget stored at `frame` goes: where it is when it can be reached; otherwise wholly
// into the work area nearest to it (its top-left corner in the area when it is larger than the
// area). Without work areas it stays.
WindowPosition ReachablePosition(const WidgetFrame& frame, std::span<const AreaRect> workAreas);

// The widget's top-left corner when it is centred on `screen`.
WindowPosition CentredOn(const AreaRect& screen, int width, int height);

// A new sticky note asked for by the note at `note`: at its height, 190 pixels left of its left
// edge, or 5 pixels right of its right edge when that would leave the new one left of x = 1.
inline constexpr int kNewNoteLeftShift = 190;
inline constexpr int kNewNoteRightGap = 5;
WindowPosition NewNoteBeside(const WidgetFrame& note);

}  // namespace tockly
