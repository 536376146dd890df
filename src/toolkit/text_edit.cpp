#include "toolkit/text_edit.h"

#include "support/wide_text.h"
#include "toolkit/focus_navigation.h"
#include "toolkit/skin_metrics.h"
#include "toolkit/win32_edit_keys.h"

namespace tockly {

bfTextEdit::bfTextEdit(HWND parent, WORD id, int width)
    : TextFieldControl(parent, id, WS_CHILD | WS_TABSTOP),
      model_(PlatformCharacterRules()),
      plateLeft_(LoadSkinResource(L"TextEdit_Left")),
      plateCentre_(LoadSkinResource(L"TextEdit_Center")),
      plateRight_(LoadSkinResource(L"TextEdit_Right")) {
    baseFocusHandler_ = *messages().Find(WM_SETFOCUS);
    messages().Set(WM_SETFOCUS, this, &bfTextEdit::OnFocusChange);
    messages().Set(WM_KILLFOCUS, this, &bfTextEdit::OnFocusChange);
    messages().Set(WM_KEYDOWN, this, &bfTextEdit::OnKeyDown);
    messages().Set(WM_CHAR, this, &bfTextEdit::OnChar);
    messages().Set(WM_CONTEXTMENU, this, &bfTextEdit::OnContextMenu);
    messages().Set(WM_LBUTTONDOWN, this, &bfTextEdit::OnButtonDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfTextEdit::OnDoubleClick);
    messages().Set(WM_MOUSEMOVE, this, &bfTextEdit::OnMouseMove);
    messages().Set(WM_LBUTTONUP, this, &bfTextEdit::OnButtonUp);
    messages().Set(WM_MOUSELEAVE, [this](UINT, WPARAM, LPARAM) -> LRESULT {
        ForgetMouseTracking();
        return 0;
    });
    Resize(width, skin::kTextEdit.height);
}

bool bfTextEdit::Resize(int width, int) {
    return TextFieldControl::Resize(
        std::max(width, MinimumThreePieceWidth(skin::kTextEdit.pieceWidth)),
        skin::kTextEdit.height);
}

void bfTextEdit::SetText(std::u16string_view text) {
    model_.SetText(text);
    SyncWindowText();
    UpdateView();
}

void bfTextEdit::SetText(std::wstring_view text) {
    SetText(FromWide(text));
}

void bfTextEdit::SetEditable(bool editable) {
    model_.SetEditable(editable);
    Repaint();
}

void bfTextEdit::SetLettersAndDigitsOnly(bool only) {
    model_.SetCharacterSet(only ? CharacterSet::LettersAndDigits : CharacterSet::Printable);
}

void bfTextEdit::SetDisplayMode(bool displayMode) {
    model_.SetDisplayMode(displayMode);
    // A label is no stop for Tab; it is reached with the mouse.
    const LONG_PTR style = ::GetWindowLongPtrW(window(), GWL_STYLE);
    ::SetWindowLongPtrW(window(), GWL_STYLE,
                        displayMode ? (style & ~WS_TABSTOP) : (style | WS_TABSTOP));
    if (displayMode) {
        DestroyCaretNow();
    }
    Repaint();
}

PixelRect bfTextEdit::TextArea() const {
    return {kTextPadding, 0, std::max(width() - 2 * kTextPadding, 1), height()};
}

std::u16string bfTextEdit::TakeExternalText(const std::u16string& text) {
    model_.SetText(text);
    return text;
}

void bfTextEdit::PaintContent(const PaintContext& paint) {
    if (!model_.IsInactiveLabel()) {
        DrawThreePieces(paint, {plateLeft_.get(), plateCentre_.get(), plateRight_.get()},
                        {0, 0, paint.width, paint.height}, skin::kTextEdit.pieceWidth);
    }
    PaintText(paint);
}

void bfTextEdit::EndEditingLabel() {
    if (model_.displayMode()) {
        model_.Deactivate();
        model_.PlaceCaret(0, false);
        DestroyCaretNow();
        UpdateView();
    }
}

LRESULT bfTextEdit::OnKeyDown(UINT message, WPARAM key, LPARAM lParam) {
    if (!enabled() || MoveFocusOnTab(window(), key)) {
        return 0;
    }
    if (key == VK_RETURN && model_.displayMode()) {
        EndEditingLabel();
        return 0;
    }
    const EditOutcome outcome =
        model_.HandleKey(TranslateVirtualKey(key), KeyDownModifiers(lParam), clipboard());
    if (!outcome.handled) {
        return ::DefWindowProcW(window(), message, key, lParam);
    }
    if (outcome.textChanged) {
        ReportTextChange();
    } else {
        UpdateView();
    }
    return 0;
}

LRESULT bfTextEdit::OnChar(UINT, WPARAM wParam, LPARAM) {
    const auto c = static_cast<char16_t>(wParam);
    // Control characters (Tab, Enter, Backspace, Ctrl+letters) arrive as keys.
    if (!enabled() || c < 0x20 || !model_.TypeCharacter(c)) {
        return 0;
    }
    ReportTextChange();
    return 0;
}

LRESULT bfTextEdit::OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam) {
    baseFocusHandler_(message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        if (Editing()) {
            // Arriving from elsewhere selects the whole text; a click places the caret afterwards.
            model_.SelectAll();
            ShowCaretNow();
        }
        return 0;
    }
    DestroyCaretNow();
    EndEditingLabel();
    Repaint();
    // The owner (a widget editing its title, a page) learns that the editing ended.
    ::SendMessageW(parent(), WM_KILLFOCUS, wParam, 0);
    return 0;
}

LRESULT bfTextEdit::OnContextMenu(UINT, WPARAM, LPARAM lParam) {
    if (enabled() && model_.editable() && Editing()) {
        ShowEditMenu(lParam);
    }
    return 0;
}

void bfTextEdit::OnButtonDown(const MouseInput& mouse) {
    if (!enabled()) {
        return;
    }
    if (model_.IsInactiveLabel()) {
        // The owner may start a drag of its window; lParam 0 tells it the click came from a label.
        ::SendMessageW(parent(), WM_COMMAND, MAKEWPARAM(id(), 0), 0);
        return;
    }
    PressText(mouse);
}

void bfTextEdit::OnDoubleClick(const MouseInput& mouse) {
    if (!enabled()) {
        return;
    }
    if (model_.IsInactiveLabel()) {
        model_.Activate();
        PressText(mouse);
        return;
    }
    model_.SelectAll();
    UpdateView();
}

void bfTextEdit::OnMouseMove(const MouseInput& mouse) {
    if (!enabled()) {
        return;
    }
    if (!mouseTracked()) {
        TrackMouse();
    }
    DragText(mouse);
}

void bfTextEdit::OnButtonUp(const MouseInput&) {
    if (::GetCapture() == window()) {
        ::ReleaseCapture();
    }
}

}  // namespace tockly
