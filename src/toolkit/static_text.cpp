#include "toolkit/static_text.h"

#include <string>

#include "support/gdi_handles.h"

namespace tockly {

bfStaticText::bfStaticText(HWND parent, WORD id, int width, int height)
    : CaptionedControl(parent, id, WS_CHILD) {
    SetAlignment(kDefaultHorizontal, kDefaultVertical);
    messages().Set(WM_LBUTTONDOWN, this, &bfStaticText::OnLeftDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfStaticText::OnLeftDown);
    Resize(width, height);
}

void bfStaticText::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    Repaint();
}

int bfStaticText::MeasureTextHeight(int width) const {
    const std::wstring text = Caption();
    WindowDc screen(nullptr);
    if (screen.get() == nullptr) {
        return 0;
    }
    SelectedObject font(screen.get(), fontHandle());
    RECT rect{0, 0, width, 0};
    const UINT format = DT_CALCRECT | DT_NOPREFIX | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
    // An empty caption still takes the height of one line.
    return ::DrawTextW(screen.get(), text.empty() ? L" " : text.c_str(), -1, &rect, format);
}

int bfStaticText::MeasureTextWidth() const {
    const std::wstring text = Caption();
    WindowDc screen(nullptr);
    if (screen.get() == nullptr || text.empty()) {
        return 0;
    }
    SelectedObject font(screen.get(), fontHandle());
    RECT rect{};
    ::DrawTextW(screen.get(), text.c_str(), -1, &rect, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    return rect.right - rect.left;
}

void bfStaticText::OnLeftDown(const MouseInput&) {
    if (enabled()) {
        NotifyCommand();
    }
}

void bfStaticText::PaintContent(const PaintContext& paint) {
    const PixelRect client{0, 0, paint.width, paint.height};
    if (!wordWrap_) {
        PaintCaption(paint, client);
        return;
    }
    // DT_VCENTER and DT_BOTTOM work on single lines only: place the wrapped block by its height.
    const int textHeight = MeasureTextHeight(paint.width);
    PixelRect block = client;
    if (verticalAlignment() == VerticalAlignment::Centre) {
        block.y = (paint.height - textHeight) / 2;
    } else if (verticalAlignment() == VerticalAlignment::Bottom) {
        block.y = paint.height - textHeight;
    }
    block.height = textHeight;
    PaintCaption(paint, block, DT_WORDBREAK);
}

}  // namespace tockly
