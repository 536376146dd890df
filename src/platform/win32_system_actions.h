#pragma once
// The real action interfaces, built once by the program and handed down as SystemActions.

#include "platform/system_actions.h"
#include "platform/win32_dial_up.h"
#include "platform/win32_pause.h"
#include "platform/win32_process_control.h"
#include "platform/win32_screen_capture.h"
#include "platform/win32_session_power.h"
#include "platform/win32_sound_player.h"

namespace tockly {

// `actions` refers to the members above it, so the object stays where it was made.
struct Win32SystemActions {
    Win32SystemActions() = default;
    Win32SystemActions(const Win32SystemActions&) = delete;
    Win32SystemActions& operator=(const Win32SystemActions&) = delete;

    Win32SessionPower session;
    Win32ProcessControl processes;
    Win32ScreenCapture screen;
    Win32DialUp dialUp;
    Win32SoundPlayer sound;
    Win32Pause pause;
    SystemActions actions{session, processes, screen, dialUp, sound, pause};
};

}  // namespace tockly
