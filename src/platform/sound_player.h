#pragma once
// Wave files played through PlaySoundW. The program plays one sound at a time: each call
// replaces what was playing.

#include <string_view>

namespace tockly {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Starts the file and returns at once (SND_FILENAME | SND_ASYNC).
    virtual bool Play(std::u16string_view file) = 0;

    // Plays the file to its end before returning (SND_FILENAME). False when it could not be
    // played (missing file, not a wave file, no sound device).
    virtual bool PlayToEnd(std::u16string_view file) = 0;

    // Starts the file over and over until Stop (SND_FILENAME | SND_ASYNC | SND_LOOP).
    virtual bool PlayLooping(std::u16string_view file) = 0;

    // Ends whatever this program is playing (PlaySoundW with no sound).
    virtual void Stop() = 0;
};

}  // namespace tockly
