#pragma once
// bfStickyNote: a note on the desktop. A title band with the title (a label that a double click
// makes editable) and two tiny buttons (hide, and plus: a new note beside this one), and the
// content, a multi-line text box the user types into, with the theme's narrow scroll bar. Three
// themes (dark, light, yellow) colour it all. The title band moves the note; its four edges and
// four corners resize it, never below 185 x 175 (note_resize.h). No worker: it never ends.
//
// The content is the user's writing: Record() reads it from the box itself, so a save at any
// moment holds the last edit exactly, and the box takes far longer texts than a rich edit's
// default 32,767 characters (and never fewer than a loaded note holds), so no text is cut. A
// content from the store gets its line breaks as CR LF (note_text.h), which the box keeps.
//
// Notifications (family 2): `Hidden` (0), title edited (3), `RemoveRequest` (4), a new note
// wanted (6), and `WidgetChanged` after a move, a resize, a theme or menu choice, hiding, a title
// edit and the end of a content edit.

#include <windows.h>

#include <cstddef>
#include <string>

#include "tasks/task_records.h"
#include "toolkit/button.h"
#include "toolkit/text_box.h"
#include "toolkit/text_edit.h"
#include "toolkit/vscroll_bar.h"
#include "widgets/abstract_widget.h"
#include "widgets/note_resize.h"

namespace tockly {

// The texts of the note's menu, from the language table.
struct StickyNoteTexts {
    std::u16string alwaysOnTop;
    std::u16string transparency;
    std::u16string changeTheme;
    std::u16string darkTheme;
    std::u16string lightTheme;
    std::u16string yellowTheme;
    std::u16string hide;
    std::u16string remove;
};

class bfStickyNote final : public bfAbstractWidget {
public:
    static constexpr WORD kHideButtonId = 0;
    static constexpr WORD kPlusButtonId = 1;
    static constexpr WORD kTitleId = 2;
    static constexpr WORD kContentId = 3;
    static constexpr WORD kScrollBarId = 4;
    // Commands of the note itself (WM_COMMAND with this id in the low word).
    static constexpr WORD kLayoutCommand = 1000;
    static constexpr WORD kScrollContentCommand = 1001;  // lParam: lines, up when negative
    static constexpr WORD kContentChangedCommand = 1002;
    static constexpr WORD kContentEditEndedCommand = 1003;
    // Event codes of the sticky note family besides `Hidden` and `RemoveRequest`.
    static constexpr int kTitleEditedEvent = 3;
    static constexpr int kNewNoteEvent = 6;
    // The content the box takes at least, in UTF-16 code units.
    static constexpr std::size_t kMostContentUnits = 1u << 20;
    static constexpr int kThemeCount = 3;

    bfStickyNote(HWND owner, WORD widgetId);

    // Title, content, theme, size (at least the smallest), position, always on top, transparency.
    void ApplyRecord(const StickyNoteTask& record);
    // What the store saves: the texts as the controls hold them now, and the window's state.
    StickyNoteTask Record() const;

    // 0 dark, 1 light, 2 yellow (anything else is dark): checks its menu item only and recolours
    // the note, keeping its texts.
    void SetTheme(int theme);
    int theme() const noexcept { return theme_; }
    void SetTexts(const StickyNoteTexts& texts);

    // The size, at least the smallest; the controls follow.
    bool Resize(int width, int height) override;

    bfTextEdit& title() noexcept { return title_; }
    bfTextBox& content() noexcept { return content_; }
    bfVScrollBar& scrollBar() noexcept { return scrollBar_; }
    bfButton& hideButton() noexcept { return hideButton_; }
    bfButton& plusButton() noexcept { return plusButton_; }
    // The zone a resize in progress follows, or None.
    NoteZone resizing() const noexcept { return resize_.zone; }

protected:
    bool HandleCommand(const CommandInput& command) override;
    void PaintWidget(const PaintContext& paint) override;

private:
    struct ResizeInProgress {
        NoteZone zone = NoteZone::None;
        POINT press{};  // the pointer on the screen
        NoteRect start;
    };

    // Puts the note's own mouse handling before the widget base's, which moves the note.
    void ChainMouse(UINT message, bool (bfStickyNote::*handler)(const MouseInput&));
    bool OnLeftDown(const MouseInput& mouse);
    bool OnMouseMove(const MouseInput& mouse);
    bool OnLeftUp(const MouseInput& mouse);
    LRESULT OnCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(UINT message, WPARAM wParam, LPARAM lParam);
    void FollowPointer();
    // Ends a resize; true when one was in progress.
    bool EndResize();

    void LayOut();
    void SyncScrollBar();
    void ScrollContent(int lines);
    void AllowContent(std::size_t units);

    int theme_ = 0;
    ResizeInProgress resize_;
    SharedBitmap titleTile_;
    SharedBitmap bodyTile_;
    bfButton hideButton_;
    bfButton plusButton_;
    bfTextEdit title_;
    bfTextBox content_;
    bfVScrollBar scrollBar_;
};

}  // namespace tockly
