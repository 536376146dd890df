// System DLLs come from the system folder: a copy planted in the program's folder or in the
// current folder is loaded by a plain LoadLibraryW (which shows that the plant works), and never
// by the program's loading or after its start-up's limit.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "platform/win32_system_library.h"
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
// The DLLs planted beside the probe.
constexpr const wchar_t* kPlantedNames[] = {L"riched20", L"mapi32", L"winmm", L"psapi",
                                            L"rasapi32"};

class DllSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Wine takes its own DLLs before others unless told otherwise; Windows takes the first
        // file it finds. The probe gets Windows' rule.
        for (const wchar_t* name : kPlantedNames) {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kWineOverrides, name, REG_SZ, kNativeFirst,
                              sizeof(kNativeFirst));
        }
        // The program's folder holds the probe and planted copies of kPlantedNames. The
        // system's folder comes before the current folder in the default search, so a DLL is
        // taken from there only when the system has none of that name: "planted.dll".
        ASSERT_TRUE(::CopyFileW(testing::HostPathToWindows(TOCKLY_DLL_SEARCH_PROBE).c_str(),
                                Probe().c_str(), FALSE));
        const std::wstring planted = testing::HostPathToWindows(TOCKLY_PLANTED_DLL);
        for (const wchar_t* name : kPlantedNames) {
            const std::wstring file = programFolder_ + L"\\" + name + L".dll";
            ASSERT_TRUE(::CopyFileW(planted.c_str(), file.c_str(), FALSE));
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
    for (const wchar_t* name : kPlantedNames) {
        EXPECT_EQ(RunProbe(L"plain", std::wstring(name) + L".dll"), kPlanted) << name;
    }
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
    EXPECT_EQ(RunProbe(L"sound", L"-"), kSystems);
    EXPECT_EQ(RunProbe(L"processes", L"-"), kSystems);
    EXPECT_EQ(RunProbe(L"dialup", L"-"), kSystems);
}

TEST_F(DllSearchTest, AfterTheStartUpsLimitALoadByNameSkipsTheProgramsAndTheCurrentFolder) {
    EXPECT_EQ(RunProbe(L"limited", L"riched20.dll"), kSystems);
    EXPECT_EQ(RunProbe(L"limited", L"mapi32.dll"), kSystems);
    EXPECT_EQ(RunProbe(L"limited", L"planted.dll"), kNotLoaded);
}

// The DLLs named in an image's import table, in lower case; empty when it cannot be read.
std::set<std::string> ImportedDlls(const std::wstring& image) {
    // Mapped as an image, so that the table's addresses (relative to the image) apply.
    const LibraryModule mapped(
        ::LoadLibraryExW(image.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    std::set<std::string> names;
    if (!mapped) {
        return names;
    }
    // The handle of a resource mapping has its low bits set.
    const auto* base =
        reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(mapped.get()) & ~ULONG_PTR{3});
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& table =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (table.VirtualAddress == 0) {
        return names;
    }
    for (const auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + table.VirtualAddress);
         entry->Name != 0; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        names.insert(std::move(name));
    }
    return names;
}

// The system resolves a program's imports before it runs, taking a DLL it does not keep in its
// known list (HKLM\System\CurrentControlSet\Control\Session Manager\KnownDLLs) from the
// program's folder first. Tockly.exe imports only DLLs known on Vista and later; the others it
// loads from the system folder while it runs.
TEST(TocklyImports, AreOnlyDllsThatTheSystemKeepsInItsKnownList) {
    const std::set<std::string> known = {
        "advapi32.dll", "comdlg32.dll", "gdi32.dll",   "kernel32.dll", "msvcrt.dll",
        "ole32.dll",    "oleaut32.dll", "shell32.dll", "shlwapi.dll",  "user32.dll"};
    const std::set<std::string> imported = ImportedDlls(testing::TocklyExe());
    ASSERT_TRUE(imported.contains("kernel32.dll"));
    for (const std::string& name : imported) {
        EXPECT_TRUE(known.contains(name)) << name << " is imported";
    }
}

}  // namespace
}  // namespace tockly
