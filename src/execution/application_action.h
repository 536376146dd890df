#pragma once
// The action step of an application task: start a program with parameters in a working folder,
// or end a process given by its id, once the countdown has reached its target.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "execution/action_step.h"
#include "platform/process_control.h"
#include "tasks/task_records.h"

namespace tockly {

// The record's action values.
enum class ApplicationAction : std::int32_t { StartProgram = 0, EndProcess = 1 };

// The text after the last "\" or "/" of `path`; the whole path when it has neither. A path that
// ends in a separator gives that separator (it names no program, and the start fails anyway).
std::u16string ProgramFileName(std::u16string_view path);

// The start of a program: the full path as the application, and as command line the file name,
// one blank and the parameters, or none when there are no parameters (the platform then gives the
// program its path). A file name with a blank or tab is quoted, so that the program does not take
// it for two arguments. An empty folder leaves the program in this program's working folder.
ProgramStart MakeProgramStart(std::u16string_view path, std::u16string_view parameters,
                              std::u16string_view folder);

// A process id as the record keeps it: decimal digits, blanks around them allowed, at most
// 4294967295. None for anything else (a sign, other characters, an empty text), so that no
// process is ended on a damaged text.
std::optional<std::uint32_t> ParseProcessId(std::u16string_view text);

// Not yet (Continue) while `secondsRemaining` is above 0. Then starts the program or ends the
// process and reports Done, also when the start or the kill failed (nothing reports it); an
// action other than the two is Failed.
ActionStep RunApplication(ProcessControl& processes, std::int64_t secondsRemaining,
                          const ApplicationTask& task);

}  // namespace tockly
