#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "platform/sound_player.h"
#include "platform/win32_system_library.h"

namespace tockly {

// PlaySoundW with the program's module, as the sound calls of the widgets make it. winmm is loaded
// from the system folder while the player lives; a sound still playing stops when it goes.
class Win32SoundPlayer final : public SoundPlayer {
public:
    Win32SoundPlayer() noexcept;
    ~Win32SoundPlayer() override;
    Win32SoundPlayer(const Win32SoundPlayer&) = delete;
    Win32SoundPlayer& operator=(const Win32SoundPlayer&) = delete;

    bool Play(std::u16string_view file) override;
    bool PlayToEnd(std::u16string_view file) override;
    bool PlayLooping(std::u16string_view file) override;
    void Stop() override;

private:
    bool PlayFile(std::u16string_view file, DWORD flags) const;

    SystemLibrary winmm_{L"winmm.dll"};
    decltype(&::PlaySoundW) playSound_ = nullptr;
};

}  // namespace tockly
