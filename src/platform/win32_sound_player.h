#pragma once

#include "platform/sound_player.h"

namespace tockly {

// PlaySoundW with the program's module, as the sound calls of the widgets make it.
class Win32SoundPlayer final : public SoundPlayer {
public:
    bool Play(std::u16string_view file) override;
    bool PlayToEnd(std::u16string_view file) override;
    bool PlayLooping(std::u16string_view file) override;
    void Stop() override;
};

}  // namespace tockly
