#include "toolkit/text_edit.h"

#include "support/wide_text.h"
#include "toolkit/skin_metrics.h"

namespace tockly {

bfTextEdit::bfTextEdit(HWND parent, WORD id, int width)
    : TextFieldControl(parent, id, WS_CHILD | WS_TABSTOP),
      model_(PlatformCharacterRules()),
      plateLeft_(LoadSkinResource(L"TextEdit_Left")),
      plateCentre_(LoadSkinResource(L"TextEdit_Center")),
      plateRight_(LoadSkinResource(L"TextEdit_Right")) {
    messages().Set(WM_SETFOCUS, this, &bfTextEdit::OnSetFocus);
    messages().Set(WM_KILLFOCUS, this, &bfTextEdit::OnKillFocus);
    messages().Set(WM_LBUTTONDOWN, this, &bfTextEdit::OnButtonDown);
    messages().Set(WM_LBUTTONDBLCLK, this, &bfTextEdit::OnDoubleClick);
    messages().Set(WM_MOUSEMOVE, this, &bfTextEdit::OnMouseMove);
    messages().Set(WM_LBUTTONUP, this, &bfTextEdit::OnButtonUp);
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

bool bfTextEdit::TakeKey(EditKey key, KeyModifiers modifiers) {
    if (key == EditKey::Enter && model_.displayMode()) {
        EndEditingLabel();
        return true;
    }
    const EditOutcome outcome = model_.HandleKey(key, modifiers, clipboard());
    if (outcome.textChanged) {
        ReportTextChange();
        return true;  // the parent may have deleted the field
    }
    if (outcome.handled) {
        UpdateView();
    }
    return outcome.handled;
}

void bfTextEdit::TakeCharacter(char16_t c) {
    if (model_.TypeCharacter(c)) {
        ReportTextChange();
    }
}

void bfTextEdit::OnSetFocus(const FocusInput&) {
    MarkFocused(true);
    if (Editing()) {
        ShowCaretNow();
    }
}

void bfTextEdit::OnKillFocus(const FocusInput& focus) {
    MarkFocused(false);
    DestroyCaretNow();
    EndEditingLabel();
    Repaint();
    // The owner (a widget editing its title, a page) learns that the editing ended.
    ::SendMessageW(parent(), WM_KILLFOCUS, reinterpret_cast<WPARAM>(focus.other), 0);
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
    ReleaseMouse();
}

}  // namespace tockly
