// The installer the build makes, under Wine: silent installs for the current user and for all
// users, the installed program started from its folder, the Start-menu shortcut, the entry of
// "Apps and features", the optional autostart value, and silent uninstalls that leave nothing
// but the user's data (and that too when asked).

#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "shell/autostart_command.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "support/unique_handle.h"
#include "support/utf16.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_process.h"
#include "support/win32_test_paths.h"

namespace tockly {
namespace {

using testing::PathExists;
using testing::WaitUntil;

constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tockly";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr DWORD kSetupTimeout = 60000;

std::wstring HostPath(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? testing::HostPathToWindows(value) : std::wstring();
}

std::wstring ShellFolder(int folder) {
    wchar_t path[MAX_PATH];
    EXPECT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, folder, nullptr, 0, path)));
    return path;
}

std::wstring DataFolder() {
    return ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Tockly";
}

std::optional<std::wstring> ReadText(HKEY root, const wchar_t* key, const wchar_t* name) {
    DWORD bytes = 0;
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

std::optional<DWORD> ReadNumber(HKEY root, const wchar_t* key, const wchar_t* name) {
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    if (::RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

bool KeyExists(HKEY root, const wchar_t* key) {
    RegistryKey opened;
    return ::RegOpenKeyExW(root, key, 0, KEY_READ, opened.put()) == ERROR_SUCCESS;
}

// Every file under `folder`, as paths relative to it, and the sum of their sizes.
struct FileList {
    std::set<std::wstring> names;
    unsigned long long bytes = 0;
};

void CollectFiles(const std::wstring& folder, const std::wstring& prefix, FileList& list) {
    testing::ForEachEntry(folder, [&](const std::wstring& name, const WIN32_FIND_DATAW& found) {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CollectFiles(folder + L"\\" + name, prefix + name + L"\\", list);
        } else {
            list.names.insert(prefix + name);
            list.bytes +=
                (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        }
    });
}

FileList FilesUnder(const std::wstring& folder) {
    FileList list;
    CollectFiles(folder, L"", list);
    return list;
}

std::wstring ShortcutTarget(const std::wstring& shortcut) {
    std::wstring target;
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return target;
    }
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IShellLinkW, reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t path[MAX_PATH] = L"";
            if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0))) {
                target = path;
            }
            file->Release();
        }
        link->Release();
    }
    ::CoUninitialize();
    return target;
}

// A text of any window of the process, its hidden main window's controls included.
struct TextSearch {
    DWORD processId;
    const std::wstring* text;
    bool found;
};

BOOL CALLBACK CheckChildText(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TextSearch*>(parameter);
    wchar_t caption[256];
    if (::GetWindowTextW(window, caption, 256) > 0 && *search->text == caption) {
        search->found = true;
    }
    return !search->found;
}

bool ProcessShowsText(DWORD processId, const std::wstring& text) {
    TextSearch search{processId, &text, false};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<TextSearch*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId) {
                ::EnumChildWindows(window, CheckChildText, parameter);
            }
            return !s->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct InstallMode {
    const char* name;
    const wchar_t* switchName;  // "/CurrentUser" or "/AllUsers"
    HKEY root;                  // where the uninstall entry goes
    int programsFolder;         // CSIDL of the folder that holds the installed program's folder
    const wchar_t* subfolder;   // the program's folder in it
    int startMenuFolder;        // CSIDL of the Start menu's programs
};

class InstallerTest : public ::testing::TestWithParam<InstallMode> {
protected:
    void SetUp() override {
        ASSERT_FALSE(setup_.empty()) << "TOCKLY_SETUP_EXE is not set";
        ASSERT_FALSE(::FindWindowW(nullptr, kInstanceMarkerName)) << "a Tockly is running";
        ASSERT_FALSE(PathExists(folder_)) << "Tockly is installed in " << folder_;
        ASSERT_FALSE(KeyExists(mode().root, kUninstallKey));
        testing::RemoveTree(DataFolder());
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tockly");
    }

    void TearDown() override {
        // A failed test must not leave the next one an installed Tockly.
        if (PathExists(folder_ + L"\\Uninstall.exe")) {
            Uninstall(L"/REMOVEDATA");
        }
        testing::RemoveTree(folder_);
        ::RegDeleteTreeW(mode().root, kUninstallKey);
    }

    const InstallMode& mode() const { return GetParam(); }
    std::wstring Exe() const { return folder_ + L"\\Tockly.exe"; }
    std::wstring Shortcut() const { return ShellFolder(mode().startMenuFolder) + L"\\Tockly.lnk"; }

    void Install(const std::wstring& extra = L"") {
        ASSERT_EQ(testing::RunQuietly(setup_, L"/S " + std::wstring(mode().switchName) + extra,
                                      kSetupTimeout),
                  0u);
        ASSERT_TRUE(PathExists(Exe()));
    }

    // The quiet uninstall command as "Apps and features" gives it. The uninstaller copies itself
    // to the temporary folder and ends at once; the copy removes the folder last.
    void Uninstall(const std::wstring& extra = L"") {
        const std::wstring uninstaller = folder_ + L"\\Uninstall.exe";
        ASSERT_EQ(testing::RunQuietly(uninstaller, std::wstring(L"/S ") + mode().switchName + extra,
                                      kSetupTimeout),
                  0u);
        ASSERT_TRUE(WaitUntil([&] { return !PathExists(folder_); }, std::chrono::seconds(60)));
    }

    std::optional<std::wstring> Entry(const wchar_t* name) const {
        return ReadText(mode().root, kUninstallKey, name);
    }

    // Starts the installed program in German: it shows its texts only if it found its language
    // files beside itself.
    void RunInstalledProgram() {
        SettingsValues settings;
        settings.language = u"Deutsch";
        ::CreateDirectoryW(DataFolder().c_str(), nullptr);
        testing::WriteFileBytes(DataFolder() + L"\\settings.ini",
                                EncodeUtf16Le(FormatSettingsText(settings)));

        testing::ChildProcess tockly(Exe());
        ASSERT_TRUE(tockly.started());
        EXPECT_TRUE(WaitUntil([&] { return ProcessShowsText(tockly.id(), L"Einstellungen"); }))
            << "the installed program shows no German text";
        ASSERT_TRUE(tockly.PostQuit());
        EXPECT_EQ(tockly.WaitForExit(), 0u);
    }

    void ExpectNothingLeftButData(bool dataKept) {
        EXPECT_FALSE(PathExists(folder_));
        EXPECT_FALSE(PathExists(Shortcut()));
        EXPECT_FALSE(KeyExists(mode().root, kUninstallKey));
        EXPECT_FALSE(ReadText(HKEY_CURRENT_USER, kRunKey, L"Tockly").has_value());
        EXPECT_EQ(PathExists(DataFolder() + L"\\settings.ini"), dataKept);
    }

    const std::wstring setup_ = HostPath("TOCKLY_SETUP_EXE");
    const std::wstring stage_ = HostPath("TOCKLY_PACKAGE_STAGE");
    const std::wstring folder_ = ShellFolder(GetParam().programsFolder) + GetParam().subfolder;
};

TEST_P(InstallerTest, InstallsRunsRegistersAndUninstallsKeepingTheUsersData) {
    ASSERT_NO_FATAL_FAILURE(Install());

    // The staged program and the uninstaller, nothing else.
    FileList installed = FilesUnder(folder_);
    std::set<std::wstring> expected = FilesUnder(stage_).names;
    ASSERT_GT(expected.size(), 100u);
    EXPECT_TRUE(expected.contains(L"language\\Deutsch.lng"));
    EXPECT_TRUE(expected.contains(L"licenses\\zlib-copyright.txt"));
    expected.insert(L"Uninstall.exe");
    EXPECT_EQ(installed.names, expected);

    EXPECT_EQ(ShortcutTarget(Shortcut()), Exe());

    const std::wstring uninstaller = L"\"" + folder_ + L"\\Uninstall.exe\" " + mode().switchName;
    EXPECT_EQ(Entry(L"DisplayName"), L"Tockly");
    EXPECT_EQ(Entry(L"DisplayVersion"), L"1.0.0");
    EXPECT_EQ(Entry(L"Publisher"), L"Brackenfold Software");
    EXPECT_EQ(Entry(L"DisplayIcon"), L"\"" + Exe() + L"\",0");
    EXPECT_EQ(Entry(L"InstallLocation"), folder_);
    EXPECT_EQ(Entry(L"UninstallString"), uninstaller);
    EXPECT_EQ(Entry(L"QuietUninstallString"), uninstaller + L" /S");
    EXPECT_EQ(ReadNumber(mode().root, kUninstallKey, L"NoModify"), 1u);
    EXPECT_EQ(ReadNumber(mode().root, kUninstallKey, L"NoRepair"), 1u);
    // In KiB, rounded per file.
    const auto size = ReadNumber(mode().root, kUninstallKey, L"EstimatedSize");
    ASSERT_TRUE(size.has_value());
    EXPECT_GE(*size, installed.bytes / 1024);
    EXPECT_LE(*size, installed.bytes / 1024 + installed.names.size());
    EXPECT_FALSE(ReadText(HKEY_CURRENT_USER, kRunKey, L"Tockly").has_value())
        << "start with Windows is off unless chosen";

    ASSERT_NO_FATAL_FAILURE(RunInstalledProgram());

    ASSERT_NO_FATAL_FAILURE(Uninstall());
    ExpectNothingLeftButData(true);
}

TEST_P(InstallerTest, AutostartWritesTheProgramsOwnRunValueAndRemoveDataTakesTheDataToo) {
    ASSERT_NO_FATAL_FAILURE(Install(L" /AUTOSTART"));
    // The value Tockly's own setting writes for this path, to the byte.
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kRunKey, L"Tockly"),
              ToWide(AutostartCommand(FromWide(Exe()))));
    ASSERT_NO_FATAL_FAILURE(RunInstalledProgram());

    ASSERT_NO_FATAL_FAILURE(Uninstall(L" /REMOVEDATA"));
    ExpectNothingLeftButData(false);
    EXPECT_FALSE(PathExists(DataFolder()));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, InstallerTest,
    ::testing::Values(InstallMode{"CurrentUser", L"/CurrentUser", HKEY_CURRENT_USER,
                                  CSIDL_LOCAL_APPDATA, L"\\Programs\\Tockly", CSIDL_PROGRAMS},
                      InstallMode{"AllUsers", L"/AllUsers", HKEY_LOCAL_MACHINE, CSIDL_PROGRAM_FILES,
                                  L"\\Tockly", CSIDL_COMMON_PROGRAMS}),
    [](const ::testing::TestParamInfo<InstallMode>& info) { return info.param.name; });

}  // namespace
}  // namespace tockly
