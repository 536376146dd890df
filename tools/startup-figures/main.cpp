// startup-figures TOCKLY_EXE [RUNS]: how long Tockly.exe takes from its start to a running message
// loop with its tray icon added (its main window answers a message), against an empty Win32
// window's start to its first paint under the same Wine. Prints the medians in seconds.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

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

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// Start to a loop that answers: the main window is made (and the icon added) before the loop.
double TocklyStart(const std::wstring& exe) {
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
    std::vector<double> tockly;
    std::vector<double> empty;
    for (int i = 0; i < runs; ++i) {
        empty.push_back(EmptyStart());
        tockly.push_back(TocklyStart(argv[1]));
    }
    const double emptyMedian = Median(empty);
    const double tocklyMedian = Median(tockly);
    std::printf("empty window, start to first paint:          %.3f s (median of %d)\n", emptyMedian,
                runs);
    std::printf("Tockly, start to its loop with the tray icon: %.3f s (median of %d)\n",
                tocklyMedian, runs);
    std::printf("ratio: %.2f\n", emptyMedian > 0 ? tocklyMedian / emptyMedian : 0.0);
    return 0;
}
