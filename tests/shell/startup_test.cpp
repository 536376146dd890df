// The real Tockly.exe: single instance, first start, refusal of old systems.

#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/startup.h"
#include "support/win32_files.h"
#include "support/win32_process.h"
#include "support/win32_test_paths.h"

namespace tockly {
namespace {

using testing::ChildProcess;
using testing::CountTopLevelWindows;
using testing::WaitUntil;

constexpr DWORD kFailure = static_cast<DWORD>(-1);

std::wstring RealDataFolder() {
    wchar_t folder[MAX_PATH];
    EXPECT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder)));
    return std::wstring(folder) + L"\\Tockly";
}

bool MarkerExists() {
    return ::FindWindowW(nullptr, kInstanceMarkerName) != nullptr;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(MarkerExists()) << "another Tockly is running in this prefix";
        testing::RemoveTree(RealDataFolder());
    }
};

TEST_F(StartupTest, FirstStartCreatesTheDataFolderWritesNothingAndQuitsWithZero) {
    ChildProcess tockly(testing::TocklyExe(), L"-s");
    ASSERT_TRUE(tockly.started());
    ASSERT_TRUE(WaitUntil(MarkerExists));
    HWND marker = ::FindWindowW(nullptr, kInstanceMarkerName);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(marker, &owner);
    EXPECT_EQ(owner, tockly.id());
    EXPECT_FALSE(::IsWindowVisible(marker));

    // The marker comes first, so a second start is refused at once; the folder follows it.
    EXPECT_TRUE(WaitUntil([] { return testing::PathExists(RealDataFolder()); }));
    EXPECT_FALSE(testing::PathExists(RealDataFolder() + L"\\settings.ini"));

    ASSERT_TRUE(tockly.PostQuit());
    EXPECT_EQ(tockly.WaitForExit(), 0u);
    EXPECT_FALSE(MarkerExists());
}

TEST_F(StartupTest, ASecondInstanceLeavesAtOnceWithMinusOneAndNoWindow) {
    ChildProcess first(testing::TocklyExe());
    ASSERT_TRUE(WaitUntil(MarkerExists));

    ChildProcess second(testing::TocklyExe());
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.WaitForExit(), kFailure);
    EXPECT_EQ(CountTopLevelWindows(kInstanceMarkerName), 1);
    EXPECT_TRUE(first.IsRunning());

    ASSERT_TRUE(first.PostQuit());
    EXPECT_EQ(first.WaitForExit(), 0u);
}

// Wine reports an older Windows to a program that has an "AppDefaults" version of its own.
class PretendWindowsVersion {
public:
    explicit PretendWindowsVersion(const wchar_t* version) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Version", REG_SZ, version,
                          static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
    }
    ~PretendWindowsVersion() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }

private:
    static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\Tockly.exe";
};

std::wstring StaticTextOf(HWND dialog) {
    std::wstring text;
    ::EnumChildWindows(
        dialog,
        [](HWND child, LPARAM parameter) -> BOOL {
            wchar_t className[32];
            ::GetClassNameW(child, className, 32);
            if (std::wstring_view(className) == L"Static" && ::GetWindowTextLengthW(child) > 0) {
                wchar_t buffer[512];
                ::GetWindowTextW(child, buffer, 512);
                *reinterpret_cast<std::wstring*>(parameter) = buffer;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

TEST_F(StartupTest, WindowsXpGetsTheVistaMessageAndExitCodeMinusOne) {
    PretendWindowsVersion xp(L"winxp64");
    ChildProcess tockly(testing::TocklyExe());
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        box = testing::FindProcessWindow(tockly.id(), L"Runtime Error");
        return box != nullptr;
    }));
    EXPECT_EQ(StaticTextOf(box),
              L"This version of operating system \nis not supported.\nYou need at least Windows "
              L"Vista.");
    EXPECT_FALSE(MarkerExists());
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(tockly.WaitForExit(), kFailure);
}

}  // namespace
}  // namespace tockly
