// System DLLs come from the system folder: a copy planted in the program's folder or in the
// current folder is loaded by a plain LoadLibraryW (which shows that the plant works), and never
// by the program's loading or after its start-up's limit.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/unique_handle.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"

namespace tockly {
namespace {

constexpr DWORD kSystems = 0;
constexpr DWORD kPlanted = 1;
constexpr DWORD kNotLoaded = 2;
constexpr wchar_t kWineOverrides[] =
    L"Software\\Wine\\AppDefaults\\dll_search_probe.exe\\DllOverrides";
constexpr wchar_t kNativeFirst[] = L"native,builtin";

class DllSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Wine takes its own DLLs before others unless told otherwise; Windows takes the first
        // file it finds. The probe gets Windows' rule.
        for (const wchar_t* name : {L"riched20", L"mapi32"}) {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kWineOverrides, name, REG_SZ, kNativeFirst,
                              sizeof(kNativeFirst));
        }
        // The program's folder holds the probe and planted riched20.dll and mapi32.dll. The
        // system's folder comes before the current folder in the default search, so a DLL is
        // taken from there only when the system has none of that name: "planted.dll".
        ASSERT_TRUE(::CopyFileW(testing::HostPathToWindows(TOCKLY_DLL_SEARCH_PROBE).c_str(),
                                Probe().c_str(), FALSE));
        const std::wstring planted = testing::HostPathToWindows(TOCKLY_PLANTED_DLL);
        for (const wchar_t* name : {L"riched20.dll", L"mapi32.dll"}) {
            ASSERT_TRUE(
                ::CopyFileW(planted.c_str(), (programFolder_ + L"\\" + name).c_str(), FALSE));
        }
        ASSERT_TRUE(
            ::CopyFileW(planted.c_str(), (currentFolder_ + L"\\planted.dll").c_str(), FALSE));
    }
    void TearDown() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kWineOverrides);
        testing::RemoveTree(programFolder_);
        testing::RemoveTree(currentFolder_);
    }

    std::wstring Probe() const { return programFolder_ + L"\\dll_search_probe.exe"; }

    // Runs the probe in the current folder; its exit code, or STILL_ACTIVE.
    DWORD RunProbe(const std::wstring& mode, const std::wstring& name) const {
        std::wstring commandLine = L"\"" + Probe() + L"\" " + mode + L" " + name;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!::CreateProcessW(Probe().c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                              CREATE_NO_WINDOW, nullptr, currentFolder_.c_str(), &startup, &info)) {
            return STILL_ACTIVE;
        }
        KernelHandle process(info.hProcess);
        KernelHandle thread(info.hThread);
        ::WaitForSingleObject(process.get(), 15000);
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(process.get(), &code);
        return code;
    }

    const std::wstring programFolder_ = testing::MakeScratchFolder(L"dll-program");
    const std::wstring currentFolder_ = testing::MakeScratchFolder(L"dll-current");
};

TEST_F(DllSearchTest, APlainLoadTakesTheCopiesPlantedInTheProgramsAndTheCurrentFolder) {
    EXPECT_EQ(RunProbe(L"plain", L"riched20.dll"), kPlanted);
    EXPECT_EQ(RunProbe(L"plain", L"mapi32.dll"), kPlanted);
    EXPECT_EQ(RunProbe(L"plain", L"planted.dll"), kPlanted);
}

TEST_F(DllSearchTest, TheProgramsLoadsTakeTheSystemsLibraries) {
    for (const wchar_t* name : {L"riched20.dll", L"mapi32.dll"}) {
        EXPECT_EQ(RunProbe(L"system", name), kSystems) << name;
        EXPECT_EQ(RunProbe(L"path", name), kSystems) << name;
    }
    EXPECT_EQ(RunProbe(L"system", L"planted.dll"), kNotLoaded);
    EXPECT_EQ(RunProbe(L"path", L"planted.dll"), kNotLoaded);
    EXPECT_EQ(RunProbe(L"richedit", L"-"), kSystems);
}

TEST_F(DllSearchTest, AfterTheStartUpsLimitALoadByNameSkipsTheProgramsAndTheCurrentFolder) {
    EXPECT_EQ(RunProbe(L"limited", L"riched20.dll"), kSystems);
    EXPECT_EQ(RunProbe(L"limited", L"mapi32.dll"), kSystems);
    EXPECT_EQ(RunProbe(L"limited", L"planted.dll"), kNotLoaded);
}

}  // namespace
}  // namespace tockly
