#pragma once
// The editor page of each task kind, as the main window makes them.

#include <windows.h>

#include <functional>
#include <memory>

#include "tasks/task_kind.h"
#include "ui/task_page.h"

namespace tockly {

std::unique_ptr<TaskPage> MakeTaskPage(TaskKind kind, HWND owner, const PageServices& services,
                                       std::function<void()> requestSave);

}  // namespace tockly
