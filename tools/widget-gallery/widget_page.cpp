#include <string>

#include "gallery_pages.h"
#include "widgets/plain_widget.h"

namespace tockly::gallery {
namespace {

using testing::PlainWidget;

constexpr int kPageWidth = 1180;
constexpr int kPageHeight = 470;
constexpr int kColumnStep = 228;
constexpr int kFirstColumn = 24;
// Where the widgets are shown on the screen while they are captured.
constexpr int kScreenX = 60;
constexpr int kScreenY = 60;

struct Shown {
    const wchar_t* caption;
    bool strip;
    int remaining;
    int total;
    const wchar_t* countdown;
};

// A plain widget shown on the screen as its creator would leave it.
std::unique_ptr<PlainWidget> ShowWidget(const Shown& state) {
    auto widget = std::make_unique<PlainWidget>(nullptr, 1);
    widget->SetProgress(state.remaining, state.total);
    widget->SetShowProgressBar(state.strip);
    widget->countdown().SetText(state.countdown);
    widget->MoveTo(kScreenX, kScreenY);
    widget->Show(true);
    ::UpdateWindow(widget->window());
    PumpMessages();
    return widget;
}

// A desktop with something to see through the widgets.
void PaintDesktop(Canvas& page, const RECT& area) {
    page.VerticalGradient(area, RGB(58, 110, 165), RGB(24, 62, 96));
    const HDC dc = page.dc();
    const COLORREF previous = ::SetDCBrushColor(dc, RGB(236, 168, 62));
    SelectedObject brush(dc, ::GetStockObject(DC_BRUSH));
    SelectedObject pen(dc, ::GetStockObject(NULL_PEN));
    for (int x = area.left - 40; x < area.right; x += 90) {
        const POINT stripe[] = {
            {x, area.bottom}, {x + 30, area.bottom}, {x + 110, area.top}, {x + 80, area.top}};
        ::Polygon(dc, stripe, 4);
    }
    ::SetDCBrushColor(dc, RGB(250, 250, 250));
    for (int x = area.left + 70; x < area.right; x += kColumnStep) {
        ::Ellipse(dc, x, area.top + 28, x + 46, area.top + 74);
    }
    ::SetDCBrushColor(dc, previous);
    for (int x = area.left + 12; x < area.right; x += kColumnStep) {
        page.Text(x, area.bottom - 40, L"Quarterly report.docx", kCaptionFont, RGB(255, 255, 255));
    }
}

}  // namespace

Canvas WidgetPage() {
    Canvas page(kPageWidth, kPageHeight);
    page.Text(kFirstColumn, 14, L"Tockly widget gallery: the widget base", kHeadingFont,
              kHeadingColor);

    int y = 56;
    page.Text(kFirstColumn, y, L"A plain widget on the base, with and without its progress strip",
              kSectionFont, kHeadingColor);
    y += 32;
    const Shown states[] = {
        {L"no progress strip", false, 270, 600, L"00 : 04 : 30"},
        {L"strip full: the count begins", true, 600, 600, L"00 : 10 : 00"},
        {L"strip at 45%", true, 270, 600, L"00 : 04 : 30"},
        {L"strip at 5%", true, 30, 600, L"00 : 00 : 30"},
        {L"strip empty: the count is over", true, 0, 600, L"00 : 00 : 00"},
    };
    int x = kFirstColumn;
    for (const Shown& state : states) {
        const auto widget = ShowWidget(state);
        page.Paste(Canvas::Capture(widget->window()), x, y);
        page.Text(x, y + 88, state.caption, kCaptionFont, kCaptionColor);
        x += kColumnStep;
    }

    y += 130;
    page.Text(kFirstColumn, y,
              L"Over the desktop at each transparency (the layered alpha read back)", kSectionFont,
              kHeadingColor);
    y += 32;
    const RECT desktop{0, y, kPageWidth, kPageHeight};
    PaintDesktop(page, desktop);
    x = kFirstColumn;
    for (const int percent : {0, 30, 50, 70, 90}) {
        const auto widget = ShowWidget({L"", true, 400, 600, L"00 : 06 : 40"});
        widget->SetTransparency(percent);
        BYTE alpha = 255;
        DWORD flags = 0;
        ::GetLayeredWindowAttributes(widget->window(), nullptr, &alpha, &flags);
        page.Paste(Canvas::Capture(widget->window()), x, y + 24, alpha);
        const std::wstring caption = std::to_wstring(percent) + L"% transparent: alpha " +
                                     std::to_wstring(static_cast<int>(alpha));
        page.Text(x, y + 4, caption, kCaptionFont, RGB(255, 255, 255));
        x += kColumnStep;
    }
    return page;
}

}  // namespace tockly::gallery
