#include "toolkit/text_field_control.h"

#include <algorithm>

#include "support/gdi_handles.h"
#include "support/wide_text.h"
#include "toolkit/focus_navigation.h"
#include "toolkit/text_menu_ids.h"
#include "toolkit/win32_edit_keys.h"

namespace tockly {
namespace {

bool PlatformIsAlphaNumeric(char16_t c) {
    return ::IsCharAlphaNumericW(static_cast<wchar_t>(c)) != FALSE;
}

char16_t PlatformToUpper(char16_t c) {
    // CharUpperW converts a single character passed in the low word of the pointer.
    const auto result = reinterpret_cast<ULONG_PTR>(
        ::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c))));
    return static_cast<char16_t>(result & 0xFFFF);
}

// The widths measured once for the model, which only ever asks for those of its own text.
PrefixWidths Measured(const std::vector<int>& prefix) {
    return [&prefix](std::u16string_view) { return prefix; };
}

struct MenuKey {
    int command;
    WPARAM key;
};
constexpr MenuKey kMenuKeys[] = {
    {menu_id::kTextCut, 'X'},          {menu_id::kTextCopy, 'C'},      {menu_id::kTextPaste, 'V'},
    {menu_id::kTextDelete, VK_DELETE}, {menu_id::kTextSelectAll, 'A'},
};

}  // namespace

TextFieldControl::TextFieldControl(HWND parent, WORD id, DWORD style)
    : CaptionedControl(parent, id, style, kTextOnField), clipboard_(window()) {
    SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);

    messages().Set(WM_KEYDOWN, this, &TextFieldControl::OnKeyDown);
    messages().Set(WM_CHAR, this, &TextFieldControl::OnChar);
    messages().Set(WM_CONTEXTMENU, this, &TextFieldControl::OnContextMenu);
    messages().Set(WM_SETTEXT, this, &TextFieldControl::OnSetText);
    messages().Set(WM_COMMAND, this, &TextFieldControl::OnMenuCommand);
    messages().Set(WM_SETCURSOR, this, &TextFieldControl::OnSetCursor);
    messages().Set(EM_SETSEL, this, &TextFieldControl::OnSetSelection);
    messages().Set(WM_GETDLGCODE, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        return DLGC_WANTCHARS | DLGC_WANTARROWS | (SelectsAllOnTab() ? DLGC_HASSETSEL : 0);
    });
    messages().Set(WM_MOUSELEAVE, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        ForgetMouseTracking();
        return 0;
    });
}

CharacterRules TextFieldControl::PlatformCharacterRules() {
    return {&PlatformIsAlphaNumeric, &PlatformToUpper};
}

void TextFieldControl::SetEnabled(bool enabled) {
    ::EnableWindow(window(), enabled ? TRUE : FALSE);
    CaptionedControl::SetEnabled(enabled);
}

std::vector<int> TextFieldControl::MeasureText() const {
    const std::u16string& text = editor().text();
    std::vector<int> widths(text.size() + 1, 0);
    if (text.empty()) {
        return widths;
    }
    WindowDc screen(nullptr);
    SelectedObject font(screen.get(), fontHandle());
    std::vector<INT> ends(text.size(), 0);
    SIZE size{};
    if (::GetTextExtentExPointW(screen.get(), reinterpret_cast<const wchar_t*>(text.data()),
                                static_cast<int>(text.size()), 0, nullptr, ends.data(), &size)) {
        std::copy(ends.begin(), ends.end(), widths.begin() + 1);
    }
    return widths;
}

int TextFieldControl::TextOriginX(const std::vector<int>& prefix) const {
    const PixelRect area = TextArea();
    const int textWidth = prefix.back();
    int offset = 0;
    if (textWidth + TextEditModel::kCaretMargin < area.width) {
        if (horizontalAlignment() == HorizontalAlignment::Centre) {
            offset = (area.width - textWidth) / 2;
        } else if (horizontalAlignment() == HorizontalAlignment::Right) {
            offset = area.width - textWidth - TextEditModel::kCaretMargin;
        }
    }
    return area.x + offset - editor().scrollOffset();
}

int TextFieldControl::IndexAt(int x) const {
    const std::vector<int> prefix = MeasureText();
    // HitTest counts from the unscrolled start of the view.
    return editor().HitTest(Measured(prefix), x - TextOriginX(prefix) - editor().scrollOffset());
}

void TextFieldControl::UpdateView() {
    const std::vector<int> prefix = MeasureText();
    editor().KeepCaretVisible(Measured(prefix), TextArea().width);
    if (caretShown_) {
        const int caretX = TextOriginX(prefix) + prefix[editor().caret()];
        ::SetCaretPos(std::clamp(caretX, TextArea().x, TextArea().right()),
                      (height() - kCaretHeight) / 2);
    }
    Repaint();
}

void TextFieldControl::SyncWindowText() {
    syncingWindowText_ = true;
    SetCaption(ToWide(editor().text()));
    syncingWindowText_ = false;
}

void TextFieldControl::ReportTextChange() {
    SyncWindowText();
    UpdateView();
    NotifyCommand();
}

void TextFieldControl::ShowCaretNow() {
    if (caretShown_ || !Editing()) {
        return;
    }
    if (::CreateCaret(window(), nullptr, 1, kCaretHeight)) {
        caretShown_ = true;
        UpdateView();
        ::ShowCaret(window());
    }
}

void TextFieldControl::DestroyCaretNow() {
    if (caretShown_) {
        ::HideCaret(window());
        ::DestroyCaret();
        caretShown_ = false;
    }
}

void TextFieldControl::PaintText(const PaintContext& paint) const {
    const TextEditModel& model = editor();
    const PixelRect area = TextArea();
    const std::wstring text = ToWide(model.text());
    const int saved = ::SaveDC(paint.dc);
    ::IntersectClipRect(paint.dc, area.x, 0, area.right(), paint.height);
    const std::vector<int> prefix = MeasureText();
    const int originX = TextOriginX(prefix);
    const PixelRect line{originX, area.y, area.right() - originX, area.height};
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
    if (model.IsInactiveLabel()) {
        // A title too long for its place ends in an ellipsis; editing shows it whole.
        format |= DT_END_ELLIPSIS;
    }
    const COLORREF color = enabled() ? textColor() : disabledTextColor();
    DrawCaption(paint.dc, line, text, fontHandle(), color, format);

    if (focused() && model.HasSelection()) {
        const RECT selection{originX + prefix[model.SelectionStart()], 2,
                             originX + prefix[model.SelectionEnd()], paint.height - 1};
        FillSolid(paint.dc, selection, ::GetSysColor(COLOR_HIGHLIGHT));
        // The selected characters again, readable on the highlight.
        ::IntersectClipRect(paint.dc, selection.left, selection.top, selection.right,
                            selection.bottom);
        DrawCaption(paint.dc, line, text, fontHandle(), ::GetSysColor(COLOR_HIGHLIGHTTEXT), format);
    }
    ::RestoreDC(paint.dc, saved);
}

bool TextFieldControl::OverText(int x, int y) const {
    const PixelRect area = TextArea();
    return x >= area.x - kTextPadding && x < area.right() + kTextPadding && y >= 0 && y < height();
}

void TextFieldControl::PressText(const MouseInput& mouse) {
    ::SetFocus(window());
    ::SetCapture(window());
    ShowCaretNow();
    editor().PlaceCaret(IndexAt(mouse.x), (mouse.keys & MK_SHIFT) != 0);
    UpdateView();
}

void TextFieldControl::DragText(const MouseInput& mouse) {
    if (!mouse.leftHeld() || ::GetCapture() != window() || !caretShown_) {
        return;
    }
    TextEditModel& model = editor();
    // Beyond the edges the text scrolls one character (an emoji's pair too) per mouse message.
    if (mouse.x < 1) {
        model.StepCaret(false, true);
    } else if (mouse.x >= width()) {
        model.StepCaret(true, true);
    } else {
        model.PlaceCaret(IndexAt(mouse.x), true);
    }
    UpdateView();
}

void TextFieldControl::ShowEditMenu(LPARAM screenPoint) {
    const TextEditModel& model = editor();
    const bool canTake = !model.isProtected() && model.HasSelection();
    const bool canChange = model.editable();
    EditMenuItems items;
    items.cut = canTake && canChange;
    items.copy = canTake;
    items.paste = canChange && !model.isProtected() && ::IsClipboardFormatAvailable(CF_UNICODETEXT);
    items.erase = canChange && model.HasSelection();
    items.selectAll = !model.isProtected() && model.length() > 0;
    // From the keyboard the menu opens under the start of the text.
    menu_.Show(window(), screenPoint, {TextArea().x, height()}, items);
}

bool TextFieldControl::OnKeyDown(const KeyInput& key) {
    if (!enabled() || MoveFocusOnTab(window(), key.key)) {
        return true;
    }
    return TakeKey(TranslateVirtualKey(key.key), KeyDownModifiers(key.data));
}

void TextFieldControl::OnChar(const CharInput& input) {
    if (enabled() && input.character >= 0x20) {
        TakeCharacter(input.character);
    }
}

LRESULT TextFieldControl::OnContextMenu(UINT, WPARAM, LPARAM lParam) {
    if (enabled() && editor().editable() && Editing()) {
        ShowEditMenu(lParam);
    }
    return 0;
}

LRESULT TextFieldControl::OnMenuCommand(UINT, WPARAM wParam, LPARAM lParam) {
    if (lParam == 0 && HIWORD(wParam) == 0) {
        for (const MenuKey& item : kMenuKeys) {
            if (LOWORD(wParam) == item.command) {
                // As the keyboard shortcut; lParam 0 counts as Ctrl held.
                ::SendMessageW(window(), WM_KEYDOWN, item.key, 0);
                return 0;
            }
        }
    }
    return 0;
}

LRESULT TextFieldControl::OnSetText(UINT message, WPARAM wParam, LPARAM lParam) {
    if (syncingWindowText_ || lParam == 0) {
        return ::DefWindowProcW(window(), message, wParam, lParam);
    }
    const std::u16string text = FromWide(reinterpret_cast<const wchar_t*>(lParam));
    if (text == editor().text()) {
        return ::DefWindowProcW(window(), message, wParam, lParam);
    }
    const std::wstring shown = ToWide(TakeExternalText(text));
    UpdateView();
    syncingWindowText_ = true;
    SetCaption(shown);
    syncingWindowText_ = false;
    return TRUE;
}

LRESULT TextFieldControl::OnSetSelection(UINT, WPARAM wParam, LPARAM lParam) {
    if (!Editing()) {
        return 0;
    }
    TextEditModel& model = editor();
    const int start = static_cast<int>(wParam);
    const int end = static_cast<int>(lParam);
    if (start < 0) {
        model.PlaceCaret(model.caret(), false);  // -1: no selection, the caret stays
    } else {
        // An end of -1 or past the text means the end of the text.
        model.Select(start, end < 0 ? model.length() : end);
    }
    UpdateView();
    return 0;
}

LRESULT TextFieldControl::OnSetCursor(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) {
        return ::DefWindowProcW(window(), message, wParam, lParam);
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(window(), &cursor);
    const bool text = Editing() && OverText(cursor.x, cursor.y);
    ::SetCursor(::LoadCursorW(nullptr, text ? IDC_IBEAM : IDC_ARROW));
    return TRUE;
}

}  // namespace tockly
