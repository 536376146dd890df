#include "widgets/message_text.h"

#include "support/gdi_handles.h"
#include "support/wide_text.h"
#include "widgets/abstract_widget.h"
#include "widgets/counting_widget_parts.h"

namespace tockly {
namespace {

const FontSpec kMessageFont{L"Georgia", 17, FW_NORMAL, false};

}  // namespace

MessageLines::MessageLines(HWND parent, WORD id, int width) : bfStaticText(parent, id, width, 1) {
    LoadBackgroundBitmapFile(kWidgetTile);
    SetFont(kMessageFont);
    SetTextColors(kCountingTextColor, kCountingDimTextColor);
}

void MessageLines::SetLines(const WrappedText& text, int width, int lineGap) {
    lines_ = text.lines;
    lineGap_ = lineGap;
    SetText(text.Joined());  // the window text, for screen readers and tests
    Resize(width, text.height);
    Repaint();
}

LineSize MessageLines::Measure(std::u16string_view line) const {
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    SelectedObject font(dc.get(), fontHandle());
    const std::wstring wide = ToWide(line);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}

void MessageLines::PaintContent(const PaintContext& paint) {
    int y = 0;
    for (const WrappedLine& line : lines_) {
        PaintCaption(paint, {0, y, paint.width, line.height}, ToWide(line.text), DT_SINGLELINE);
        y += line.height + lineGap_;
    }
}

bfMessage::bfMessage(HWND parent, WORD id)
    : bfAbstractWindow(parent, WS_CHILD | WS_CLIPCHILDREN, 0),
      id_(id),
      tile_(LoadSkinFile(kWidgetTile)),
      lines_(window(), kLinesId, kWidth) {
    Resize(kWidth, kHeight);
    MessageMap& map = messages();
    map.Set(WM_CREATE, [](UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    map.Set(WM_CLOSE, this, &bfMessage::OnClose);
    map.Set(WM_DESTROY, this, &bfMessage::OnClose);
    map.Set(WM_PAINT, this, &bfMessage::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_LBUTTONDOWN, this, &bfMessage::PassPressToParent);
    map.Set(WM_COMMAND, this, &bfMessage::PassPressToParent);
    lines_.Show(true);
}

bfMessage::~bfMessage() = default;

LRESULT bfMessage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

void bfMessage::SetText(std::u16string_view text, const WrapRules& rules) {
    struct LabelMeasurer final : LineMeasurer {
        explicit LabelMeasurer(const MessageLines& label) : label(label) {}
        LineSize Measure(std::u16string_view line) const override { return label.Measure(line); }
        const MessageLines& label;
    };
    const WrappedText wrapped = WrapText(text, LabelMeasurer(lines_), rules);
    textHeight_ = wrapped.height;
    offset_ = 0;
    lines_.Move(0, 0);
    lines_.SetLines(wrapped, width(), rules.lineGap);
    ::InvalidateRect(window(), nullptr, FALSE);
    ::SendMessageW(owner(), WM_COMMAND, MAKEWPARAM(kTextHeightCommand, 0), textHeight_);
}

void bfMessage::Move(int x, int y) {
    ::SetWindowPos(window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void bfMessage::SetAreaWidth(int width) {
    Resize(width, kHeight);
    lines_.Resize(width, textHeight_);
    lines_.Repaint();
}

void bfMessage::ScrollTo(int offset) {
    const int delta = offset_ - offset;
    if (delta == 0) {
        return;
    }
    offset_ = offset;
    ::ScrollWindowEx(window(), 0, delta, nullptr, nullptr, nullptr, nullptr,
                     SW_SCROLLCHILDREN | SW_INVALIDATE);
    lines_.Move(0, -offset, false);  // the window moved with the scroll
    ::InvalidateRect(window(), nullptr, FALSE);
    ::UpdateWindow(window());
}

LRESULT bfMessage::OnClose(UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        ::DestroyWindow(window());
    }
    return 0;
}

void bfMessage::OnPaint() {
    PaintDc paint(window());
    const RECT client{0, 0, width(), height()};
    if (!FillTiled(paint.get(), client, tile_.get(), 0, 0)) {
        FillSolid(paint.get(), client, kWidgetFrameColor);
    }
}

LRESULT bfMessage::PassPressToParent(UINT, WPARAM, LPARAM) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(owner(), &cursor);
    ::SendMessageW(owner(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cursor.x, cursor.y));
    return 0;
}

}  // namespace tockly
