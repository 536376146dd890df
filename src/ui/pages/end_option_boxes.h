#pragma once
// What the timer's and counter's pages show of a count's end: show a message (with its text box,
// there only while the message is on), play a sound (its file, typed or chosen with the browse
// button), once or several times. Which of them are enabled is the form's (EndOptions).

#include <windows.h>

#include <vector>

#include "platform/file_dialogs.h"
#include "shell/language_texts.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/text_box.h"
#include "toolkit/text_edit.h"
#include "ui/forms/end_options.h"
#include "ui/pages/scrolling_form.h"

namespace tockly {

// The ids of the group's controls: show message, play sound, browse, once, multiple times.
struct EndOptionIds {
    WORD showMessage;
    WORD playSound;
    WORD browse;
    WORD once;
    WORD multipleTimes;
};

// The texts of the group's captions.
struct EndOptionTexts {
    TextId showMessage;
    TextId playSound;
    TextId once;
    TextId multipleTimes;
};

class EndOptionBoxes {
public:
    EndOptionBoxes(ScrollingForm& form, const EndOptionIds& ids);

    std::vector<FormRow> Rows() const;
    void Show(const EndOptions& options);
    // A control of the group (not the browse button) changed: into `options`. False for another.
    bool Take(const bfAbstractControl* control, int code, EndOptions& options) const;
    std::vector<bfAbstractControl*> Controls() const;
    void Retranslate(const LanguageTexts& texts, const EndOptionTexts& ids);
    // The sound file's area, for the mark of a sound without a file.
    RECT SoundArea() const;

    bfCheckBox& showMessage() noexcept { return *showMessage_; }
    bfTextBox& message() noexcept { return *message_; }
    bfCheckBox& playSound() noexcept { return *playSound_; }
    bfTextEdit& soundFile() noexcept { return *soundFile_; }
    bfButton& browse() noexcept { return *browse_; }
    bfRadioButton& once() noexcept { return *once_; }
    bfRadioButton& multipleTimes() noexcept { return *multipleTimes_; }

private:
    ScrollingForm& form_;
    bfCheckBox* showMessage_;
    bfTextBox* message_;
    bfCheckBox* playSound_;
    bfTextEdit* soundFile_;
    bfButton* browse_;
    bfRadioButton* once_;
    bfRadioButton* multipleTimes_;
    bool messageShown_ = false;
};

// The file dialog's filter of the end sounds.
FileTypeFilter SoundFileFilter();

}  // namespace tockly
