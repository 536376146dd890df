// startup-figures TOCKLY_EXE [RUNS]: how long Tockly.exe takes from its start to a running message
// loop with its tray icon added (its main window answers a message), with an empty task store and
// with 500 stored tasks, against an empty Win32 window's start to its first paint under the same
// Wine; then it keeps the program running with no task and with 100 widgets shown for `run` (the
// script beside it), which reads the program's private memory. Prints the medians in seconds. It
// replaces the task store in the prefix's data folder (and removes it at the end).

#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
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

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// Start to a loop that answers: the main window is made (and the icon added) before the loop.
// With a `marker`, once the program has run a second the file is made and the program left running
// until something removes the file (the run script, which reads the program's memory meanwhile)
// or ten seconds pass.
double TocklyStart(const std::wstring& exe, const wchar_t* marker = nullptr) {
    const auto begin = Clock::now();
    const PROCESS_INFORMATION info = Start(exe, L"");
    double seconds = -1;
    while (Seconds(begin) < 30) {
        HWND window = TocklyMainWindow(info.dwProcessId);
        DWORD_PTR answer = 0;
        if (window != nullptr &&
            ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer)) {
            seconds = Seconds(begin);
            break;
        }
        ::Sleep(1);
    }
    if (marker != nullptr) {
        ::Sleep(1000);
        ::CloseHandle(::CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        for (int wait = 0; wait < 200 && ::GetFileAttributesW(marker) != INVALID_FILE_ATTRIBUTES;
             ++wait) {
            ::Sleep(50);
        }
    }
    ::PostMessageW(TocklyMainWindow(info.dwProcessId), WM_CLOSE, 0, 0);
    ::WaitForSingleObject(info.hProcess, 10000);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return seconds;
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && std::wstring(argv[1]) == L"--empty-window") {
        return EmptyWindow();
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup-figures TOCKLY_EXE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 7;
    const TaskStore many = StoredTasks(500, 5);
    std::vector<double> tockly;
    std::vector<double> stored;
    std::vector<double> empty;
    for (int i = 0; i < runs; ++i) {
        empty.push_back(EmptyStart());
        WriteStore({});
        tockly.push_back(TocklyStart(argv[1]));
        WriteStore(many);
        stored.push_back(TocklyStart(argv[1]));
    }
    const double emptyMedian = Median(empty);
    const double tocklyMedian = Median(tockly);
    const double storedMedian = Median(stored);
    std::printf("empty window, start to first paint:              %.3f s (median of %d)\n",
                emptyMedian, runs);
    std::printf("Tockly, empty store, start to its loop and icon: %.3f s  ratio %.2f\n",
                tocklyMedian, emptyMedian > 0 ? tocklyMedian / emptyMedian : 0.0);
    std::printf("Tockly, 500 stored tasks (100 shown):            %.3f s  ratio %.2f\n",
                storedMedian, emptyMedian > 0 ? storedMedian / emptyMedian : 0.0);

    std::fflush(stdout);
    // The run script reads the memory of the program while these markers exist.
    WriteStore({});
    TocklyStart(argv[1], L"Z:\\tmp\\tockly-memory-no-tasks");
    WriteStore(StoredTasks(100, 1));
    TocklyStart(argv[1], L"Z:\\tmp\\tockly-memory-100-widgets");
    ::DeleteFileW(StoreFile().c_str());
    return 0;
}
