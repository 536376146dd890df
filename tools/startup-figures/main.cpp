// startup-figures TOCKLY_EXE [RUNS] [MARKER_FOLDER]: how long Tockly.exe takes from its start to a
// running message loop with its tray icon added (its main window answers a message), with an empty
// task store and with 500 stored tasks, against an empty Win32 window's start to its first paint
// under the same Wine. Prints the medians in seconds, and each figure again as a line
// "figure KEY VALUE UNIT" for scripts/bench.
//
// With a MARKER_FOLDER it then keeps the real program running with 0, 100 and 500 widgets shown
// and with 50 running counters, and an empty window with no and with 100 idle threads (what Wine
// itself costs), counting the program's GDI objects and windows from here. For each it makes a
// file in the folder, named after what runs, holding "tockly" or "empty" (which process it is),
// and waits until the file is gone: the script beside it (`run`) or scripts/bench reads the
// process's private memory or CPU time meanwhile. It replaces the task store in the prefix's data
// folder (and removes it at the end).

#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32_clock.h"
#include "tasks/store_codec.h"

namespace {

using tockly::TaskStore;

using Clock = std::chrono::steady_clock;

// The empty window: shows itself and ends after its first paint.
int EmptyWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpszClassName = L"startup-figures-empty";
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM w, LPARAM l) -> LRESULT {
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            ::BeginPaint(window, &paint);
            ::EndPaint(window, &paint);
            ::PostQuitMessage(0);
            return 0;
        }
        return ::DefWindowProcW(window, message, w, l);
    };
    ::RegisterClassW(&windowClass);
    ::CreateWindowExW(0, windowClass.lpszClassName, L"empty", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                      0, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}

PROCESS_INFORMATION Start(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &info);
    return info;
}

HWND TocklyMainWindow(DWORD process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            wchar_t title[16] = {};
            ::GetWindowTextW(window, title, 16);
            if (owner == s->process && std::wstring_view(title) == L"Tockly") {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring StoreFile() {
    wchar_t folder[MAX_PATH];
    ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
    const std::wstring data = std::wstring(folder) + L"\\Tockly";
    ::CreateDirectoryW(data.c_str(), nullptr);
    return data + L"\\settings.dat";
}

void WriteStore(const TaskStore& store) {
    const std::vector<std::uint8_t> bytes = tockly::EncodeTaskStore(store);
    const HANDLE file = ::CreateFileW(StoreFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

// `count` tasks, the kinds in turn, every `shownEvery`th one shown: the system tasks due in a day
// and counting, the timers and stopwatches standing still, the notes, at places of their own.
TaskStore StoredTasks(int count, int shownEvery) {
    const tockly::Win32Clock clock;
    const tockly::TimePoint now = clock.Now();
    const tockly::TimePoint due =
        *tockly::FromUnits(*tockly::ToUnits(now) + 24 * 3600 * tockly::kUnitsPerSecond);
    TaskStore store;
    for (int i = 0; i < count; ++i) {
        const bool shown = i % shownEvery == 0;
        const int x = 20 + (i * 37) % 900;
        const int y = 20 + (i * 23) % 500;
        const std::u16string title =
            u"Task " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
        switch (i % 8) {
            case 0:
                store.application.push_back({title, 0, now, due, u"C:\\x.exe", u"", u"", u"", true,
                                             false, shown, true, false, false, x, y, 0});
                break;
            case 1:
                store.printScreen.push_back({title, u"C:\\",      u"s", -1, -1,   1,     now,
                                             due,   {0, 0, 5, 0}, 0,    {}, true, false, shown,
                                             true,  false,        x,    y,  0,    0});
                break;
            case 2:
                store.internet.push_back({title,
                                          0,
                                          u"Office",
                                          0,
                                          now,
                                          due,
                                          {},
                                          true,
                                          false,
                                          shown,
                                          true,
                                          false,
                                          x,
                                          y,
                                          0});
                break;
            case 3:
                store.power.push_back(
                    {title, 0, 0, now, due, {}, false, true, false, shown, true, false, x, y, 0});
                break;
            case 4:
                store.timer.push_back({title,
                                       {0, 1, 0, 0},
                                       3600,
                                       false,
                                       u"",
                                       false,
                                       u"",
                                       0,
                                       true,
                                       false,
                                       shown,
                                       false,
                                       false,
                                       x,
                                       y,
                                       0});
                break;
            case 5:
                store.counter.push_back({title,
                                         1,
                                         now,
                                         due,
                                         {1, 0, 0, 0},
                                         false,
                                         u"",
                                         false,
                                         u"",
                                         0,
                                         true,
                                         false,
                                         shown,
                                         true,
                                         false,
                                         x,
                                         y,
                                         0});
                break;
            case 6:
                store.stickyNote.push_back({title, u"text", 2, shown, false, x, y, 185, 175, 0});
                break;
            default:
                store.stopwatch.push_back({title, {}, {}, false, shown, false, false, x, y, 0});
                break;
        }
    }
    return store;
}

// `count` counters counting to a moment a day ahead, shown with their strips and running.
TaskStore RunningCounters(int count) {
    const tockly::Win32Clock clock;
    const tockly::TimePoint now = clock.Now();
    const tockly::TimePoint due =
        *tockly::FromUnits(*tockly::ToUnits(now) + 24 * 3600 * tockly::kUnitsPerSecond);
    TaskStore store;
    for (int i = 0; i < count; ++i) {
        tockly::CounterTask counter;
        counter.title = u"Counter";
        counter.modeChoice = 1;
        counter.start = now;
        counter.target = due;
        counter.showProgressBar = true;
        counter.shown = true;
        counter.running = true;
        counter.x = 20 + (i % 8) * 150;
        counter.y = 20 + (i / 8) * 110;
        store.counter.push_back(counter);
    }
    return store;
}

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

void Figure(const char* key, double value, const char* unit) {
    std::printf("figure %s %.6g %s\n", key, value, unit);
}

struct Started {
    PROCESS_INFORMATION info{};
    double seconds = -1;  // to its loop waiting for input; -1 when it did not come
    double answers = -1;  // to the first answer of its main window
};

// Start to its message loop waiting for input with the main window made (and the icon added).
// An answer to a sent message comes sooner: the thread also answers while it waits for one of its
// own to another thread (showing a widget does), long before its loop runs.
Started StartTockly(const std::wstring& exe) {
    const auto begin = Clock::now();
    Started started{Start(exe, L"")};
    // Waited for, not polled, once the main window is there: the figures program must not take
    // the processor from the one it measures (with hundreds of widgets a search of the windows
    // is no longer cheap).
    HWND window = nullptr;
    while (Seconds(begin) < 60 && window == nullptr &&
           ::WaitForSingleObject(started.info.hProcess, 2) == WAIT_TIMEOUT) {
        window = TocklyMainWindow(started.info.dwProcessId);
    }
    DWORD_PTR answer = 0;
    if (window != nullptr &&
        ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 60000, &answer)) {
        started.answers = Seconds(begin);
    }
    if (window != nullptr && ::WaitForInputIdle(started.info.hProcess, 60000) == 0) {
        started.seconds = Seconds(begin);
    }
    return started;
}

void Close(const PROCESS_INFORMATION& info) {
    ::PostMessageW(TocklyMainWindow(info.dwProcessId), WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0) {
        ::TerminateProcess(info.hProcess, 1);
        ::WaitForSingleObject(info.hProcess, 5000);
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
}

Started TocklyStart(const std::wstring& exe) {
    const Started started = StartTockly(exe);
    Close(started.info);
    return started;
}

double EmptyStart() {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const auto begin = Clock::now();
    const PROCESS_INFORMATION info = Start(self, L"--empty-window");
    ::WaitForSingleObject(info.hProcess, 30000);
    const double seconds = Seconds(begin);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return seconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The GDI objects of another process: Wine answers GetGuiResources with 0 but keeps the GDI handle
// table that the process's PEB points to like Windows (64-bit layout), read from here.
long GdiObjectsOf(const PROCESS_INFORMATION& process) {
    if (const DWORD reported = ::GetGuiResources(process.hProcess, GR_GDIOBJECTS)) {
        return static_cast<long>(reported);
    }
    using Query = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr ||
        query(process.hProcess, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
        return -1;
    }
    std::uint64_t tableAddress = 0;
    SIZE_T read = 0;
    if (!::ReadProcessMemory(process.hProcess,
                             reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0xF8,
                             &tableAddress, sizeof(tableAddress), &read) ||
        tableAddress == 0) {
        return -1;
    }
    struct Entry {
        std::uint64_t kernelObject;
        std::uint16_t processId, count, unique;
        std::uint8_t type, flags;
        std::uint64_t userPointer;
    };
    static_assert(sizeof(Entry) == 24);
    std::vector<Entry> table(0x10000);
    if (!::ReadProcessMemory(process.hProcess, reinterpret_cast<const void*>(tableAddress),
                             table.data(), table.size() * sizeof(Entry), &read)) {
        return -1;
    }
    const auto owner = static_cast<std::uint16_t>(process.dwProcessId);
    long count = 0;
    for (const Entry& entry : table) {
        count += entry.type != 0 && (entry.processId == 0 || entry.processId == owner);
    }
    return count;
}

// The process's windows, their children included (what GetGuiResources would count of the USER
// objects but its menus).
long WindowsOf(DWORD process) {
    struct Search {
        DWORD process;
        long count;
    } search{process, 0};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->process) {
                ++s->count;
                ::EnumChildWindows(
                    window,
                    [](HWND, LPARAM inner) -> BOOL {
                        ++reinterpret_cast<Search*>(inner)->count;
                        return TRUE;
                    },
                    parameter);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

// Makes the marker FOLDER\\LABEL holding `process` and waits until the script removes it (it reads
// the process meanwhile), at most five minutes.
void HoldFor(const std::wstring& folder, const std::wstring& label, const char* process) {
    const std::wstring marker = folder + L"\\" + label;
    const HANDLE file = ::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, process, static_cast<DWORD>(std::strlen(process)), &written, nullptr);
    ::CloseHandle(file);
    for (int wait = 0;
         wait < 3000 && ::GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; ++wait) {
        ::Sleep(100);
    }
}

// The real program running with `store`, settled, its objects counted, held for the script.
void HoldTockly(const std::wstring& exe, const std::wstring& folder, const char* label,
                const TaskStore& store, int widgets) {
    WriteStore(store);
    const Started started = StartTockly(exe);
    ::Sleep(3000);  // the widgets shown and their workers past their first seconds
    const long gdi = GdiObjectsOf(started.info);
    const long windows = WindowsOf(started.info.dwProcessId);
    std::printf("Tockly with %d widgets shown: %ld GDI objects, %ld windows\n", widgets, gdi,
                windows);
    const std::string key(label);
    Figure(("gdi-objects-" + key).c_str(), static_cast<double>(gdi), "objects");
    Figure(("windows-" + key).c_str(), static_cast<double>(windows), "windows");
    std::fflush(stdout);
    HoldFor(folder, std::wstring(key.begin(), key.end()), "tockly");
    Close(started.info);
}

// The empty window with `threads` idle threads, held for the script: what Wine costs a process.
int HoldEmptyWindow(int threads, const std::wstring& folder, const std::wstring& label) {
    WNDCLASSW windowClass{};
    windowClass.lpszClassName = L"startup-figures-held";
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpfnWndProc = ::DefWindowProcW;
    ::RegisterClassW(&windowClass);
    const HWND window =
        ::CreateWindowExW(0, windowClass.lpszClassName, L"empty", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          0, 0, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    const HANDLE stop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<HANDLE> idle;
    for (int i = 0; i < threads; ++i) {
        idle.push_back(::CreateThread(
            nullptr, 0,
            [](void* event) -> DWORD {
                return ::WaitForSingleObject(static_cast<HANDLE>(event), INFINITE);
            },
            stop, 0, nullptr));
    }
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&message);
    }
    HoldFor(folder, label, "empty");
    ::SetEvent(stop);
    for (const HANDLE thread : idle) {
        ::WaitForSingleObject(thread, INFINITE);
        ::CloseHandle(thread);
    }
    ::CloseHandle(stop);
    ::DestroyWindow(window);
    return 0;
}

void HoldEmpty(int threads, const std::wstring& folder, const wchar_t* label) {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const PROCESS_INFORMATION info =
        Start(self, L"--hold-empty " + std::to_wstring(threads) + L" \"" + folder + L"\" " + label);
    ::WaitForSingleObject(info.hProcess, INFINITE);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
}

void StartFigures(const std::wstring& exe, int runs) {
    const TaskStore many = StoredTasks(500, 5);
    const TaskStore hidden = StoredTasks(500, 1'000'000);
    std::vector<double> empty, tockly, stored, storedAnswers, storedHidden, ratios;
    // The first round warms the files and the server up and is not counted.
    for (int i = -1; i < runs; ++i) {
        const double emptySeconds = EmptyStart();
        WriteStore({});
        const Started bare = TocklyStart(exe);
        WriteStore(many);
        const Started full = TocklyStart(exe);
        WriteStore(hidden);
        const Started none = TocklyStart(exe);
        if (i >= 0) {
            empty.push_back(emptySeconds);
            tockly.push_back(bare.seconds);
            stored.push_back(full.seconds);
            storedAnswers.push_back(full.answers);
            storedHidden.push_back(none.seconds);
            ratios.push_back(full.seconds / emptySeconds);
        }
    }
    const double emptyMedian = Median(empty);
    const auto ratio = [emptyMedian](double seconds) {
        return emptyMedian > 0 ? seconds / emptyMedian : 0.0;
    };
    const auto line = [&ratio](const char* what, double seconds) {
        std::printf("%-58s %7.3f s  ratio %6.2f\n", what, seconds, ratio(seconds));
    };
    std::printf("%-58s %7.3f s  (median of %d)\n",
                "empty window, start to first paint:", emptyMedian, runs);
    line("Tockly, empty store, start to its loop waiting for input:", Median(tockly));
    line("Tockly, 500 stored tasks (100 shown):", Median(stored));
    line("  the same, to its main window's first answer:", Median(storedAnswers));
    line("Tockly, 500 stored tasks (none shown):", Median(storedHidden));
    std::printf(
        "500 stored tasks / empty window, each run's ratio: median %.2f, from %.2f to %.2f\n",
        Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
        *std::max_element(ratios.begin(), ratios.end()));
    Figure("start-empty-window", emptyMedian, "s");
    Figure("start-tockly-empty-store", Median(tockly), "s");
    Figure("start-tockly-500-tasks", Median(stored), "s");
    Figure("start-tockly-500-tasks-first-answer", Median(storedAnswers), "s");
    Figure("start-tockly-500-hidden", Median(storedHidden), "s");
    Figure("start-ratio-500-tasks", ratio(Median(stored)), "x");
    Figure("start-ratio-500-tasks-paired", Median(ratios), "x");
    std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && std::wstring(argv[1]) == L"--empty-window") {
        return EmptyWindow();
    }
    if (argc >= 5 && std::wstring(argv[1]) == L"--hold-empty") {
        return HoldEmptyWindow(_wtoi(argv[2]), argv[3], argv[4]);
    }
    if (argc >= 4 && std::wstring(argv[1]) == L"--write-store") {
        // For a profiler: the stored tasks, or with "counters" that many running counters.
        const bool counters = argc > 4 && std::wstring(argv[4]) == L"counters";
        WriteStore(counters ? RunningCounters(_wtoi(argv[2]))
                            : StoredTasks(_wtoi(argv[2]), std::max(1, _wtoi(argv[3]))));
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: startup-figures TOCKLY_EXE [RUNS] [MARKER_FOLDER]\n"
                     "       startup-figures --write-store TASKS SHOWN_EVERY [counters]\n");
        return 2;
    }
    const std::wstring exe = argv[1];
    const int runs = argc > 2 ? std::max(0, _wtoi(argv[2])) : 15;
    if (runs > 0) {
        StartFigures(exe, runs);
    }
    if (argc > 3) {
        const std::wstring folder = argv[3];
        HoldTockly(exe, folder, "0-widgets", {}, 0);
        HoldTockly(exe, folder, "100-widgets", StoredTasks(100, 1), 100);
        HoldTockly(exe, folder, "500-widgets", StoredTasks(500, 1), 500);
        HoldTockly(exe, folder, "50-running-counters", RunningCounters(50), 50);
        HoldEmpty(0, folder, L"empty-window");
        HoldEmpty(100, folder, L"empty-window-100-threads");
    }
    ::DeleteFileW(StoreFile().c_str());
    return 0;
}
