#pragma once
// bfMessageView: the end-of-count message of a timer or counter, a desktop popup with the task's
// title, its wrapped and scrollable text (bfMessage) and its sound, played once or looping until
// "Stop" or the close button. It is no stored task: it tells its owner nothing, and its "Always on
// top" and transparency are not kept.
//
// The sound goes through the seam's SoundPlayer: once (asynchronously) or looping, and a stop ends
// the loop at once. The platform loops the sound itself, so no thread repeats it and stopping
// never waits for anything.
//
// A view with delete on close set owns itself once shown: closing it hides it and posts its own
// deletion, which its user-interface thread carries out when the message arrives (a window is
// destroyed by its own thread only, and never inside the notification that closed it). Such a
// view must be made with new and not be deleted by anyone else.

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/sound_player.h"
#include "toolkit/button.h"
#include "toolkit/text_edit.h"
#include "toolkit/vscroll_bar.h"
#include "widgets/abstract_widget.h"
#include "widgets/counting_widget_parts.h"
#include "widgets/message_text.h"

namespace tockly {

struct MessageInfo {
    std::u16string title;
    std::u16string text;  // CR and LF start new lines
    std::u16string soundFile;
    bool playSound = false;
    bool playOnce = true;  // false: loop until stopped
    bool deleteOnClose = false;
};

class bfMessageView final : public bfAbstractWidget {
public:
    static constexpr int kWidth = 315;
    static constexpr int kHeight = 170;
    static constexpr int kTitleBandHeight = 23;
    static constexpr int kTextWidthWithScrollBar = 290;
    static constexpr int kTextWidthAlone = 311;
    static constexpr int kScrollLineStep = 20;
    static constexpr WORD kTitleId = 0;
    static constexpr WORD kCloseId = 1;
    static constexpr WORD kScrollBarId = 2;
    static constexpr WORD kTextId = 3;
    static constexpr WORD kStopId = 4;

    bfMessageView(HWND owner, WORD widgetId, SoundPlayer& sound);
    ~bfMessageView() override;

    // The title, the wrapped text with its scroll bar, always on top; the "Stop" button for a
    // looping sound. The owner then shows the view and starts the sound.
    void ShowMessage(MessageInfo info);
    // Applies the transparency as the view appears.
    void Show(bool show) override;

    void StartSound();
    // Ends a looping sound; a sound played once plays to its end.
    void StopSound();
    bool soundLooping() const noexcept { return looping_; }

    // The texts in the user's language (again after a change of language).
    void SetTexts(std::u16string_view stop, const WidgetMenuTexts& menu);

    const MessageInfo& info() const noexcept { return info_; }
    bfTextEdit& title() noexcept { return title_; }
    bfButton& closeButton() noexcept { return close_; }
    bfButton& stopButton() noexcept { return stop_; }
    bfVScrollBar& scrollBar() noexcept { return scroll_; }
    bfMessage& text() noexcept { return text_; }

protected:
    bool HandleCommand(const CommandInput& command) override;
    void PaintWidget(const PaintContext& paint) override;

private:
    static constexpr UINT kDeleteMessage = kWorkerMessage + 0x20;

    void Close();
    void TextHeightChanged(int textHeight);
    LRESULT OnDelete(UINT message, WPARAM wParam, LPARAM lParam);

    SoundPlayer& sound_;
    const std::uint64_t serial_;  // tells this view's posted deletion from a predecessor's
    MessageInfo info_;
    bool looping_ = false;
    SharedBitmap titleTile_;
    bfTextEdit title_;
    bfButton close_;
    bfButton stop_;
    bfVScrollBar scroll_;
    bfMessage text_;
};

}  // namespace tockly
