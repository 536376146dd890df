#include "platform/win32_process_control.h"

#include <windows.h>

#include <string>

#include "support/unique_handle.h"
#include "support/wide_text.h"

namespace tockly {

bool Win32ProcessControl::StartProgram(const ProgramStart& start) {
    const std::wstring application = ToWide(start.application);
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring commandLine = start.commandLine ? ToWide(*start.commandLine) : std::wstring();
    const std::wstring folder = start.folder ? ToWide(*start.folder) : std::wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION created{};
    if (!::CreateProcessW(application.c_str(), start.commandLine ? commandLine.data() : nullptr,
                          nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                          start.folder ? folder.c_str() : nullptr, &startup, &created)) {
        return false;
    }
    // Nothing waits for the program: its handles go at once.
    const KernelHandle process(created.hProcess);
    const KernelHandle thread(created.hThread);
    return true;
}

bool Win32ProcessControl::EndProcess(std::uint32_t processId) {
    const KernelHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, processId));
    return process && ::TerminateProcess(process.get(), 0) != FALSE;
}

}  // namespace tockly
