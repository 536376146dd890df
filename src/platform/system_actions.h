#pragma once
// The interfaces through which tasks and widgets act on the computer, bundled for the code that
// runs the actions (the task counter's worker, the widgets that play sounds). The program is to
// build the real ones once (Win32SystemActions); tests hand in recording fakes.

#include "platform/dial_up.h"
#include "platform/pause.h"
#include "platform/process_control.h"
#include "platform/screen_capture.h"
#include "platform/session_power.h"
#include "platform/sound_player.h"

namespace tockly {

struct SystemActions {
    SessionPower& session;
    ProcessControl& processes;
    ScreenCapture& screen;
    DialUp& dialUp;
    SoundPlayer& sound;
    Pause& pause;
};

}  // namespace tockly
