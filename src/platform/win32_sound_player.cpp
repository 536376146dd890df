#include "platform/win32_sound_player.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>

#include "support/wide_text.h"

namespace tockly {
namespace {

bool PlayFile(std::u16string_view file, DWORD flags) {
    const std::wstring path = ToWide(file);
    return ::PlaySoundW(path.c_str(), ::GetModuleHandleW(nullptr), SND_FILENAME | flags) != FALSE;
}

}  // namespace

bool Win32SoundPlayer::Play(std::u16string_view file) {
    return PlayFile(file, SND_ASYNC);
}

bool Win32SoundPlayer::PlayToEnd(std::u16string_view file) {
    return PlayFile(file, 0);
}

bool Win32SoundPlayer::PlayLooping(std::u16string_view file) {
    return PlayFile(file, SND_ASYNC | SND_LOOP);
}

void Win32SoundPlayer::Stop() {
    ::PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace tockly
