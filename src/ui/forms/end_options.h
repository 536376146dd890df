#pragma once
// What the timer and the counter do at their end, as their forms take it: show a message (with
// its text), play a sound (with its file), once or several times; and which of those controls
// are enabled. The rules:
//   - play sound off: the sound file is cleared and, with its browse button and the once and
//     multiple-times choices, disabled;
//   - play sound on: the file, browse and the once choice are enabled and once is chosen; the
//     multiple-times choice is enabled only while show message is on (the looping sound is
//     stopped from the message);
//   - show message off while the sound plays: multiple times is disabled and once is chosen;
//   - the message text is shown only while show message is on.

#include <cstdint>
#include <string>

#include "tasks/task_records.h"
#include "ui/forms/form_basics.h"

namespace tockly {

class EndOptions {
public:
    // Nothing at the end: no message, no sound.
    void Reset();
    template <typename Task>
    void Load(const Task& task) {
        LoadValues(task.showMessageAfterEnd, task.messageText, task.playSoundAfterEnd,
                   task.soundFile, task.soundRepetition);
    }
    // The text of a message that is not shown and the repetition of a sound that does not play
    // are not kept.
    template <typename Task>
    void WriteInto(Task& task) const {
        task.showMessageAfterEnd = showMessage_;
        task.messageText = showMessage_ ? messageText_ : std::u16string();
        task.playSoundAfterEnd = playSound_;
        task.soundFile = playSound_ ? soundFile_ : std::u16string();
        task.soundRepetition = playSound_ ? repetition_ : kSoundOnce;
    }
    // SoundFile when a sound is to play and none is chosen.
    FormField Check() const;

    void SetShowMessage(bool show);
    // The text is kept while the message is off, for when it is turned on again.
    void SetMessageText(std::u16string text) { messageText_ = std::move(text); }
    void SetPlaySound(bool play);
    void SetSoundFile(std::u16string path) { soundFile_ = std::move(path); }
    void ChooseOnce();
    // False, with nothing changed, while the choice is disabled.
    bool ChooseMultipleTimes();

    bool showMessage() const noexcept { return showMessage_; }
    const std::u16string& messageText() const noexcept { return messageText_; }
    bool playSound() const noexcept { return playSound_; }
    const std::u16string& soundFile() const noexcept { return soundFile_; }
    std::int32_t repetition() const noexcept { return repetition_; }
    bool once() const noexcept { return repetition_ == kSoundOnce; }

    bool messageTextShown() const noexcept { return showMessage_; }
    bool soundFileEnabled() const noexcept { return playSound_; }
    bool browseEnabled() const noexcept { return playSound_; }
    bool onceEnabled() const noexcept { return playSound_; }
    bool multipleTimesEnabled() const noexcept { return playSound_ && showMessage_; }

private:
    void LoadValues(bool showMessage, const std::u16string& text, bool playSound,
                    const std::u16string& file, std::int32_t repetition);

    bool showMessage_ = false;
    std::u16string messageText_;
    bool playSound_ = false;
    std::u16string soundFile_;
    std::int32_t repetition_ = kSoundOnce;
};

}  // namespace tockly
