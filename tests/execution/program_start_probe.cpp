// A program for the program-start tests to start: it writes what it was given (its command line,
// its working folder and the arguments the platform splits the command line into, one per line,
// UTF-16) into the file named by the environment variable TOCKLY_START_RECORD. With the argument
// "--wait" it then waits until it is ended.

#include <windows.h>

#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t record[MAX_PATH];
    if (::GetEnvironmentVariableW(L"TOCKLY_START_RECORD", record, MAX_PATH) == 0) {
        return 2;
    }
    std::wstring text = ::GetCommandLineW();
    wchar_t folder[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    text += L'\n';
    text += folder;
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    bool wait = false;
    for (int i = 0; i < count; ++i) {
        text += L'\n';
        text += arguments[i];
        wait = wait || std::wstring(arguments[i]) == L"--wait";
    }
    ::LocalFree(arguments);
    // Written beside the record and renamed, so that the test never reads half a record.
    const std::wstring partial = std::wstring(record) + L".partial";
    const HANDLE file = ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 3;
    }
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
                nullptr);
    ::CloseHandle(file);
    ::MoveFileExW(partial.c_str(), record, MOVEFILE_REPLACE_EXISTING);
    if (wait) {
        ::Sleep(INFINITE);
    }
    return 0;
}
