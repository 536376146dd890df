#pragma once
// Starting and watching a real program from a Win32 test.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "support/unique_handle.h"

namespace tockly::testing {

// Polls `condition` until it holds or `timeout` passes.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::seconds(15)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class ChildProcess {
public:
    ChildProcess(const std::wstring& exe, const std::wstring& arguments = L"") {
        std::wstring commandLine = L"\"" + exe + L"\"";
        if (!arguments.empty()) {
            commandLine += L" " + arguments;
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        started_ = ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                    nullptr, nullptr, &startup, &info_) != 0;
    }
    ~ChildProcess() {
        if (started_) {
            if (IsRunning()) {
                ::TerminateProcess(info_.hProcess, 99);
                ::WaitForSingleObject(info_.hProcess, 5000);
            }
            ::CloseHandle(info_.hThread);
            ::CloseHandle(info_.hProcess);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return started_; }
    DWORD id() const { return info_.dwProcessId; }
    bool IsRunning() const { return ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

    // The exit code, or STILL_ACTIVE when the process did not end in time.
    DWORD WaitForExit(DWORD milliseconds = 15000) const {
        ::WaitForSingleObject(info_.hProcess, milliseconds);
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

    // Ends the program's message loop the way WM_QUIT does, without a window of ours.
    bool PostQuit() const { return ::PostThreadMessageW(info_.dwThreadId, WM_QUIT, 0, 0) != 0; }

private:
    bool started_ = false;
    PROCESS_INFORMATION info_{};
};

// Runs a console program to its end with its output thrown away. Its exit code, or STILL_ACTIVE
// when it did not end in time (it is then ended).
inline DWORD RunQuietly(const std::wstring& exe, const std::wstring& arguments,
                        DWORD milliseconds = 15000) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    FileHandle nowhere(::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited,
                                     OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nowhere.get();
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          nullptr, &startup, &info)) {
        return STILL_ACTIVE;
    }
    KernelHandle process(info.hProcess);
    KernelHandle thread(info.hThread);
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(process.get(), milliseconds) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.get(), 99);
        ::WaitForSingleObject(process.get(), 5000);
        return STILL_ACTIVE;
    }
    ::GetExitCodeProcess(process.get(), &code);
    return code;
}

// Top-level windows with this title, of any process.
inline int CountTopLevelWindows(const std::wstring& title) {
    struct Search {
        const std::wstring* title;
        int count;
    } search{&title, 0};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            wchar_t text[256];
            if (::GetWindowTextW(window, text, 256) > 0 && *s->title == text) {
                ++s->count;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

// The first visible top-level window of process `processId` with the caption `title`.
inline HWND FindProcessWindow(DWORD processId, const std::wstring& title) {
    struct Search {
        DWORD processId;
        const std::wstring* title;
        HWND found;
    } search{processId, &title, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            wchar_t text[256];
            if (owner == s->processId && ::IsWindowVisible(window) &&
                ::GetWindowTextW(window, text, 256) >= 0 && *s->title == text) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace tockly::testing
