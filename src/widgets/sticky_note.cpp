#include "widgets/sticky_note.h"

#include <richedit.h>

#include <algorithm>

#include "support/wide_text.h"
#include "toolkit/skin_metrics.h"
#include "widgets/menu_ids.h"
#include "widgets/note_text.h"
#include "widgets/owner_notices.h"
#include "widgets/widget_skin_files.h"

namespace tockly {
namespace {

struct NoteTheme {
    SkinTheme skin;
    const wchar_t* titleTile;
    const wchar_t* bodyTile;
    const char16_t* crossIcon;
    const char16_t* plusIcon;
    COLORREF frame;
    COLORREF text;
    COLORREF content;
};

constexpr NoteTheme kThemes[bfStickyNote::kThemeCount] = {
    {SkinTheme::Dark, L"data\\bitmaps\\18_dark_title_bkg.bmp", L"data\\bitmaps\\18_dark_bkg.bmp",
     u"data\\bitmaps\\8_dark_cross_icon.bmp", u"data\\bitmaps\\8_dark_plus_icon.bmp",
     RGB(109, 109, 109), RGB(255, 255, 255), RGB(41, 41, 41)},
    {SkinTheme::Light, L"data\\bitmaps\\18_light_title_bkg.bmp", L"data\\bitmaps\\18_light_bkg.bmp",
     u"data\\bitmaps\\8_light_cross_icon.bmp", u"data\\bitmaps\\8_light_plus_icon.bmp",
     RGB(170, 170, 170), RGB(0, 0, 0), RGB(235, 235, 235)},
    {SkinTheme::Yellow, L"data\\bitmaps\\18_yellow_title_bkg.bmp",
     L"data\\bitmaps\\18_yellow_bkg.bmp", u"data\\bitmaps\\8_light_cross_icon.bmp",
     u"data\\bitmaps\\8_light_plus_icon.bmp", RGB(196, 187, 83), RGB(0, 0, 0), RGB(253, 253, 196)},
};

constexpr int kTinyButtonWidth = 14;
constexpr std::size_t kTypingRoom = 1u << 16;
const FontSpec kTitleFont{L"Georgia", 16, 500, false};
const FontSpec kContentFont{L"Segoe Print", 16, FW_NORMAL, false};

LPCWSTR CursorResource(NoteCursor cursor) {
    switch (cursor) {
        case NoteCursor::Move:
            return IDC_SIZEALL;
        case NoteCursor::SizeWestEast:
            return IDC_SIZEWE;
        case NoteCursor::SizeNorthSouth:
            return IDC_SIZENS;
        case NoteCursor::SizeNorthWestSouthEast:
            return IDC_SIZENWSE;
        case NoteCursor::SizeNorthEastSouthWest:
            return IDC_SIZENESW;
        case NoteCursor::Arrow:
            break;
    }
    return IDC_ARROW;
}

void ShowCursorOf(NoteZone zone) {
    ::SetCursor(::LoadCursorW(nullptr, CursorResource(CursorOfZone(zone))));
}

void Place(bfAbstractControl& control, const PixelRect& rect) {
    control.Move(rect.x, rect.y);
    control.Resize(rect.width, rect.height);
}

}  // namespace

bfStickyNote::bfStickyNote(HWND owner, WORD widgetId)
    : bfAbstractWidget(owner, widgetId,
                       {WidgetFamily::StickyNote, kStickyNoteMinWidth, kStickyNoteMinHeight,
                        u"StickyNote_PopupMenu"}),
      hideButton_(window(), kHideButtonId, kTinyButtonWidth),
      plusButton_(window(), kPlusButtonId, kTinyButtonWidth),
      title_(window(), kTitleId, kStickyNoteMinWidth),
      content_(window(), kContentId),
      scrollBar_(window(), kScrollBarId, kStickyNoteMinHeight) {
    title_.SetDisplayMode(true);
    title_.SetFont(kTitleFont);
    content_.SetFont(kContentFont);
    AllowContent(kMostContentUnits);
    scrollBar_.SetLineStep(1);
    AddDragLabel(kTitleId);
    SetTheme(0);
    LayOut();
    for (bfAbstractControl* control : std::initializer_list<bfAbstractControl*>{
             &hideButton_, &plusButton_, &title_, &content_, &scrollBar_}) {
        control->Show(true);
    }
    ChainMouse(WM_LBUTTONDOWN, &bfStickyNote::OnLeftDown);
    ChainMouse(WM_MOUSEMOVE, &bfStickyNote::OnMouseMove);
    ChainMouse(WM_LBUTTONUP, &bfStickyNote::OnLeftUp);
    const MessageMap::Handler baseCaptureChanged = *messages().Find(WM_CAPTURECHANGED);
    messages().Set(WM_CAPTURECHANGED, [this, baseCaptureChanged](UINT m, WPARAM w, LPARAM l) {
        OnCaptureChanged(m, w, l);
        return baseCaptureChanged(m, w, l);
    });
    messages().Set(WM_SETCURSOR, this, &bfStickyNote::OnSetCursor);
}

void bfStickyNote::ApplyRecord(const StickyNoteTask& record) {
    title_.SetText(record.title);
    const std::u16string text = NoteBoxText(record.content);
    AllowContent(text.size());
    content_.SetText(text);
    SetTheme(record.theme);
    Resize(record.width, record.height);
    MoveTo(record.x, record.y);
    SetAlwaysOnTop(record.alwaysOnTop);
    SetTransparency(record.transparency);
}

StickyNoteTask bfStickyNote::Record() const {
    StickyNoteTask record;
    record.title = title_.Text();
    record.content = content_.Text();
    record.theme = theme_;
    record.shown = shown();
    record.alwaysOnTop = alwaysOnTop();
    record.x = x();
    record.y = y();
    record.width = width();
    record.height = height();
    record.transparency = transparency();
    return record;
}

void bfStickyNote::SetTheme(int theme) {
    theme_ = theme >= 0 && theme < kThemeCount ? theme : 0;
    const NoteTheme& look = kThemes[theme_];
    if (menu() != nullptr) {
        menu()->CheckOnly(menu_id::kDarkTheme, menu_id::kYellowTheme, menu_id::kDarkTheme + theme_);
    }
    titleTile_ = LoadSkinFile(look.titleTile);
    bodyTile_ = LoadSkinFile(look.bodyTile);
    for (bfButton* button : {&hideButton_, &plusButton_}) {
        button->SetCustomSkin(TinyButtonSkin(look.skin), skin::kTinyButton);
        button->SetIconFiles(button == &hideButton_ ? look.crossIcon : look.plusIcon);
        button->LoadBackgroundBitmapFile(look.titleTile);
    }
    title_.LoadBackgroundBitmapFile(look.titleTile);
    title_.SetTextColors(look.text, look.text);
    content_.SetBackgroundColor(look.content);
    content_.SetTextColor(look.text);
    scrollBar_.SetThemeSkin(look.skin);
    scrollBar_.LoadBackgroundBitmapFile(look.bodyTile);
    LayOut();  // the new skins' sizes
    Refresh();
    for (bfAbstractControl* control : std::initializer_list<bfAbstractControl*>{
             &hideButton_, &plusButton_, &title_, &content_, &scrollBar_}) {
        control->Repaint();
    }
}

void bfStickyNote::SetTexts(const StickyNoteTexts& texts) {
    OwnerDrawnMenu* popup = menu();
    if (popup == nullptr) {
        return;
    }
    // The Transparency and Change theme style submenus have no command: they go by position.
    popup->SetItemText(MenuPlace::Command(menu_id::kAlwaysOnTop), texts.alwaysOnTop);
    popup->SetItemText(MenuPlace::Position({1}), texts.transparency);
    popup->SetItemText(MenuPlace::Position({3}), texts.changeTheme);
    popup->SetItemText(MenuPlace::Command(menu_id::kDarkTheme), texts.darkTheme);
    popup->SetItemText(MenuPlace::Command(menu_id::kLightTheme), texts.lightTheme);
    popup->SetItemText(MenuPlace::Command(menu_id::kYellowTheme), texts.yellowTheme);
    popup->SetItemText(MenuPlace::Command(menu_id::kHide), texts.hide);
    popup->SetItemText(MenuPlace::Command(menu_id::kRemove), texts.remove);
}

bool bfStickyNote::Resize(int width, int height) {
    const bool resized = bfAbstractWidget::Resize(std::max(width, kStickyNoteMinWidth),
                                                  std::max(height, kStickyNoteMinHeight));
    LayOut();
    return resized;
}

bool bfStickyNote::HandleCommand(const CommandInput& command) {
    const bool fromControl = command.lParam != 0;
    if (fromControl && command.id == kHideButtonId) {
        HideByUser();
        return true;
    }
    if (fromControl && command.id == kPlusButtonId) {
        SendWidgetEvent(kNewNoteEvent);
        return true;
    }
    if (fromControl && command.id == kTitleId) {
        // Both only while changes are reported; the owner may destroy the note meanwhile.
        if (reportChanges()) {
            SendEventThenChanged(*this, kTitleEditedEvent, true);
        }
        return true;
    }
    if (fromControl && command.id == kContentId) {
        switch (command.code) {
            case bfTextBox::kContentChanged:
                return HandleCommand({kContentChangedCommand, 0, 0});
            case bfTextBox::kContentScrolled:
                SyncScrollBar();
                return true;
            case bfTextBox::kEditEnded:
                return HandleCommand({kContentEditEndedCommand, 0, 0});
            default:
                return true;
        }
    }
    if (fromControl && command.id == kScrollBarId) {
        content_.ScrollToLine(command.code);
        return true;
    }
    switch (command.id) {
        case menu_id::kDarkTheme:
        case menu_id::kLightTheme:
        case menu_id::kYellowTheme:
            if (fromControl) {
                return false;
            }
            SetTheme(command.id - menu_id::kDarkTheme);
            SendWidgetChanged();
            return true;
        case kLayoutCommand:
            LayOut();
            return true;
        case kScrollContentCommand:
            ScrollContent(static_cast<int>(command.lParam));
            return true;
        case kContentChangedCommand:
            // Record() reads the content from the box, where it is whole; the box may show
            // another line count now.
            LayOut();
            return true;
        case kContentEditEndedCommand:
            SendWidgetChanged();
            return true;
        default:
            return false;
    }
}

void bfStickyNote::PaintWidget(const PaintContext& paint) {
    const NoteTheme& look = kThemes[theme_];
    const RECT band{0, 0, paint.width, kNoteTitleBandHeight};
    // The body shares the band's last row, so one line parts them.
    const RECT body{0, kNoteTitleBandHeight - 1, paint.width, paint.height};
    if (!FillTiled(paint.dc, body, bodyTile_.get(), 0, 0)) {
        FillSolid(paint.dc, body, look.content);
    }
    if (!FillTiled(paint.dc, band, titleTile_.get(), 0, 0)) {
        FillSolid(paint.dc, band, look.content);
    }
    FrameSolid(paint.dc, body, look.frame);
    FrameSolid(paint.dc, band, look.frame);
}

void bfStickyNote::ChainMouse(UINT message, bool (bfStickyNote::*handler)(const MouseInput&)) {
    const MessageMap::Handler base = *messages().Find(message);
    messages().Set(message, [this, handler, base](UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if ((this->*handler)(MouseInput::From(w, l))) {
            return 0;
        }
        return base(m, w, l);
    });
}

bool bfStickyNote::OnLeftDown(const MouseInput& mouse) {
    const NoteZone zone = NoteZoneAt(mouse.x, mouse.y, width(), height());
    if (!IsResizeZone(zone)) {
        return false;  // the base moves the note from its title band
    }
    RECT rect{};
    ::GetWindowRect(window(), &rect);
    resize_ = {zone, {}, {rect.left, rect.top, rect.right, rect.bottom}};
    ::GetCursorPos(&resize_.press);
    ::SetCapture(window());
    ::SetFocus(window());
    ShowCursorOf(zone);
    return true;
}

bool bfStickyNote::OnMouseMove(const MouseInput& mouse) {
    if (resize_.zone != NoteZone::None) {
        FollowPointer();
        return true;
    }
    if (!mouse.leftHeld()) {
        ShowCursorOf(NoteZoneAt(mouse.x, mouse.y, width(), height()));
    }
    return false;
}

void bfStickyNote::FollowPointer() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const NoteRect wanted = ResizeNote(resize_.zone, resize_.start, cursor.x - resize_.press.x,
                                       cursor.y - resize_.press.y);
    RECT rect{};
    ::GetWindowRect(window(), &rect);
    if (wanted == NoteRect{rect.left, rect.top, rect.right, rect.bottom}) {
        return;
    }
    // One move for position and size, so that the side that stays never shakes; then the base
    // learns the new place and size (the same again: nothing moves).
    ::SetWindowPos(window(), nullptr, wanted.left, wanted.top, wanted.width(), wanted.height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    MoveTo(wanted.left, wanted.top);
    Resize(wanted.width(), wanted.height());
    Refresh();
}

bool bfStickyNote::OnLeftUp(const MouseInput&) {
    if (!EndResize()) {
        return false;  // the base ends a move
    }
    SendWidgetChanged();
    return true;
}

bool bfStickyNote::EndResize() {
    if (resize_.zone == NoteZone::None) {
        return false;
    }
    resize_.zone = NoteZone::None;  // before the capture goes, which would end it again
    if (::GetCapture() == window()) {
        ::ReleaseCapture();
    }
    ShowCursorOf(NoteZone::None);
    return true;
}

LRESULT bfStickyNote::OnCaptureChanged(UINT, WPARAM, LPARAM lParam) {
    // Another window took the mouse in the middle of a resize: the note keeps the size it has.
    if (reinterpret_cast<HWND>(lParam) != window() && EndResize()) {
        SendWidgetChanged();
    }
    return 0;
}

LRESULT bfStickyNote::OnSetCursor(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) == HTCLIENT) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(window(), &cursor);
        const NoteZone zone = NoteZoneAt(cursor.x, cursor.y, width(), height());
        if (IsResizeZone(zone)) {
            ShowCursorOf(zone);
            return TRUE;
        }
    }
    return ::DefWindowProcW(window(), message, wParam, lParam);
}

void bfStickyNote::LayOut() {
    const StickyNoteLayout layout = LayOutStickyNote(width(), height());
    Place(title_, layout.title);
    Place(plusButton_, layout.plusButton);
    Place(hideButton_, layout.hideButton);
    Place(content_, layout.content);
    Place(scrollBar_, layout.scrollBar);
    SetDragArea({0, 0, layout.titleBand.width, layout.titleBand.height});
}

void bfStickyNote::SyncScrollBar() {
    const TextBoxScroll state = content_.scrollState();
    scrollBar_.SetContent(state.lines);
    scrollBar_.SetPage(state.visibleLines);
    scrollBar_.SetPosition(state.firstVisible);
}

void bfStickyNote::ScrollContent(int lines) {
    ::SendMessageW(content_.richEdit(), EM_LINESCROLL, 0, lines);
    SyncScrollBar();
}

void bfStickyNote::AllowContent(std::size_t units) {
    // A rich edit refuses keys past its limit (32,767 units unless told): room for what the note
    // holds and more.
    const std::size_t limit = std::max(units + kTypingRoom, kMostContentUnits);
    ::SendMessageW(content_.richEdit(), EM_EXLIMITTEXT, 0, static_cast<LPARAM>(limit));
}

}  // namespace tockly
