#include "shell/startup.h"

#include <shellapi.h>

#include <memory>
#include <stdexcept>
#include <string_view>

#include "platform/win32_file_dialogs.h"
#include "platform/win32_monotonic_clock.h"
#include "shell/app_settings.h"
#include "shell/error_guard.h"
#include "shell/language_table.h"
#include "shell/message_loop.h"
#include "support/unique_handle.h"
#include "toolkit/skin_cache.h"
#include "ui/main_window.h"

namespace tockly {
namespace {

// "-s" is accepted for compatibility with older autostart entries; it changes nothing.
bool HasSilentFlag() {
    int count = 0;
    LocalMemory arguments(::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!arguments) {
        throw std::runtime_error("Critical Error!");
    }
    auto* list = static_cast<wchar_t**>(arguments.get());
    for (int i = 1; i < count; ++i) {
        if (std::wstring_view(list[i]) == L"-s") {
            return true;
        }
    }
    return false;
}

void RefuseSystemsBeforeVista() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    // A failed query leaves 0.0, which is refused like any system before Vista.
    ::GetVersionExW(&version);
    if (version.dwMajorVersion < 6) {
        throw std::runtime_error(
            "This version of operating system \nis not supported.\nYou need at least Windows "
            "Vista.");
    }
}

UniqueWindow CreateInstanceMarker(HINSTANCE instance) {
    // A plain "Static" window that is never shown: only its title matters.
    return UniqueWindow(::CreateWindowExW(0, L"Static", kInstanceMarkerName, 0, 0, 0, 100, 100,
                                          nullptr, nullptr, instance, nullptr));
}

}  // namespace

int RunTockly(HINSTANCE instance, OutsideWorld& world, MailComposer& mail, SystemActions& actions) {
    [[maybe_unused]] const bool silentStart = HasSilentFlag();
    RefuseSystemsBeforeVista();
    if (::FindWindowW(nullptr, kInstanceMarkerName) != nullptr) {
        return kFailureExitCode;  // another instance runs; leave it alone and say nothing
    }
    UniqueWindow marker = CreateInstanceMarker(instance);
    SetSkinFileFolder(world.program);

    auto settings = std::make_unique<AppSettings>(world);
    if (!settings->Load()) {
        settings->SetDefaults();
    }

    // Every window borrows the language table, so it outlives them all.
    LanguageTable languages(world.program);
    languages.SetSettings(settings.get());
    languages.Load();

    // What the widgets count with and ask the user through; they outlive the main window.
    Win32MonotonicClock elapsed;
    Win32FileDialogs dialogs;

    // The settings outlive the main window, whose going still saves through them.
    bfMainWindow mainWindow({mail, {actions, world.clock, elapsed, dialogs}});
    mainWindow.SetSettings(settings.get());
    mainWindow.Set24HourClock(UserUses24HourClock());
    // Every stored task back with its row and widget, before the texts, which then reach them too.
    mainWindow.LoadTasks();
    mainWindow.SetLanguageTable(&languages);
    mainWindow.RetranslateAll();
    mainWindow.PlaceWindow();

    // The tray's Exit closes the main window, which saves the task store before anything of it is
    // destroyed; its going posts the quit message.
    return RunMessageLoop();
}

}  // namespace tockly
