#include "ui/task_item.h"

#include <string>

#include "support/gdi_handles.h"
#include "support/wide_text.h"
#include "toolkit/skin_drawing.h"
#include "ui/page_controls.h"
#include "widgets/widget_skin_files.h"

namespace tockly {
namespace {

constexpr WORD kTitleId = 0;
constexpr WORD kShowId = 1;
constexpr WORD kPlayId = 2;
constexpr WORD kRemoveId = 3;
constexpr WORD kNumberId = 4;

constexpr int kLabelY = 2;
constexpr int kLabelHeight = 20;
constexpr int kNumberX = 1;
constexpr int kNumberWidth = 25;
constexpr int kTitleX = 28;
constexpr int kTitleWidth = 82;
constexpr int kToggleWidth = 17;
constexpr int kShowX = 112;
constexpr int kPlayX = 131;
constexpr int kRemoveX = 150;

// A title too long for its column ends in an ellipsis.
class RowTitle final : public bfStaticText {
public:
    using bfStaticText::bfStaticText;

protected:
    void PaintContent(const PaintContext& paint) override {
        PaintCaption(paint, {0, 0, paint.width, paint.height},
                     DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
};

void PlaceLabel(bfStaticText& label, int x, HorizontalAlignment alignment) {
    label.LoadBackgroundBitmapFile(kMainTile);
    label.SetTextColors(kTextOnMainWindow.enabled, kTextOnMainWindow.disabled);
    label.SetFontHeight(13);
    label.SetAlignment(alignment, VerticalAlignment::Centre);
    label.Move(x, kLabelY);
    label.Show(true);
}

void PlaceToggle(bfButton& toggle, int x, const char16_t* icon, const char16_t* onIcon) {
    toggle.SetCustomSkin(ModernButtonSkin(), skin::kModernButton);
    toggle.Resize(kToggleWidth, kLabelHeight);
    toggle.SetIconFiles(icon, {}, onIcon);
    toggle.SetToggleButton(true);
    toggle.SetAllowUncheck(true);
    toggle.LoadBackgroundBitmapFile(kMainTile);
    toggle.SetCaptionShown(false);
    toggle.Move(x, kLabelY);
}

void SetTextIfChanged(bfStaticText& label, const std::u16string& text) {
    if (label.Text() != ToWide(text)) {
        label.SetText(text);
    }
}

void SetToggle(bfButton& toggle, bool present, bool on) {
    if (toggle.checked() != on) {
        toggle.SetChecked(on);
    }
    if (toggle.visible() != present) {
        toggle.Show(present);
    }
}

}  // namespace

bfTaskItem::bfTaskItem(HWND parent)
    : bfAbstractWindow(parent, WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT),
      buffer_(PaintBuffer::ForThisThread()),
      tile_(LoadSkinFile(kMainTile)),
      number_(window(), kNumberId, kNumberWidth, kLabelHeight),
      title_(std::make_unique<RowTitle>(window(), kTitleId, kTitleWidth, kLabelHeight)),
      show_(window(), kShowId, kToggleWidth),
      play_(window(), kPlayId, kToggleWidth),
      remove_(window(), kRemoveId, kToggleWidth) {
    Resize(kWidth, kHeight);
    PlaceLabel(number_, kNumberX, HorizontalAlignment::Centre);
    PlaceLabel(*title_, kTitleX, HorizontalAlignment::Left);
    PlaceToggle(show_, kShowX, u"data\\bitmaps\\13_show_icon.bmp",
                u"data\\bitmaps\\13_show_clicked_icon.bmp");
    PlaceToggle(play_, kPlayX, u"data\\bitmaps\\13_play_icon.bmp",
                u"data\\bitmaps\\13_play_clicked_icon.bmp");
    PlaceToggle(remove_, kRemoveX, u"data\\bitmaps\\13_remove_icon.bmp",
                u"data\\bitmaps\\13_remove_clicked_icon.bmp");

    MessageMap& map = messages();
    map.Set(WM_PAINT, this, &bfTaskItem::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_LBUTTONDOWN, this, &bfTaskItem::OnLeftDown);
    map.Set(WM_COMMAND, [this](UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
        OnCommand(wParam, lParam);
        return 0;
    });
}

bfTaskItem::~bfTaskItem() {
    messages().Clear();
}

LRESULT bfTaskItem::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

void bfTaskItem::Bind(const TaskRow& row, int number, bool selected) {
    taskId_ = row.id;
    SetTextIfChanged(number_, FromWide(std::to_wstring(number)));
    SetTextIfChanged(*title_, row.title);
    SetToggle(show_, true, row.shown);
    SetToggle(play_, row.hasPlay, row.running);
    SetToggle(remove_, row.hasRemoveAfterEnd, row.removeAfterEnd);
    if (selected_ != selected) {
        selected_ = selected;
        ::InvalidateRect(window(), nullptr, FALSE);
    }
}

void bfTaskItem::MoveTo(int y) {
    if (y_ == y && shown()) {
        return;
    }
    y_ = y;
    ::SetWindowPos(window(), nullptr, 0, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void bfTaskItem::SetToggleNames(const ToggleNames& names) {
    show_.SetText(names.show);
    play_.SetText(names.play);
    remove_.SetText(names.removeAfterEnd);
}

void bfTaskItem::OnPaint() {
    PaintDc paint(window());
    const RECT client{0, 0, kWidth, kHeight};
    const auto draw = [&](HDC dc) {
        if (!FillTiled(dc, client, tile_.get(), 0, 0)) {
            FillSolid(dc, client, RGB(0x37, 0x37, 0x37));
        }
        FrameSolid(dc, client, selected_ ? kSelectedBorder : kBorder);
    };
    if (PaintBuffer::Lease lease = buffer_->Acquire(kWidth, kHeight)) {
        draw(lease.dc());
        ::BitBlt(paint.get(), 0, 0, kWidth, kHeight, lease.dc(), 0, 0, SRCCOPY);
        return;
    }
    draw(paint.get());
}

void bfTaskItem::OnLeftDown(const MouseInput&) {
    Report(kSelect, true);
}

void bfTaskItem::OnCommand(WPARAM wParam, LPARAM lParam) {
    bfAbstractControl* control = bfAbstractControl::FromCommand(lParam);
    if (control == nullptr) {
        return;
    }
    switch (LOWORD(wParam)) {
        case kTitleId:
        case kNumberId:
            Report(kSelect, true);
            return;
        case kShowId:
            Report(kShowToggle, show_.checked());
            return;
        case kPlayId:
            Report(kPlayToggle, play_.checked());
            return;
        case kRemoveId:
            Report(kRemoveToggle, remove_.checked());
            return;
        default:
            return;
    }
}

void bfTaskItem::Report(WORD what, bool state) const {
    ::SendMessageW(::GetParent(window()), WM_COMMAND, MAKEWPARAM(what, taskId_), state ? 1 : 0);
}

HeaderIcon::HeaderIcon(HWND parent, std::wstring_view icon)
    : bfStaticText(parent, 0, kToggleWidth, kLabelHeight), icon_(LoadSkinFile(icon)) {}

void HeaderIcon::PaintContent(const PaintContext& paint) {
    if (icon_) {
        DrawSkinAt(paint, icon_.get(), (paint.width - icon_->width()) / 2,
                   (paint.height - icon_->height()) / 2);
    }
}

}  // namespace tockly
