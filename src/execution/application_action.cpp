#include "execution/application_action.h"

#include <limits>

namespace tockly {

std::u16string ProgramFileName(std::u16string_view path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    if (separator == std::u16string_view::npos) {
        return std::u16string(path);
    }
    if (separator + 1 == path.size()) {
        return std::u16string(path.substr(separator));
    }
    return std::u16string(path.substr(separator + 1));
}

ProgramStart MakeProgramStart(std::u16string_view path, std::u16string_view parameters,
                              std::u16string_view folder) {
    ProgramStart start;
    start.application = path;
    if (!parameters.empty()) {
        std::u16string fileName = ProgramFileName(path);
        // A file name holds no quotes, so quoting it needs no escapes.
        if (fileName.find_first_of(u" \t") != std::u16string::npos) {
            fileName = u'"' + fileName + u'"';
        }
        start.commandLine = fileName + u' ' + std::u16string(parameters);
    }
    if (!folder.empty()) {
        start.folder = std::u16string(folder);
    }
    return start;
}

std::optional<std::uint32_t> ParseProcessId(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return std::nullopt;
    }
    const std::size_t last = text.find_last_not_of(u' ');
    std::uint64_t id = 0;
    for (const char16_t c : text.substr(first, last - first + 1)) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        id = id * 10 + static_cast<std::uint64_t>(c - u'0');
        if (id > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(id);
}

ActionStep RunApplication(ProcessControl& processes, std::int64_t secondsRemaining,
                          const ApplicationTask& task) {
    if (secondsRemaining > 0) {
        return ActionStep::Continue;
    }
    switch (static_cast<ApplicationAction>(task.action)) {
        case ApplicationAction::StartProgram:
            processes.StartProgram(
                MakeProgramStart(task.programPath, task.parameters, task.startIn));
            return ActionStep::Done;
        case ApplicationAction::EndProcess:
            if (const auto id = ParseProcessId(task.processId)) {
                processes.EndProcess(*id);
            }
            return ActionStep::Done;
    }
    return ActionStep::Failed;
}

}  // namespace tockly
