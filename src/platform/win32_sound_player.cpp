#include "platform/win32_sound_player.h"

#include <string>

#include "support/wide_text.h"

namespace tockly {

Win32SoundPlayer::Win32SoundPlayer() noexcept
    : playSound_(winmm_.Find<decltype(&::PlaySoundW)>("PlaySoundW")) {}

Win32SoundPlayer::~Win32SoundPlayer() {
    Stop();
}

bool Win32SoundPlayer::PlayFile(std::u16string_view file, DWORD flags) const {
    if (playSound_ == nullptr) {
        return false;
    }
    const std::wstring path = ToWide(file);
    return playSound_(path.c_str(), ::GetModuleHandleW(nullptr), SND_FILENAME | flags) != FALSE;
}

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
    if (playSound_ != nullptr) {
        playSound_(nullptr, nullptr, 0);
    }
}

}  // namespace tockly
