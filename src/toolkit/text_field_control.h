#pragma once
// What bfTextEdit and bfSpinBox share on Win32: the caret, text measured in the control's font,
// selection with the mouse, the selection highlight and the scrolled text in the paint, the
// clipboard, the editing menu (resource 200), Tab to the next control and the window text kept
// equal to the content. Each derived control owns its model and decides what keys and characters
// do.
//
// The focus keeps the caret and selection a field had: only an arrival by Tab selects the whole
// text, which MoveFocusOnTab asks for as the dialog manager does (EM_SETSEL 0, -1 to a window whose
// WM_GETDLGCODE has DLGC_HASSETSEL). EM_SETSEL from the owner selects as in the platform's edit.

#include <windows.h>

#include <string>

#include "toolkit/captioned_control.h"
#include "toolkit/edit_menu.h"
#include "toolkit/text_edit_model.h"
#include "toolkit/win32_text_clipboard.h"

namespace tockly {

class TextFieldControl : public CaptionedControl {
public:
    TextFieldControl(HWND parent, WORD id, DWORD style);

    // Disabling also takes the window out of the Tab order and away from the mouse.
    void SetEnabled(bool enabled) override;

protected:
    static constexpr int kCaretHeight = 15;
    static constexpr int kTextPadding = 5;

    virtual TextEditModel& editor() = 0;
    const TextEditModel& editor() const { return const_cast<TextFieldControl*>(this)->editor(); }
    // The part of the client area the text is drawn in.
    virtual PixelRect TextArea() const = 0;
    // Text set from outside (WM_SETTEXT); returns what the window text is then.
    virtual std::u16string TakeExternalText(const std::u16string& text) = 0;
    // Whether a click, the caret and the menu act (false for a label in display mode).
    virtual bool Editing() const { return !editor().IsInactiveLabel(); }
    // Whether an arrival by Tab selects the whole text (for typing over it, or copying it).
    virtual bool SelectsAllOnTab() const { return Editing(); }
    // A key of an enabled field that Tab did not take; false when the field has no use for it
    // (the platform's default handling follows).
    virtual bool TakeKey(EditKey key, KeyModifiers modifiers) = 0;
    // A character typed into an enabled field, from 0x20 up: control characters (Tab, Enter,
    // Backspace, Ctrl+letters) arrive as keys.
    virtual void TakeCharacter(char16_t c) = 0;

    Win32TextClipboard& clipboard() noexcept { return clipboard_; }
    [[nodiscard]] static CharacterRules PlatformCharacterRules();

    // After every change of the model: scroll, caret, window text, paint.
    void UpdateView();
    void SyncWindowText();
    // A text change the user made: the view and then WM_COMMAND to the parent (last: the parent
    // may destroy the control while handling it).
    void ReportTextChange();

    void ShowCaretNow();
    void DestroyCaretNow();
    [[nodiscard]] bool caretShown() const noexcept { return caretShown_; }

    // The text with its selection, clipped to TextArea().
    void PaintText(const PaintContext& paint) const;

    // Mouse selection: a press places the caret (Shift extends), a drag extends the selection.
    void PressText(const MouseInput& mouse);
    void DragText(const MouseInput& mouse);
    [[nodiscard]] bool OverText(int x, int y) const;

    // The editing menu at the cursor (or under the caret when opened from the keyboard).
    void ShowEditMenu(LPARAM screenPoint);

private:
    // The pixel widths of every prefix of the text in the control's font (see PrefixWidths).
    [[nodiscard]] std::vector<int> MeasureText() const;
    // Where the unscrolled text starts, from its measured widths and the alignment.
    [[nodiscard]] int TextOriginX(const std::vector<int>& prefix) const;
    [[nodiscard]] int IndexAt(int x) const;

    bool OnKeyDown(const KeyInput& key);
    void OnChar(const CharInput& input);
    LRESULT OnContextMenu(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuCommand(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetSelection(UINT message, WPARAM wParam, LPARAM lParam);

    Win32TextClipboard clipboard_;
    EditMenu menu_;
    bool caretShown_ = false;
    bool syncingWindowText_ = false;
};

}  // namespace tockly
