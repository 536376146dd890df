#pragma once
// bfMessage: the text area of the end-of-count message view, a child window that is a viewport on
// one label holding the wrapped lines. It scrolls the label (ScrollWindowEx moves it with its
// pixels) and hands a press on the text to the view, so that the text drags the whole view.
//
// MessageLines is that label: the lines of a WrappedText, each centred in its own band of its
// measured height plus the gap, in white "Georgia" on the widgets' tile.

#include <windows.h>

#include <vector>

#include "toolkit/abstract_window.h"
#include "toolkit/skin_cache.h"
#include "toolkit/static_text.h"
#include "widgets/text_wrap.h"

namespace tockly {

class MessageLines final : public bfStaticText {
public:
    MessageLines(HWND parent, WORD id, int width);
    // Sized to `width` x the text's height.
    void SetLines(const WrappedText& text, int width, int lineGap);
    // Measures lines as this label draws them.
    LineSize Measure(std::u16string_view line) const;

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    std::vector<WrappedLine> lines_;
    int lineGap_ = 0;
};

class bfMessage final : public bfAbstractWindow {
public:
    static constexpr int kWidth = 295;
    static constexpr int kHeight = 110;
    static constexpr WORD kLinesId = 0;
    // WM_COMMAND to the parent with the text's height in lParam, after each SetText.
    static constexpr WORD kTextHeightCommand = 3;

    bfMessage(HWND parent, WORD id);
    ~bfMessage() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Wraps `text` in the label's font, shows it from the top and tells the parent its height.
    void SetText(std::u16string_view text, const WrapRules& rules = {});
    // Where the area is in the view.
    void Move(int x, int y);
    // The area's width (the text is centred across it); the height stays.
    void SetAreaWidth(int width);
    // Scrolls so that the text's row `offset` is at the top.
    void ScrollTo(int offset);

    WORD id() const noexcept { return id_; }
    int textHeight() const noexcept { return textHeight_; }
    int scrollOffset() const noexcept { return offset_; }
    MessageLines& lines() noexcept { return lines_; }

private:
    LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    // A press on the text, or the label's click: a press of the parent at the cursor.
    LRESULT PassPressToParent(UINT message, WPARAM wParam, LPARAM lParam);

    WORD id_;
    SharedBitmap tile_;
    MessageLines lines_;
    int textHeight_ = 0;
    int offset_ = 0;
};

}  // namespace tockly
