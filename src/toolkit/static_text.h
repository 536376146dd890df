#pragma once
// bfStaticText: plain text on the control's background, aligned and coloured like a button's
// caption: centred both ways unless the owner sets another alignment (countdowns and the message
// text are centred; lines of details and captions beside fields set the left). It has no mouse
// states; a left click is reported to the parent (WM_COMMAND), which is how widgets start a drag
// from their labels and lists select a row by its title.

#include <windows.h>

#include "toolkit/captioned_control.h"

namespace tockly {

class bfStaticText : public CaptionedControl {
public:
    static constexpr HorizontalAlignment kDefaultHorizontal = HorizontalAlignment::Centre;
    static constexpr VerticalAlignment kDefaultVertical = VerticalAlignment::Centre;

    bfStaticText(HWND parent, WORD id, int width, int height);

    // Wrapped text breaks at words over several lines; otherwise it is one line.
    void SetWordWrap(bool wrap);
    bool wordWrap() const noexcept { return wordWrap_; }
    // The height the caption needs at `width` in the control's font (wrapped or not).
    int MeasureTextHeight(int width) const;
    // The width of the caption on one line in the control's font.
    int MeasureTextWidth() const;

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    void OnLeftDown(const MouseInput& mouse);

    bool wordWrap_ = false;
};

}  // namespace tockly
