#include "ui/forms/end_options.h"

namespace tockly {

void EndOptions::Reset() {
    LoadValues(false, {}, false, {}, kSoundOnce);
}

FormField EndOptions::Check() const {
    return playSound_ && soundFile_.empty() ? FormField::SoundFile : FormField::None;
}

void EndOptions::SetShowMessage(bool show) {
    showMessage_ = show;
    if (!show) {
        repetition_ = kSoundOnce;
    }
}

void EndOptions::SetPlaySound(bool play) {
    playSound_ = play;
    repetition_ = kSoundOnce;
    if (!play) {
        soundFile_.clear();
    }
}

void EndOptions::ChooseOnce() {
    if (onceEnabled()) {
        repetition_ = kSoundOnce;
    }
}

bool EndOptions::ChooseMultipleTimes() {
    if (!multipleTimesEnabled()) {
        return false;
    }
    repetition_ = kSoundMultipleTimes;
    return true;
}

void EndOptions::LoadValues(bool showMessage, const std::u16string& text, bool playSound,
                            const std::u16string& file, std::int32_t repetition) {
    showMessage_ = showMessage;
    messageText_ = showMessage ? text : std::u16string();
    playSound_ = playSound;
    soundFile_ = playSound ? file : std::u16string();
    repetition_ = playSound && showMessage && repetition == kSoundMultipleTimes
                      ? kSoundMultipleTimes
                      : kSoundOnce;
}

}  // namespace tockly
