#include "ui/pages/task_pages.h"

#include <utility>

#include "ui/pages/application_page.h"
#include "ui/pages/internet_page.h"
#include "ui/pages/note_pages.h"
#include "ui/pages/power_page.h"
#include "ui/pages/print_screen_page.h"
#include "ui/pages/timer_page.h"

namespace tockly {

std::unique_ptr<TaskPage> MakeTaskPage(TaskKind kind, HWND owner, const PageServices& services,
                                       std::function<void()> requestSave) {
    switch (kind) {
        case TaskKind::Application:
            return std::make_unique<ApplicationTaskPage>(owner, services, std::move(requestSave));
        case TaskKind::PrintScreen:
            return std::make_unique<PrintScreenTaskPage>(owner, services, std::move(requestSave));
        case TaskKind::Internet:
            return std::make_unique<InternetTaskPage>(owner, services, std::move(requestSave));
        case TaskKind::Power:
            return std::make_unique<PowerTaskPage>(owner, services, std::move(requestSave));
        case TaskKind::Timer:
            return std::make_unique<TimerTaskPage>(owner, services, std::move(requestSave));
        case TaskKind::Counter:
            return std::make_unique<CounterTaskPage>(owner, services, std::move(requestSave));
        case TaskKind::StickyNote:
            return std::make_unique<StickyNotePage>(owner, services, std::move(requestSave));
        case TaskKind::Stopwatch:
            return std::make_unique<StopwatchPage>(owner, services, std::move(requestSave));
    }
    return nullptr;
}

}  // namespace tockly
