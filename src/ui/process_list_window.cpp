#include "ui/process_list_window.h"

#include <algorithm>
#include <initializer_list>

#include "shell/language_keys.h"
#include "support/gdi_handles.h"
#include "ui/page_controls.h"
#include "widgets/counting_widget_parts.h"

namespace tockly {
namespace {

using namespace list_geometry;

constexpr int kMargin = 10;
constexpr int kListY = 34;
constexpr int kGap = 4;
constexpr int kCloseSize = 16;
constexpr int kChooseWidth = 150;
constexpr COLORREF kFrameColor = RGB(0x93, 0x93, 0x93);
constexpr const char16_t* kCloseIcon = u"data\\bitmaps\\16_exit_icon.bmp";
const FontSpec kTitleFont{L"Georgia", 17, FW_BOLD, false};

std::u16string_view English(TextId id) {
    return EnglishText(TextNumber(id)).value_or(std::u16string_view());
}

}  // namespace

bfProcessListWindow::bfProcessListWindow(HWND owner, ProcessEnumerator& processes)
    : bfAbstractWindow(owner, WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW),
      processes_(processes),
      buffer_(PaintBuffer::ForThisThread()),
      tile_(LoadSkinFile(kMainTile)),
      title_(window(), 0, kWidth - 2 * kMargin - kCloseSize - kGap, 22),
      close_(window(), kCloseId, kCloseSize),
      list_(window()),
      scrollBar_(window(), kScrollBarId, list_geometry::kHeight),
      choose_(window(), kChooseId, kChooseWidth) {
    Resize(kWidth, kHeight);
    MessageMap& map = messages();
    map.Set(WM_PAINT, this, &bfProcessListWindow::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_COMMAND, this, &bfProcessListWindow::OnCommand);
    map.Set(WM_MOUSEWHEEL, this, &bfProcessListWindow::OnWheel);
    map.Set(WM_CLOSE, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        Show(false);
        return 0;
    });

    title_.LoadBackgroundBitmapFile(kMainTile);
    title_.SetFont(kTitleFont);
    title_.SetTextColors(RGB(240, 240, 240), kTextOnMainWindow.disabled);
    title_.SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
    title_.Move(kMargin, 6);

    SkinIconButton(close_, ModernButtonSkin(), kCloseIcon, kCloseSize,
                   skin::PieceSkin{kCloseSize, skin::kModernButton.pieceWidth});
    close_.LoadBackgroundBitmapFile(kMainTile);
    close_.Move(kWidth - kMargin - kCloseSize, 9);

    list_.Move(kMargin, kListY);
    scrollBar_.LoadBackgroundBitmapFile(kMainTile);
    scrollBar_.Move(kMargin + list_geometry::kWidth + kGap, kListY);
    scrollBar_.SetPage(list_geometry::kHeight);
    scrollBar_.SetLineStep(kRowHeight);

    choose_.LoadBackgroundBitmapFile(kMainTile);
    choose_.Move(kWidth - kMargin - kChooseWidth, kHeight - kMargin - choose_.skinMetrics().height);
    SetTexts(English(TextId::APPLICATIONS_PROCESS_LIST_TITLE),
             English(TextId::APPLICATIONS_PROCESS_LIST_BUTTON));
    for (bfAbstractControl* control :
         std::initializer_list<bfAbstractControl*>{&title_, &close_, &scrollBar_, &choose_}) {
        control->Show(true);
    }
}

bfProcessListWindow::~bfProcessListWindow() = default;

void bfProcessListWindow::Show(bool show) {
    if (show) {
        Rebuild();
    }
    bfAbstractWindow::Show(show);
}

LRESULT bfProcessListWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

void bfProcessListWindow::Place(int screenX, int screenY) {
    RECT area{screenX, screenY, screenX + kWidth, screenY + kHeight};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfoW(::MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        screenX = std::max<int>(work.left, std::min<int>(screenX, work.right - kWidth));
        screenY = std::max<int>(work.top, std::min<int>(screenY, work.bottom - kHeight));
    }
    ::SetWindowPos(window(), nullptr, screenX, screenY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void bfProcessListWindow::SetTexts(std::u16string_view title, std::u16string_view choose) {
    title_.SetText(title);
    choose_.SetText(choose);
}

void bfProcessListWindow::Rebuild() {
    list_.SetRows(ProcessRows(processes_.Enumerate()));
    scrollBar_.SetContent(ListContentHeight(list_.rowCount()));
    scrollBar_.SetPosition(0);
    scrollBar_.Repaint();
}

void bfProcessListWindow::Choose() {
    if (!list_.SelectedValue()) {
        return;
    }
    bfAbstractWindow::Show(false);
    // Last: the owner may delete the chooser when it hears of the choice.
    ::SendMessageW(owner(), WM_COMMAND, MAKEWPARAM(kChosenCommand, 0), 0);
}

void bfProcessListWindow::OnPaint() {
    RECT update{};
    ::GetUpdateRect(window(), &update, FALSE);
    PaintDc paint(window());
    const auto draw = [this](HDC dc) {
        const RECT client{0, 0, kWidth, kHeight};
        if (!FillTiled(dc, client, tile_.get(), 0, 0)) {
            FillSolid(dc, client, RGB(0x37, 0x37, 0x37));
        }
        FrameSolid(dc, client, kFrameColor);
    };
    if (PaintBuffer::Lease lease = buffer_->Acquire(kWidth, kHeight)) {
        draw(lease.dc());
        ::BitBlt(paint.get(), update.left, update.top, update.right - update.left,
                 update.bottom - update.top, lease.dc(), update.left, update.top, SRCCOPY);
        return;
    }
    draw(paint.get());
}

LRESULT bfProcessListWindow::OnCommand(UINT, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case kCloseId:
            Show(false);
            break;
        case kChooseId:
            Choose();
            break;
        case kListScrollId:
            // The bar steps by its own wheel rule and reports its position back (command 4).
            ::SendMessageW(scrollBar_.window(), WM_MOUSEWHEEL,
                           MAKEWPARAM(0, static_cast<short>(lParam)), 0);
            break;
        case kScrollBarId:
            list_.ScrollTo(scrollBar_.position());
            break;
        default:
            break;
    }
    return 0;
}

bool bfProcessListWindow::OnWheel(const WheelInput& wheel) {
    ::SendMessageW(scrollBar_.window(), WM_MOUSEWHEEL, MAKEWPARAM(wheel.keys, wheel.delta), 0);
    return true;
}

}  // namespace tockly
