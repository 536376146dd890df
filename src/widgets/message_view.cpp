#include "widgets/message_view.h"

#include <atomic>

#include "toolkit/skin_names.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

constexpr const wchar_t* kTitleTile = L"data\\bitmaps\\40_bkg_2.bmp";
constexpr const char16_t* kCloseIcon = u"data\\bitmaps\\8_dark_cross_icon.bmp";
const FontSpec kTitleFont{L"Georgia", 15, FW_BOLD, false};
constexpr int kTextTop = 28;
constexpr int kCloseWidth = 14;
constexpr int kStopWidth = 80;
constexpr int kPageMargin = 60;           // the page is the view's height less this
constexpr int kTransparencyPosition = 1;  // in "Message_Popupmenu"

std::uint64_t NextViewSerial() {
    static std::atomic<std::uint64_t> serial{0};
    return ++serial;
}

}  // namespace

bfMessageView::bfMessageView(HWND owner, WORD widgetId, SoundPlayer& sound)
    : bfAbstractWidget(owner, widgetId,
                       {WidgetFamily::None, kWidth, kHeight, u"Message_Popupmenu", WS_POPUP}),
      sound_(sound),
      serial_(NextViewSerial()),
      titleTile_(LoadSkinFile(kTitleTile)),
      title_(window(), kTitleId, kWidth - kCloseWidth - 14),
      close_(window(), kCloseId, kCloseWidth),
      stop_(window(), kStopId, kStopWidth),
      scroll_(window(), kScrollBarId, bfMessage::kHeight),
      text_(window(), kTextId) {
    title_.Move(3, 0);
    title_.LoadBackgroundBitmapFile(kTitleTile);
    title_.SetFont(kTitleFont);
    title_.SetTextColors(kCountingTextColor, kCountingDimTextColor);
    title_.SetDisplayMode(true);
    title_.SetEditable(false);
    AddDragLabel(kTitleId);

    SkinIconButton(close_, TinyButtonSkin(SkinTheme::Dark), kCloseIcon, kCloseWidth);
    close_.Move(kWidth - kCloseWidth - 6, (kTitleBandHeight - close_.height()) / 2);

    stop_.SetCustomSkin(ModernButtonSkin());
    stop_.SetTextColors(kCountingTextColor, kCountingDimTextColor);
    stop_.SetText(u"Stop");
    stop_.Move((kWidth - kStopWidth) / 2, kTextTop + bfMessage::kHeight + 5);

    scroll_.SetThemeSkin(SkinTheme::Dark);
    scroll_.Move(kWidth - 2 - scroll_.barWidth(), kTextTop);
    scroll_.SetLineStep(kScrollLineStep);
    text_.Move(2, kTextTop);

    title_.Show(true);
    close_.Show(true);
    text_.Show(true);
    messages().Set(kDeleteMessage, this, &bfMessageView::OnDelete);
}

bfMessageView::~bfMessageView() {
    StopSound();
}

void bfMessageView::ShowMessage(MessageInfo info) {
    info_ = std::move(info);
    title_.SetText(info_.title);
    text_.SetText(info_.text);  // its height comes back as command 3
    stop_.Show(info_.playSound && !info_.playOnce);
    SetAlwaysOnTop(true);
}

void bfMessageView::Show(bool show) {
    bfAbstractWindow::Show(show);
    if (show) {
        SetTransparency(transparency());
    }
}

void bfMessageView::StartSound() {
    if (!info_.playSound || info_.playOnce) {
        stop_.Show(false);
        if (info_.playSound) {
            sound_.Play(info_.soundFile);
        }
        return;
    }
    stop_.Show(true);
    if (!looping_) {
        // A file that cannot be played plays nothing; the view still waits for "Stop" or close.
        sound_.PlayLooping(info_.soundFile);
        looping_ = true;
    }
}

void bfMessageView::StopSound() {
    if (looping_) {
        sound_.Stop();
        looping_ = false;
    }
}

void bfMessageView::SetTexts(std::u16string_view stop, const WidgetMenuTexts& menu) {
    stop_.SetText(stop);
    SetWidgetMenuTexts(this->menu(), menu, kTransparencyPosition);
}

bool bfMessageView::HandleCommand(const CommandInput& command) {
    const bool fromControl = command.lParam != 0;
    if ((command.id == kCloseId && fromControl) || (command.id == menu_id::kHide && !fromControl)) {
        Close();
        return true;
    }
    if (!fromControl) {
        return false;  // the base's menu commands
    }
    switch (command.id) {
        case kScrollBarId:
            text_.ScrollTo(scroll_.position());
            return true;
        case kTextId:
            TextHeightChanged(static_cast<int>(command.lParam));
            return true;
        case kStopId:
            StopSound();
            stop_.Show(false);
            return true;
        default:
            return true;
    }
}

void bfMessageView::Close() {
    StopSound();
    Show(false);
    if (info_.deleteOnClose) {
        ::PostMessageW(window(), kDeleteMessage, 0, static_cast<LPARAM>(serial_));
    }
}

void bfMessageView::TextHeightChanged(int textHeight) {
    const int page = height() - kPageMargin;
    scroll_.SetContent(textHeight);
    scroll_.SetPage(page);
    scroll_.SetLineStep(kScrollLineStep);
    scroll_.SetPosition(0);
    const bool needed = textHeight > page;
    scroll_.Show(needed);
    text_.SetAreaWidth(needed ? kTextWidthWithScrollBar : kTextWidthAlone);
}

void bfMessageView::PaintWidget(const PaintContext& paint) {
    const RECT client{0, 0, paint.width, paint.height};
    PaintBody(paint);
    FillTiled(paint.dc, {0, 0, paint.width, kTitleBandHeight}, titleTile_.get(), 0, 0);
    FrameSolid(paint.dc, client, kWidgetFrameColor);
}

LRESULT bfMessageView::OnDelete(UINT, WPARAM, LPARAM lParam) {
    // Only this view's own request: the handle may have passed to another window meanwhile.
    if (static_cast<std::uint64_t>(lParam) == serial_ && info_.deleteOnClose && !shown()) {
        delete this;  // the last thing: nothing of the view is touched after it
    }
    return 0;
}

}  // namespace tockly
