#pragma once
// The platform's own trace of the real program's calls: Wine's relay channel, limited to the
// functions the journey watches ("dll.Function;...": the RelayInclude list of Wine's debug key,
// read when a process starts; a name without its library is not traced). The journeys program runs
// with its standard error in the file named by TOCKLY_TRACE_FILE (with_trace.sh), and a program it
// starts writes its trace there too.

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/unique_handle.h"

namespace tockly::journeys {

class PlatformTrace {
public:
    // Programs started from now on trace the calls of `functions`.
    explicit PlatformTrace(const std::wstring& functions) {
        RegistryKey key;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Debug", 0, nullptr, 0, KEY_WRITE,
                              nullptr, key.put(), nullptr) == ERROR_SUCCESS) {
            ::RegSetValueExW(key.get(), L"RelayInclude", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(functions.c_str()),
                             static_cast<DWORD>((functions.size() + 1) * sizeof(wchar_t)));
        }
        ::SetEnvironmentVariableW(L"WINEDEBUG", L"+relay");
        const char* file = std::getenv("TOCKLY_TRACE_FILE");
        file_ = file ? file : "";
        start_ = Text().size();
    }
    ~PlatformTrace() {
        ::SetEnvironmentVariableW(L"WINEDEBUG", L"-all");
        RegistryKey key;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Debug", 0, KEY_WRITE, key.put()) ==
            ERROR_SUCCESS) {
            ::RegDeleteValueW(key.get(), L"RelayInclude");
        }
    }
    PlatformTrace(const PlatformTrace&) = delete;
    PlatformTrace& operator=(const PlatformTrace&) = delete;

    bool available() const { return !file_.empty(); }

    // What was traced since this trace began.
    std::string Log() const { return Text().substr(start_); }

    // The trace's lines of calls to `function`.
    std::string Lines(const std::string& function) const {
        std::istringstream lines(Log());
        std::string found;
        for (std::string line; std::getline(lines, line);) {
            if (line.find("." + function + "(") != std::string::npos) {
                found += line + "\n";
            }
        }
        return found;
    }

    // How often `function` was called with a line of arguments that holds `arguments` (as the
    // trace writes them: "(00000001,00000000)"), whatever library it was called in.
    int Calls(const std::string& function, const std::string& arguments = "") const {
        std::istringstream lines(Log());
        const std::string call = "." + function + "(";
        int count = 0;
        for (std::string line; std::getline(lines, line);) {
            const std::size_t at = line.find(call);
            count += line.find(":Call ") != std::string::npos && at != std::string::npos &&
                     line.find(arguments, at) != std::string::npos;
        }
        return count;
    }

private:
    std::string Text() const {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }
    std::string file_;
    std::size_t start_ = 0;
};

}  // namespace tockly::journeys
