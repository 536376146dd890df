// Entry point of Tockly.exe.

#include <windows.h>

#include "platform/outside_world.h"
#include "platform/win32_autostart_registry.h"
#include "platform/win32_clock.h"
#include "platform/win32_mail.h"
#include "platform/win32_program_environment.h"
#include "platform/win32_system_actions.h"
#include "platform/win32_system_library.h"
#include "shell/error_guard.h"
#include "shell/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Before anything may load a DLL by name.
    tockly::LimitDllSearchToSystemFolder();
    return tockly::RunGuarded([instance] {
        tockly::Win32ProgramEnvironment program;
        tockly::Win32AutostartRegistry autostart;
        tockly::Win32Clock clock;
        tockly::OutsideWorld world{program, autostart, clock};
        tockly::Win32MailComposer mail;
        tockly::Win32SystemActions actions;
        return tockly::RunTockly(instance, world, mail, actions.actions);
    });
}
