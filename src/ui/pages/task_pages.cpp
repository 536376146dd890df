#include "ui/pages/task_pages.h"

#include <utility>

#include "ui/pages/application_page.h"

namespace tockly {

std::unique_ptr<TaskPage> MakeTaskPage(TaskKind kind, HWND owner, const PageServices& services,
                                       std::function<void()> requestSave) {
    switch (kind) {
        case TaskKind::Application:
            return std::make_unique<ApplicationTaskPage>(owner, services, std::move(requestSave));
        default:
            return std::make_unique<TaskPage>(owner, kind, services, std::move(requestSave));
    }
}

}  // namespace tockly
