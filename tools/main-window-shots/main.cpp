// main-window-shots OUTPUT_FOLDER PROGRAM_FOLDER: shows the main window on every page and the tray
// menu with each submenu open, and saves them as OUTPUT_FOLDER\main-window-<name>.bmp. The skin
// files and language files are taken from PROGRAM_FOLDER (the folder of Tockly.exe). The task
// pages show lists filled with tasks that never act (stopped, or due in years), whose widgets
// stand away from the main window.
// "--figures" in place of the output folder prints how long each page takes from its create
// button to the new widget shown, instead.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bitmap_file.h"
#include "canvas.h"
#include "platform/win32_autostart_registry.h"
#include "platform/win32_clock.h"
#include "platform/win32_file_dialogs.h"
#include "platform/win32_monotonic_clock.h"
#include "platform/win32_system_actions.h"
#include "shell/app_settings.h"
#include "shell/error_guard.h"
#include "shell/language_table.h"
#include "support/wide_text.h"
#include "toolkit/skin_cache.h"
#include "ui/main_window.h"

namespace tockly::gallery {

void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace tockly::gallery

namespace {

using tockly::gallery::Canvas;
using tockly::gallery::PumpMessages;

// The program's folder as the tool's program path: its language files and skins are read there.
class ProgramAt final : public tockly::ProgramEnvironment {
public:
    explicit ProgramAt(std::u16string folder) : folder_(std::move(folder)) {}
    std::optional<std::u16string> ModulePath() override { return folder_ + u"\\Tockly.exe"; }
    std::optional<std::u16string> LocalAppDataFolder() override { return std::nullopt; }

private:
    std::u16string folder_;
};

class NoMail final : public tockly::MailComposer {
public:
    bool Compose(const tockly::MailDraft&) override { return false; }
};

void Settle() {
    for (int i = 0; i < 12; ++i) {
        PumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
}

bool Save(const std::wstring& folder, const wchar_t* name, const Canvas& picture) {
    const std::wstring path = folder + L"\\main-window-" + name + L".bmp";
    if (picture.Blank() ||
        !tockly::gallery::WriteBmp(path, picture.width(), picture.height(), picture.pixels())) {
        std::fprintf(stderr, "cannot save %ls\n", path.c_str());
        return false;
    }
    std::printf("%ls: %d x %d\n", name, picture.width(), picture.height());
    return true;
}

void Press(tockly::bfMainWindow& window, int button) {
    ::SendMessageW(window.window(), WM_COMMAND, MAKEWPARAM(button, 0), 0);
    Settle();
}

// The visible popup menus of this thread, submenus last.
std::vector<HWND> OpenMenus() {
    std::vector<HWND> menus;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring_view(name) == L"#32768" && ::IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&menus));
    std::reverse(menus.begin(), menus.end());
    return menus;
}

// What the tray menu shows while it is open: the keys are pressed at the first tick of a thread
// timer (timers run inside the menu's own loop), the menus captured at a later one.
struct MenuShot {
    std::vector<WORD> keys;
    std::optional<Canvas> picture;
    int ticks = 0;
};
MenuShot* currentShot = nullptr;

Canvas CaptureMenus() {
    const std::vector<HWND> menus = OpenMenus();
    RECT scene{};
    for (const HWND menu : menus) {
        RECT rect{};
        ::GetWindowRect(menu, &rect);
        ::UnionRect(&scene, &scene, &rect);
    }
    Canvas picture(scene.right - scene.left + 16, scene.bottom - scene.top + 16);
    for (const HWND menu : menus) {
        RECT rect{};
        ::GetWindowRect(menu, &rect);
        picture.Paste(Canvas::Capture(menu, true), rect.left - scene.left + 8,
                      rect.top - scene.top + 8);
    }
    return picture;
}

void CALLBACK MenuTick(HWND, UINT, UINT_PTR, DWORD) {
    MenuShot& shot = *currentShot;
    ++shot.ticks;
    if (shot.ticks == 2) {
        std::vector<INPUT> inputs;
        for (const WORD key : shot.keys) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            inputs.push_back(input);
            input.ki.dwFlags = KEYEVENTF_KEYUP;
            inputs.push_back(input);
        }
        if (!inputs.empty()) {
            ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        }
    } else if (shot.ticks == 6) {
        shot.picture.emplace(CaptureMenus());
    } else if (shot.ticks > 6) {
        ::EndMenu();
    }
}

Canvas TrayMenuShot(tockly::bfMainWindow& window, std::vector<WORD> keys) {
    MenuShot shot{std::move(keys), std::nullopt, 0};
    currentShot = &shot;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 60, &MenuTick);
    window.tray().OpenMenu(900, 420);
    ::KillTimer(nullptr, timer);
    currentShot = nullptr;
    Settle();
    return shot.picture ? std::move(*shot.picture) : Canvas(1, 1);
}

std::vector<WORD> Downs(int count, bool intoSubmenu) {
    std::vector<WORD> keys(static_cast<std::size_t>(count), VK_DOWN);
    if (intoSubmenu) {
        keys.push_back(VK_RIGHT);
    }
    return keys;
}

// A few tasks of each kind for the lists, with long titles among them; the widgets stand at
// (x, y), away from the main window.
tockly::TaskStore ShotTasks(int x, int y) {
    using namespace tockly;
    const TimePoint start{2024, 1, 1, 12, 0, 0, 0};
    const TimePoint later{2090, 1, 1, 12, 0, 0, 0};
    TaskStore store;
    const char16_t* titles[] = {u"Backup",   u"Nightly report of the whole office",
                                u"Mail",     u"Update",
                                u"Cleanup",  u"Music",
                                u"Reminder", u"Archive",
                                u"Logs",     u"Last one"};
    for (int i = 0; i < 10; ++i) {
        const bool running = i % 3 != 1;
        const bool shown = i % 4 != 2;
        const bool remove = i % 2 == 0;
        const std::u16string title = titles[i];
        store.application.push_back({title, 0, start, later, u"C:\\Tools\\tool.exe", u"", u"", u"",
                                     true, remove, shown, running, false, false, x, y, 0});
        if (i < 7) {
            PrintScreenTask shot;
            shot.title = title;
            shot.saveIn = u"C:\\Shots";
            shot.filePrefix = u"shot_";
            shot.start = start;
            shot.target = later;
            shot.repeatPeriod = {0, 0, 1, 0};
            shot.shown = shown;
            shot.running = running;
            shot.removeAfterEnd = remove;
            shot.x = x;
            shot.y = y;
            store.printScreen.push_back(shot);
        }
        if (i < 3) {
            store.internet.push_back({title,
                                      0,
                                      u"Office",
                                      0,
                                      start,
                                      later,
                                      {},
                                      true,
                                      remove,
                                      shown,
                                      running,
                                      false,
                                      x,
                                      y,
                                      0});
        }
        if (i < 2) {
            store.power.push_back({title,
                                   0,
                                   0,
                                   start,
                                   later,
                                   {},
                                   false,
                                   true,
                                   remove,
                                   shown,
                                   running,
                                   false,
                                   x,
                                   y,
                                   0});
        }
        if (i < 9) {
            store.timer.push_back({title,
                                   {0, 1, 0, 0},
                                   3600 - 60 * i,
                                   false,
                                   u"",
                                   false,
                                   u"",
                                   0,
                                   true,
                                   remove,
                                   shown,
                                   running,
                                   false,
                                   x,
                                   y,
                                   0});
        }
        if (i < 5) {
            store.counter.push_back({title,
                                     0,
                                     start,
                                     later,
                                     {},
                                     false,
                                     u"",
                                     false,
                                     u"",
                                     0,
                                     true,
                                     remove,
                                     shown,
                                     running,
                                     false,
                                     x,
                                     y,
                                     0});
        }
        store.stickyNote.push_back({title, u"Text", i % 3, shown, false, x, y, 185, 175, 0});
        if (i < 4) {
            store.stopwatch.push_back(
                {title, {0, 0, i, 5}, {}, false, shown, true, false, x, y, 0});
        }
    }
    return store;
}

// Every editor page in create mode and in change mode (its list's first row), on the 24-hour and
// the 12-hour clock, at the top of its form and scrolled to its end.
bool SaveEditorPages(tockly::bfMainWindow& window, const std::wstring& folder) {
    using namespace tockly;
    struct Editor {
        const wchar_t* name;
        TaskKind kind;
        std::vector<int> buttons;
    };
    const Editor editors[] = {
        {L"applications", TaskKind::Application, {menu_button::kTasks, menu_button::kApplications}},
        {L"print-screens", TaskKind::PrintScreen, {menu_button::kPrintScreens}},
        {L"internet", TaskKind::Internet, {menu_button::kInternet}},
        {L"power", TaskKind::Power, {menu_button::kPower}},
        {L"timer",
         TaskKind::Timer,
         {menu_button::kBack, menu_button::kCounting, menu_button::kTimer}},
        {L"counter", TaskKind::Counter, {menu_button::kCounter}},
        {L"sticky-notes", TaskKind::StickyNote, {menu_button::kBack, menu_button::kStickyNotes}},
        {L"stopwatch", TaskKind::Stopwatch, {menu_button::kStopwatch}},
    };
    bool saved = true;
    const bool twentyFourHour = window.uses24HourClock();
    for (const Editor& editor : editors) {
        for (const int button : editor.buttons) {
            Press(window, button);
        }
        TaskPage& page = window.taskPage(editor.kind);
        for (const bool change : {false, true}) {
            window.taskList(editor.kind).SelectRow(change ? 1 : 0);
            for (const bool clock24 : {true, false}) {
                window.Set24HourClock(clock24);
                for (const bool end : {false, true}) {
                    page.form().ScrollTo(end ? page.form().contentHeight() : 0);
                    Settle();
                    std::wstring name = std::wstring(L"page-") + editor.name +
                                        (change ? L"-change" : L"-create") +
                                        (clock24 ? L"-24" : L"-12") + (end ? L"-end" : L"");
                    saved = Save(folder, name.c_str(), Canvas::Capture(window.window())) && saved;
                }
            }
        }
        page.form().ScrollTo(0);
        window.taskList(editor.kind).SelectRow(0);
    }
    window.Set24HourClock(twentyFourHour);
    Press(window, menu_button::kBack);
    return saved;
}

// How long a press of a page's create button takes until the new widget is shown, for the kinds
// whose form needs nothing typed and whose task never acts: the median and the slowest of 20.
void PrintCreateFigures(tockly::bfMainWindow& window) {
    using namespace tockly;
    using Clock = std::chrono::steady_clock;
    std::printf("create button to widget shown (ms), 20 creates per kind:\n");
    for (const TaskKind kind :
         {TaskKind::Timer, TaskKind::Counter, TaskKind::StickyNote, TaskKind::Stopwatch}) {
        TaskPage& page = window.taskPage(kind);
        bfTaskListView& list = page.list();
        std::vector<double> times;
        for (int round = 0; round < 20; ++round) {
            const Clock::time_point pressed = Clock::now();
            page.Submit();
            const TaskWidget* made = list.Task(list.taskCount());
            if (made == nullptr || !::IsWindowVisible(made->widget().window())) {
                std::printf("  %d: no widget shown\n", static_cast<int>(kind));
                break;
            }
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - pressed).count());
            Settle();
            list.RemoveTask(list.taskCount());
        }
        std::sort(times.begin(), times.end());
        if (!times.empty()) {
            std::printf("  %-12s median %6.2f  slowest %6.2f\n",
                        kind == TaskKind::Timer        ? "timer"
                        : kind == TaskKind::Counter    ? "counter"
                        : kind == TaskKind::StickyNote ? "sticky note"
                                                       : "stopwatch",
                        times[times.size() / 2], times.back());
        }
    }
}

int Run(const std::wstring& folder, const std::wstring& programFolder) {
    using namespace tockly;
    SetSkinFileFolder(programFolder);
    ProgramAt program(FromWide(programFolder));
    Win32AutostartRegistry autostart;
    Win32Clock clock;
    OutsideWorld world{program, autostart, clock};
    AppSettings settings(world);
    settings.SetDefaults();
    LanguageTable languages(program);
    languages.SetSettings(&settings);
    languages.Load();

    NoMail mail;
    // The tasks never come due: these are never asked to act.
    Win32SystemActions actions;
    Win32MonotonicClock elapsed;
    Win32FileDialogs dialogs;
    bfMainWindow window({mail, {actions.actions, clock, elapsed, dialogs}});
    window.SetSettings(&settings);
    const TaskStore tasks = ShotTasks(::GetSystemMetrics(SM_CXSCREEN) - 240, 300);
    for (std::size_t kind = 0; kind < kTaskKindCount; ++kind) {
        window.taskList(static_cast<TaskKind>(kind))
            .LoadTasks(TasksOfKind(tasks, static_cast<TaskKind>(kind)));
    }
    // A row selected, and a list scrolled to its end.
    window.taskList(TaskKind::Application).SelectRow(2);
    window.taskList(TaskKind::Timer).ScrollTo(1000);
    window.SetLanguageTable(&languages);
    window.RetranslateAll();
    ::SetWindowPos(window.window(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window.ShowInFront();
    Settle();

    if (folder == L"--figures") {
        PrintCreateFigures(window);
        return 0;
    }
    bool saved = Save(folder, L"home", Canvas::Capture(window.window()));
    struct Shown {
        const wchar_t* name;
        std::vector<int> buttons;
    };
    const Shown pages[] = {
        {L"settings", {menu_button::kSettings}},
        {L"information", {menu_button::kInformations}},
        {L"sticky-notes", {menu_button::kStickyNotes}},
        {L"stopwatch", {menu_button::kStopwatch}},
        {L"applications", {menu_button::kTasks, menu_button::kApplications}},
        {L"print-screens", {menu_button::kPrintScreens}},
        {L"internet", {menu_button::kInternet}},
        {L"power", {menu_button::kPower}},
        {L"timer", {menu_button::kBack, menu_button::kCounting, menu_button::kTimer}},
        {L"counter", {menu_button::kCounter}},
    };
    for (const Shown& shown : pages) {
        for (const int button : shown.buttons) {
            Press(window, button);
        }
        saved = Save(folder, shown.name, Canvas::Capture(window.window())) && saved;
    }
    Press(window, menu_button::kBack);
    saved = SaveEditorPages(window, folder) && saved;

    // The German texts, on the home page, the settings page and a task page.
    ::SendMessageW(window.window(), WM_COMMAND, MAKEWPARAM(kCommandHome, 0), 0);
    if (languages.Select(u"Deutsch")) {
        languages.LoadSelected();
        window.RetranslateAll();
        Settle();
        saved = Save(folder, L"home-deutsch", Canvas::Capture(window.window())) && saved;
        Press(window, menu_button::kSettings);
        saved = Save(folder, L"settings-deutsch", Canvas::Capture(window.window())) && saved;
        Press(window, menu_button::kStickyNotes);
        saved = Save(folder, L"sticky-notes-deutsch", Canvas::Capture(window.window())) && saved;
        languages.Select(u"English");
        languages.LoadSelected();
        window.RetranslateAll();
    }

    saved = Save(folder, L"tray-menu", TrayMenuShot(window, Downs(1, false))) && saved;
    saved = Save(folder, L"tray-menu-quick-tasks", TrayMenuShot(window, Downs(6, true))) && saved;
    saved = Save(folder, L"tray-menu-tasks", TrayMenuShot(window, Downs(7, true))) && saved;
    saved = Save(folder, L"tray-menu-counting", TrayMenuShot(window, Downs(9, true))) && saved;
    return saved ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: main-window-shots OUTPUT_FOLDER|--figures PROGRAM_FOLDER\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    const std::wstring program = argv[2];
    return tockly::RunGuarded([&] { return Run(folder, program); });
}
