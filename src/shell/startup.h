#pragma once

#include <windows.h>

#include "platform/mail.h"
#include "platform/outside_world.h"
#include "platform/system_actions.h"

namespace tockly {

// The title of the hidden window that marks the running instance.
inline constexpr wchar_t kInstanceMarkerName[] = L"_oneInstanceWindow_Tockly_1.0.0";

// Start-up, the message loop and the tear-down of one run of the program. Returns the exit code;
// errors that must end the program are thrown (the caller shows them). `actions` are what the
// system tasks act through.
int RunTockly(HINSTANCE instance, OutsideWorld& world, MailComposer& mail, SystemActions& actions);

}  // namespace tockly
