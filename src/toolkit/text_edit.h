#pragma once
// bfTextEdit: the toolkit's single-line editor on a skinned plate, with caret, selection,
// horizontal scrolling, the clipboard and the editing menu. In display mode it is a label that a
// double click turns into an editor (how the desktop widgets let their titles be edited).

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/text_edit_model.h"
#include "toolkit/text_field_control.h"

namespace tockly {

class bfTextEdit : public TextFieldControl {
public:
    bfTextEdit(HWND parent, WORD id, int width);

    // The height is always the plate's.
    bool Resize(int width, int height) override;

    void SetText(std::u16string_view text);
    void SetText(std::wstring_view text);
    [[nodiscard]] const std::u16string& Text() const { return model_.text(); }

    void SetMaxLength(int maxLength) { model_.SetMaxLength(maxLength); }
    void SetEditable(bool editable);
    void SetLettersAndDigitsOnly(bool only);
    void SetUpperCase(bool upperCase) { model_.SetUpperCase(upperCase); }
    void SetProtected(bool isProtected) { model_.SetProtected(isProtected); }
    // A label until a double click; it becomes a label again when it loses the focus or on Enter.
    void SetDisplayMode(bool displayMode);
    [[nodiscard]] bool activated() const {
        return model_.displayMode() && !model_.IsInactiveLabel();
    }

    [[nodiscard]] const TextEditModel& model() const { return model_; }

protected:
    TextEditModel& editor() override { return model_; }
    PixelRect TextArea() const override;
    std::u16string TakeExternalText(const std::u16string& text) override;
    bool TakeKey(EditKey key, KeyModifiers modifiers) override;
    void TakeCharacter(char16_t c) override;
    void PaintContent(const PaintContext& paint) override;

private:
    void OnSetFocus(const FocusInput& focus);
    void OnKillFocus(const FocusInput& focus);
    void OnButtonDown(const MouseInput& mouse);
    void OnDoubleClick(const MouseInput& mouse);
    void OnMouseMove(const MouseInput& mouse);
    void OnButtonUp(const MouseInput& mouse);
    void EndEditingLabel();

    TextEditModel model_;
    SharedBitmap plateLeft_;
    SharedBitmap plateCentre_;
    SharedBitmap plateRight_;
};

}  // namespace tockly
