#include "platform/win32_sound_player.h"

#include <gtest/gtest.h>

namespace tockly {
namespace {

// A sound file that is missing plays nothing and reports nothing to the user; the calls return
// at once, and a stop with nothing playing is harmless.
TEST(Win32SoundPlayer, AMissingFilePlaysNothingAndNothingHangs) {
    Win32SoundPlayer sound;
    const std::u16string missing = u"C:\\no such folder\\no such sound.wav";
    EXPECT_FALSE(sound.PlayToEnd(missing));
    sound.Play(missing);
    sound.PlayLooping(missing);
    sound.Stop();
    sound.Stop();
}

}  // namespace
}  // namespace tockly
