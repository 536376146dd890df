#pragma once
// What every desktop widget computes alike: the layered alpha of a transparency, the transparency
// menu items, the width of the progress strip, and the codes of the notifications a widget sends
// its owner window. Portable.

#include <cstdint>

namespace tockly {

// The alpha SetLayeredWindowAttributes gets for a transparency in percent (0 opaque ... 90):
// ((100 - percent) / 100) x 255 in double precision, truncated, so 50% gives 127, not 128.
// Percentages outside 0-100 (a damaged task store) are brought into it.
std::uint8_t TransparencyAlpha(int percent) noexcept;

// The transparency items run from "90%" (first) to "0%" (last): percent = (last id - id) x 10.
bool IsTransparencyItem(int menuId) noexcept;
// -1 for an id that is no transparency item.
int TransparencyOfItem(int menuId) noexcept;
// The item that shows `percent`, rounded down to a multiple of ten and brought into 0-90.
int TransparencyItem(int percent) noexcept;

// The widgets' progress strip: `fullWidth` columns at the start of the count, none at its end.
// Columns = remaining / total (both as unsigned 32-bit, divided in double) x fullWidth,
// truncated; an empty count (total 0) draws no strip, and the strip never outgrows `fullWidth`.
inline constexpr int kProgressStripWidth = 196;  // counter and timer; the task counter's is 198
inline constexpr int kProgressStripHeight = 9;
int ProgressStripWidth(std::int64_t remainingSeconds, std::int64_t totalSeconds,
                       int fullWidth) noexcept;

// Notifications to the owner: WM_COMMAND with the widget id in HIWORD(wParam). A `WidgetEvent`
// has the widget's family in LOWORD(wParam) and the event code in lParam; `WidgetChanged` has
// kWidgetChangedCode and kSettingsChanged (the owner tells it from a sticky note's events, which
// share the code 2, by that lParam).
enum class WidgetFamily : std::uint16_t {
    None = 0,  // sends no notification (the message view)
    TaskCounter = 1,
    StickyNote = 2,
    Timer = 3,
    Counter = 4,
    Stopwatch = 5,
};
inline constexpr std::uint16_t kWidgetChangedCode = 2;
inline constexpr int kSettingsChanged = 9;

// The event codes every family shares; each widget adds its own.
namespace widget_event {
inline constexpr int kHidden = 0;
inline constexpr int kRemoveRequest = 4;
}  // namespace widget_event

}  // namespace tockly
