#include "toolkit/text_box.h"

#include <richedit.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "support/gdi_handles.h"
#include "support/wide_text.h"
#include "toolkit/focus_navigation.h"
#include "toolkit/rich_edit_library.h"
#include "toolkit/text_menu_ids.h"

namespace tockly {
namespace {

// No ES_DISABLENOSCROLL: without WS_VSCROLL it has no use, and a rich edit that has it shows a
// scroll bar of its own once it scrolls (Wine's does), beside the owner's skinned one.
constexpr DWORD kRichEditStyle =
    WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
static_assert(kRichEditStyle == 0x50001044);
constexpr WPARAM kPlainTextWithUndo = TM_PLAINTEXT | TM_MULTILEVELUNDO;
// Scrolling is reported too (EN_VSCROLL), for the owner's scroll bar.
constexpr LPARAM kEventMask = ENM_CHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS | ENM_SCROLL;
// A notification for the parent, posted to the box itself: wParam is its code.
constexpr UINT kNoticeMessage = WM_USER + 0x110;
// Not a notification of its own: the scroll state is compared with what the parent last heard.
constexpr WPARAM kScrollCheck = 0xFFFF'FFFF;

int LineHeightOf(HFONT font) {
    WindowDc screen(nullptr);
    if (screen.get() == nullptr || font == nullptr) {
        return 1;
    }
    SelectedObject selected(screen.get(), font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.get(), &metrics);
    return std::max<int>(metrics.tmHeight, 1);
}

constexpr COLORREF kFrameColor = RGB(127, 127, 127);
constexpr COLORREF kFocusFrameColor = RGB(50, 70, 107);

}  // namespace

bfTextBox::bfTextBox(HWND parent, WORD id, int width, int height)
    : bfAbstractControl(parent, id, WS_CHILD) {
    if (!LoadRichEditLibrary()) {
        throw std::runtime_error("bfTextBox riched20.dll cannot be loaded");
    }
    richEdit_ = ::CreateWindowExW(0, kRichEditClass, L"", kRichEditStyle, kInset, kInset,
                                  std::max(width - 2 * kInset, 1), std::max(height - 2 * kInset, 1),
                                  window(), reinterpret_cast<HMENU>(kRichEditId),
                                  ::GetModuleHandleW(nullptr), nullptr);
    if (richEdit_ == nullptr) {
        throw std::runtime_error("bfTextBox RichEdit20W cannot be created");
    }
    // The box is the stop for Tab; its focus goes on to the rich edit inside.
    ::SetWindowLongPtrW(window(), GWL_STYLE, ::GetWindowLongPtrW(window(), GWL_STYLE) | WS_TABSTOP);
    ::SendMessageW(richEdit_, EM_SETTEXTMODE, kPlainTextWithUndo, 0);
    ::SendMessageW(richEdit_, EM_SETEVENTMASK, 0, kEventMask);
    SetFont(FontSpec{});

    messages().Set(WM_SETFOCUS, this, &bfTextBox::OnSetFocus);
    messages().Set(kNoticeMessage, this, &bfTextBox::OnNotice);
    messages().Set(WM_COMMAND, this, &bfTextBox::OnCommand);
    messages().Set(WM_NOTIFY, this, &bfTextBox::OnNotify);
    messages().Set(WM_CONTEXTMENU, this, &bfTextBox::OnContextMenu);
    messages().Set(WM_SETTEXT, this, &bfTextBox::OnSetText);
    Resize(width, height);
}

bool bfTextBox::Resize(int width, int height) {
    width = std::max(width, 2 * kInset + 1);
    height = std::max(height, 2 * kInset + 1);
    const bool ok = bfAbstractControl::Resize(width, height);
    const bool moved =
        ::MoveWindow(richEdit_, kInset, kInset, width - 2 * kInset, height - 2 * kInset, TRUE);
    CheckScrollLater();
    return moved && ok;
}

void bfTextBox::SetBackgroundColor(COLORREF color) {
    bfAbstractControl::SetBackgroundColor(color);
    ::SendMessageW(richEdit_, EM_SETBKGNDCOLOR, 0, color);
}

void bfTextBox::SetFont(const FontSpec& font) {
    SharedFont made = AcquireFont(font);
    if (!made) {
        return;
    }
    fontSpec_ = font;
    font_ = std::move(made);
    lineHeight_ = LineHeightOf(font_->handle());
    ::SendMessageW(richEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->handle()), TRUE);
    // The font replaces the whole character format, colour included.
    SetTextColor(textColor_);
}

void bfTextBox::SetTextColor(COLORREF color) {
    textColor_ = color;
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = color;  // and no CFE_AUTOCOLOR
    // Plain text has one format: SCF_ALL is the text's and the default for what is typed.
    ::SendMessageW(richEdit_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    ::InvalidateRect(richEdit_, nullptr, TRUE);
    CheckScrollLater();
}

int bfTextBox::LineTop(int line) const {
    const LPARAM start = ::SendMessageW(richEdit_, EM_LINEINDEX, line, 0);
    POINTL point{};
    // The rich edit's form: the point comes back through wParam.
    ::SendMessageW(richEdit_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), start);
    return static_cast<int>(point.y);
}

RECT bfTextBox::TextArea() const {
    RECT area{};
    ::SendMessageW(richEdit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    return area;
}

void bfTextBox::ScrollToLine(int line) {
    const int lines = static_cast<int>(::SendMessageW(richEdit_, EM_GETLINECOUNT, 0, 0));
    POINT scroll{};
    ::SendMessageW(richEdit_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    // From the line's place on the screen to its place in the text; the rich edit stops at the
    // end of the text.
    scroll.y += LineTop(std::clamp(line, 0, std::max(lines - 1, 0))) - TextArea().top;
    ::SendMessageW(richEdit_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    CheckScrollLater();
}

TextBoxScroll bfTextBox::scrollState() const {
    const RECT area = TextArea();
    TextBoxScroll state;
    state.lines = static_cast<int>(::SendMessageW(richEdit_, EM_GETLINECOUNT, 0, 0));
    state.firstVisible = static_cast<int>(::SendMessageW(richEdit_, EM_GETFIRSTVISIBLELINE, 0, 0));
    // In whole lines: a line partly scrolled out at the top does not count. At the end of the text
    // the first visible line is then the content less the page, where a scroll bar ends.
    if (state.firstVisible + 1 < state.lines && LineTop(state.firstVisible) < area.top) {
        ++state.firstVisible;
    }
    // Plain text has one font: every line is as high as the first.
    const int lineHeight = state.lines > 1 ? LineTop(1) - LineTop(0) : lineHeight_;
    state.visibleLines =
        std::max(static_cast<int>(area.bottom - area.top) / std::max(lineHeight, 1), 1);
    return state;
}

void bfTextBox::PostNotice(WORD code) {
    ::PostMessageW(window(), kNoticeMessage, code, 0);
}

void bfTextBox::CheckScrollLater() {
    if (!scrollCheckPending_) {
        scrollCheckPending_ = true;
        ::PostMessageW(window(), kNoticeMessage, kScrollCheck, 0);
    }
}

LRESULT bfTextBox::OnNotice(UINT, WPARAM wParam, LPARAM) {
    if (wParam == kEditEnded && ::GetFocus() == richEdit_) {
        return 0;  // the focus only passed through the box's own window on its way back
    }
    if (wParam != kScrollCheck) {
        ::SendMessageW(parent(), WM_COMMAND, MAKEWPARAM(id(), static_cast<WORD>(wParam)),
                       reinterpret_cast<LPARAM>(this));
        return 0;  // the parent may have deleted the box
    }
    scrollCheckPending_ = false;
    const TextBoxScroll state = scrollState();
    if (state != reportedScroll_) {
        reportedScroll_ = state;
        ::SendMessageW(parent(), WM_COMMAND, MAKEWPARAM(id(), kContentScrolled),
                       reinterpret_cast<LPARAM>(this));
    }
    return 0;
}

void bfTextBox::SetText(std::u16string_view text) {
    settingText_ = true;
    ::SetWindowTextW(richEdit_, ToWide(text).c_str());
    settingText_ = false;
    SyncWindowText();
}

std::u16string bfTextBox::Text() const {
    const int length = ::GetWindowTextLengthW(richEdit_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(richEdit_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return FromWide(text);
}

void bfTextBox::SetReadOnly(bool readOnly) {
    ::SendMessageW(richEdit_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void bfTextBox::SyncWindowText() {
    settingText_ = true;
    SetCaption(ToWide(Text()));
    settingText_ = false;
}

void bfTextBox::PaintContent(const PaintContext& paint) {
    const RECT frame{kInset - 1, kInset - 1, paint.width - kInset + 1, paint.height - kInset + 1};
    FrameSolid(paint.dc, frame, editFocused_ ? kFocusFrameColor : kFrameColor);
}

void bfTextBox::ShowEditMenu(LPARAM screenPoint) {
    CHARRANGE selection{};
    ::SendMessageW(richEdit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const bool selected = selection.cpMax > selection.cpMin;
    const bool writable = (::GetWindowLongPtrW(richEdit_, GWL_STYLE) & ES_READONLY) == 0;
    EditMenuItems items;
    items.cut = selected && writable;
    items.copy = selected;
    items.paste = writable && ::SendMessageW(richEdit_, EM_CANPASTE, 0, 0) != 0;
    items.erase = selected && writable;
    items.selectAll = ::GetWindowTextLengthW(richEdit_) > 0;
    ::SetFocus(richEdit_);
    menu_.Show(window(), screenPoint, {kInset, kInset}, items);
}

LRESULT bfTextBox::OnCommand(UINT, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) == richEdit_) {
        switch (HIWORD(wParam)) {
            case EN_CHANGE:
                if (!settingText_) {
                    SyncWindowText();
                    PostNotice(kContentChanged);
                }
                CheckScrollLater();
                return 0;
            case EN_VSCROLL:
                CheckScrollLater();
                return 0;
            case EN_SETFOCUS:
            case EN_KILLFOCUS:
                editFocused_ = HIWORD(wParam) == EN_SETFOCUS;
                Repaint();
                if (!editFocused_) {
                    PostNotice(kEditEnded);
                }
                return 0;
            default:
                return 0;
        }
    }
    if (lParam == 0 && HIWORD(wParam) == 0) {
        switch (LOWORD(wParam)) {
            case menu_id::kTextCut:
                ::SendMessageW(richEdit_, WM_CUT, 0, 0);
                break;
            case menu_id::kTextCopy:
                ::SendMessageW(richEdit_, WM_COPY, 0, 0);
                break;
            case menu_id::kTextPaste:
                ::SendMessageW(richEdit_, WM_PASTE, 0, 0);
                break;
            case menu_id::kTextDelete:
                ::SendMessageW(richEdit_, WM_CLEAR, 0, 0);
                break;
            case menu_id::kTextSelectAll:
                ::SendMessageW(richEdit_, EM_SETSEL, 0, -1);
                break;
            default:
                break;
        }
    }
    return 0;
}

LRESULT bfTextBox::OnNotify(UINT, WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->hwndFrom != richEdit_ || header->code != EN_MSGFILTER) {
        return 0;
    }
    const auto* filter = reinterpret_cast<const MSGFILTER*>(lParam);
    // Keys and the mouse may scroll the text (the rich edit does not report every way it scrolls).
    CheckScrollLater();
    if (filter->msg == WM_KEYDOWN && filter->wParam == VK_TAB && MoveFocusOnTab(window(), VK_TAB)) {
        // The Tab moved the focus on; its character, already queued, must not land in the text.
        swallowTabCharacter_ = true;
        return 1;
    }
    if (filter->msg == WM_CHAR && filter->wParam == L'\t' && swallowTabCharacter_) {
        swallowTabCharacter_ = false;
        return 1;
    }
    return 0;
}

LRESULT bfTextBox::OnContextMenu(UINT, WPARAM, LPARAM lParam) {
    ShowEditMenu(lParam);
    return 0;
}

void bfTextBox::OnSetFocus(const FocusInput&) {
    MarkFocused(true);
    ::SetFocus(richEdit_);  // the box's focus is its rich edit's
}

LRESULT bfTextBox::OnSetText(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!settingText_ && lParam != 0) {
        settingText_ = true;
        ::SetWindowTextW(richEdit_, reinterpret_cast<const wchar_t*>(lParam));
        settingText_ = false;
    }
    return ::DefWindowProcW(window(), message, wParam, lParam);
}

}  // namespace tockly
