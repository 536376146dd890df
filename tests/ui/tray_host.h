#pragma once
// The tray tests' hand on the notification-area host: tray_click.sh, run from inside Wine as the
// host's own program, finds the docked icon and clicks it with xdotool.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "support/win32_test_paths.h"

namespace tockly::testing {

struct DockedIcon {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class TrayHost {
public:
    TrayHost() {
        const char* source = std::getenv("TOCKLY_SOURCE_DIR");
        script_ = std::string(source ? source : ".") + "/tests/ui/tray_click.sh";
        result_ = "/tmp/tockly-tray-" + std::to_string(::GetCurrentProcessId());
    }

    // Starts the script; `pump` runs while it works (the icon's window must handle its messages).
    // The icon where it docked, or nothing when it never did.
    std::optional<DockedIcon> Run(const std::string& arguments, const std::function<void()>& pump) {
        const std::wstring resultFile = HostPathToWindows(result_.c_str());
        ::DeleteFileW(resultFile.c_str());
        std::wstring command =
            L"bash " + Wide(script_) + L" " + Wide(result_) + L" " + Wide(arguments);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        // Wine starts a host program when it is given one.
        if (!::CreateProcessW(L"Z:\\bin\\bash", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info)) {
            ADD_FAILURE() << "cannot start " << script_;
            return std::nullopt;
        }
        ::CloseHandle(info.hThread);
        ::CloseHandle(info.hProcess);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(45);
        while (std::chrono::steady_clock::now() < deadline) {
            pump();
            std::ifstream file(result_);
            std::string first;
            if (file >> first) {
                if (first == "none") {
                    return std::nullopt;
                }
                DockedIcon icon;
                if (first == "clicked" || first == "typed") {
                    return icon;
                }
                icon.x = std::stoi(first);
                file >> icon.y >> icon.width >> icon.height;
                return icon;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return std::nullopt;
    }

private:
    static std::wstring Wide(const std::string& text) {
        return std::wstring(text.begin(), text.end());
    }

    std::string script_;
    std::string result_;
};

}  // namespace tockly::testing
