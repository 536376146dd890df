#pragma once
// bfTextBox: a multi-line plain-text box, the system's rich edit control ("RichEdit20W" from
// "riched20.dll", loaded from the system folder) inside a toolkit frame. The owner sets its font,
// text colour and solid background, reads its scroll state and scrolls it to a line, so that a
// scroll bar of its own can drive it. The window text follows the content.
//
// Notifications: WM_COMMAND to the parent, wParam = MAKEWPARAM(id, code), lParam = the text box.
//   kContentChanged (0): the user changed the text (typing, the editing menu); SetText does not
//     report.
//   kContentScrolled (EN_VSCROLL): the line count, the first visible line or the number of visible
//     lines changed, whatever the cause (scrolling, typing, SetText, a new size or font); the new
//     values are in scrollState().
//   kEditEnded (EN_KILLFOCUS): the keyboard focus left the box.
// The rich edit reports to the box while it is still handling the input; the box posts the news to
// itself and tells the parent once the rich edit is done, so the parent may delete the box while
// it handles any of them.

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/abstract_control.h"
#include "toolkit/edit_menu.h"
#include "toolkit/font_cache.h"

namespace tockly {

// What a scroll bar beside the box shows, in lines: content, page and position.
struct TextBoxScroll {
    int lines = 0;         // EM_GETLINECOUNT: an empty box has one line
    int firstVisible = 0;  // the first line shown whole
    int visibleLines = 0;  // whole lines that fit the box's height

    bool operator==(const TextBoxScroll&) const = default;
};

class bfTextBox : public bfAbstractControl {
public:
    static constexpr int kInset = 2;
    static constexpr int kDefaultSize = 100;
    static constexpr WORD kRichEditId = 1;
    static constexpr WORD kContentChanged = 0;
    static constexpr WORD kContentScrolled = EN_VSCROLL;
    static constexpr WORD kEditEnded = EN_KILLFOCUS;

    // Throws std::runtime_error when the rich edit cannot be made.
    bfTextBox(HWND parent, WORD id, int width = kDefaultSize, int height = kDefaultSize);

    bool Resize(int width, int height) override;
    // A solid colour is the rich edit's background too.
    void SetBackgroundColor(COLORREF color) override;

    void SetText(std::u16string_view text);
    [[nodiscard]] std::u16string Text() const;
    void SetReadOnly(bool readOnly);
    // "Tahoma" 15 until set.
    void SetFont(const FontSpec& font);
    void SetTextColor(COLORREF color);
    // Scrolls so that `line` is the first visible line, as far as the content allows: the scroll
    // bar's position, in the lines of scrollState().
    void ScrollToLine(int line);

    [[nodiscard]] TextBoxScroll scrollState() const;
    [[nodiscard]] const FontSpec& font() const noexcept { return fontSpec_; }
    [[nodiscard]] COLORREF textColor() const noexcept { return textColor_; }
    [[nodiscard]] HWND richEdit() const noexcept { return richEdit_; }
    [[nodiscard]] bool editFocused() const noexcept { return editFocused_; }

protected:
    void PaintContent(const PaintContext& paint) override;

private:
    // Where a line starts, in the rich edit's client coordinates.
    int LineTop(int line) const;
    // The part of the rich edit that shows text.
    RECT TextArea() const;
    void SyncWindowText();
    void ShowEditMenu(LPARAM screenPoint);
    // Tells the parent `code` once the current message has been handled.
    void PostNotice(WORD code);
    // The scroll state may have changed: it is compared (and reported) once the rich edit is done.
    void CheckScrollLater();

    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotice(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSetFocus(const FocusInput& focus);
    LRESULT OnSetText(UINT message, WPARAM wParam, LPARAM lParam);

    HWND richEdit_ = nullptr;  // a child: it goes with the control's window
    FontSpec fontSpec_;
    SharedFont font_;
    int lineHeight_ = 1;
    COLORREF textColor_ = RGB(0, 0, 0);
    EditMenu menu_;
    TextBoxScroll reportedScroll_;
    bool scrollCheckPending_ = false;
    bool editFocused_ = false;
    bool settingText_ = false;
    bool swallowTabCharacter_ = false;
};

}  // namespace tockly
