#pragma once
// bfColorLabel: a caption on a three-piece plate in gray, green or red. It has no pressed state
// and sends nothing; a click only captures the mouse and takes the focus. Having no key of its own,
// it is no tab stop, but with the focus it shows a focus ring and passes Tab and Shift+Tab on.

#include <windows.h>

#include "toolkit/captioned_control.h"
#include "toolkit/skin_names.h"

namespace tockly {

class bfColorLabel : public CaptionedControl {
public:
    bfColorLabel(HWND parent, WORD id, int width, LabelColor color = LabelColor::Gray);

    // The width keeps both end pieces and one centre column; a height of 0 is the plate's.
    bool Resize(int width, int height) override;
    void SetColor(LabelColor color);
    LabelColor color() const noexcept { return color_; }

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    void OnLeftDown(const MouseInput& mouse);
    void OnLeftUp(const MouseInput& mouse);
    bool OnKeyDown(const KeyInput& key);

    LabelColor color_;
    SharedBitmap left_;
    SharedBitmap centre_;
    SharedBitmap right_;
};

}  // namespace tockly
