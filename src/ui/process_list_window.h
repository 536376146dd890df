#pragma once
// bfProcessListWindow: the process chooser of the application page. A popup of 320 x 320 pixels
// with its title, a close button, the list of the processes this user may open (bfListWindow,
// rows "1   PID: 4242  process: notepad.exe"), its scroll bar and the choose button. Showing it
// lists the processes again through the seam's ProcessEnumerator.
//
// Choosing (the button, or a second click on the selected row) hides the window and then sends
// the owner WM_COMMAND kChosenCommand (418, lParam 0); the owner reads SelectedProcessId(). With no
// row selected, choosing does nothing: no id is handed over and the window stays open.
//
// Commands: 1 (close) hides the window, 2 chooses, 3 is a wheel turn over the list (which moves
// the scroll bar), 4 the scroll bar's position (which scrolls the list).

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/process_enumerator.h"
#include "toolkit/abstract_window.h"
#include "toolkit/button.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "toolkit/static_text.h"
#include "toolkit/vscroll_bar.h"
#include "ui/list_window.h"

namespace tockly {

class bfProcessListWindow final : public bfAbstractWindow {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 320;
    static constexpr WORD kCloseId = 1;
    static constexpr WORD kChooseId = bfListWindow::kChooseCommand;
    static constexpr WORD kListScrollId = bfListWindow::kScrollCommand;
    static constexpr WORD kScrollBarId = 4;
    static constexpr WORD kChosenCommand = 418;

    // Owned by `owner`, which hears the choice; hidden until shown.
    bfProcessListWindow(HWND owner, ProcessEnumerator& processes);
    ~bfProcessListWindow() override;

    // Showing lists the processes again, with none selected, from the top.
    void Show(bool show) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Puts the top-left corner at a point of the screen, kept on the work area of its monitor.
    void Place(int screenX, int screenY);
    // The title and the choose button's caption in the user's language.
    void SetTexts(std::u16string_view title, std::u16string_view choose);

    // The id of the selected row's process; none when no row is selected.
    std::optional<std::uint32_t> SelectedProcessId() const { return list_.SelectedValue(); }

    bfListWindow& list() noexcept { return list_; }
    bfButton& closeButton() noexcept { return close_; }
    bfButton& chooseButton() noexcept { return choose_; }
    bfVScrollBar& scrollBar() noexcept { return scrollBar_; }

private:
    void Rebuild();
    void Choose();
    void OnPaint();
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnWheel(const WheelInput& wheel);

    ProcessEnumerator& processes_;
    std::shared_ptr<PaintBuffer> buffer_;
    SharedBitmap tile_;
    bfStaticText title_;
    bfButton close_;
    bfListWindow list_;
    bfVScrollBar scrollBar_;
    bfButton choose_;
};

}  // namespace tockly
