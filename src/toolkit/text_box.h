#pragma once
// bfTextBox: a multi-line plain-text box, the system's rich edit control ("RichEdit20W" from
// "riched20.dll", loaded from the system folder) inside a toolkit frame. Its changes reach the
// parent as WM_COMMAND from the text box; the window text follows the content.

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/abstract_control.h"
#include "toolkit/edit_menu.h"
#include "toolkit/font_cache.h"

namespace tockly {

class bfTextBox : public bfAbstractControl {
public:
    static constexpr int kInset = 2;
    static constexpr int kDefaultSize = 100;
    static constexpr WORD kRichEditId = 1;

    // Throws std::runtime_error when the rich edit cannot be made.
    bfTextBox(HWND parent, WORD id, int width = kDefaultSize, int height = kDefaultSize);

    bool Resize(int width, int height) override;
    // A solid colour is the rich edit's background too.
    void SetBackgroundColor(COLORREF color) override;

    void SetText(std::u16string_view text);
    [[nodiscard]] std::u16string Text() const;
    void SetReadOnly(bool readOnly);

    [[nodiscard]] HWND richEdit() const noexcept { return richEdit_; }
    [[nodiscard]] bool editFocused() const noexcept { return editFocused_; }

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    void SyncWindowText();
    void ShowEditMenu(LPARAM screenPoint);

    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSetFocus(const FocusInput& focus);
    LRESULT OnSetText(UINT message, WPARAM wParam, LPARAM lParam);

    HWND richEdit_ = nullptr;  // a child: it goes with the control's window
    SharedFont font_;
    EditMenu menu_;
    bool editFocused_ = false;
    bool settingText_ = false;
    bool swallowTabCharacter_ = false;
};

}  // namespace tockly
