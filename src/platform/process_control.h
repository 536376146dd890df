#pragma once
// Starting a program and ending a process by its id.

#include <cstdint>
#include <optional>
#include <string>

namespace tockly {

// What CreateProcessW is given; nothing else varies from one start to the next.
struct ProgramStart {
    std::u16string application;                 // the full path of the executable
    std::optional<std::u16string> commandLine;  // none: the platform uses the path alone
    std::optional<std::u16string> folder;       // the working folder; none: the program's own

    bool operator==(const ProgramStart&) const = default;
};

class ProcessControl {
public:
    virtual ~ProcessControl() = default;

    // CreateProcessW(application, command line, no security attributes, handles inherited,
    // NORMAL_PRIORITY_CLASS, this program's environment, folder). The new process's handles are
    // closed at once: nothing waits for the program. True when the process was created.
    virtual bool StartProgram(const ProgramStart& start) = 0;

    // OpenProcess(PROCESS_TERMINATE) and TerminateProcess with exit code 0. True when the
    // process was told to end; false when it could not be opened (ended already, no rights).
    virtual bool EndProcess(std::uint32_t processId) = 0;
};

}  // namespace tockly
