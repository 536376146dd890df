// The real file dialogs, answered with real keys by a helper thread as a person would: the name
// typed comes back as a full path, an existing file is found, Escape cancels; and the filter
// string the common dialogs get.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/win32_file_dialogs.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"

namespace tockly {
namespace {

// The dialog box of this process that is shown now, or null.
HWND ShownDialog() {
    struct Search {
        DWORD process = ::GetCurrentProcessId();
        HWND found = nullptr;
    } search;
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (process == s.process && std::wstring(name) == L"#32770" &&
                ::IsWindowVisible(window)) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Key(WORD key, DWORD flags = 0, WORD scan = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
}

// On a thread of its own: waits for the dialog, types `text` (none: only the final key) and
// presses `finalKey`.
class Answerer {
public:
    Answerer(std::wstring text, WORD finalKey)
        : thread_([this, text = std::move(text), finalKey] {
              HWND dialog = nullptr;
              for (int i = 0; i < 500 && dialog == nullptr; ++i) {
                  ::Sleep(20);
                  dialog = ShownDialog();
              }
              if (dialog == nullptr) {
                  return;
              }
              ::SetForegroundWindow(dialog);
              ::Sleep(300);  // the dialog fills its lists and puts the focus in the name field
              for (const wchar_t c : text) {
                  Key(0, KEYEVENTF_UNICODE, c);
                  Key(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, c);
              }
              Key(finalKey);
              Key(finalKey, KEYEVENTF_KEYUP);
              answered_ = true;
          }) {}
    ~Answerer() { thread_.join(); }
    bool answered() const { return answered_; }

private:
    std::atomic<bool> answered_{false};
    std::thread thread_;
};

const std::vector<FileTypeFilter> kTextFiles{{u"Text Files (*.txt)", u"*.txt"}};

TEST(Win32FileDialogs, TheFilterListsEachDescriptionAndItsPatternsEndedByNuls) {
    EXPECT_EQ(CommonDialogFilter(kTextFiles), std::wstring(L"Text Files (*.txt)\0*.txt\0\0", 26));
    EXPECT_EQ(
        CommonDialogFilter({{u"Executable Files (*.exe *.msi)", u"*.exe;*.msi"}, {u"All", u"*.*"}}),
        std::wstring(L"Executable Files (*.exe *.msi)\0*.exe;*.msi\0All\0*.*\0\0", 52));
    EXPECT_EQ(CommonDialogFilter({}), std::wstring(1, L'\0'));
}

class RealDialogs : public ::testing::Test {
protected:
    void SetUp() override { folder = testing::MakeScratchFolder(L"dialogs"); }
    void TearDown() override { testing::RemoveTree(folder); }

    std::wstring folder;
    Win32FileDialogs dialogs;
};

TEST_F(RealDialogs, SaveGivesTheFullPathOfTheNameTyped) {
    std::optional<std::u16string> chosen;
    {
        Answerer user(folder + L"\\laps", VK_RETURN);
        chosen = dialogs.ChooseFileToSave({nullptr, kTextFiles, u"Save times list"});
    }
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(ToWide(*chosen).substr(0, folder.size()), folder);
    EXPECT_TRUE(ToWide(*chosen).ends_with(L"\\laps") || ToWide(*chosen).ends_with(L"\\laps.txt"))
        << ToWide(*chosen);
}

TEST_F(RealDialogs, OpenFindsAnExistingFileAndEscapeCancels) {
    const std::wstring file = folder + L"\\times.txt";
    testing::WriteFileBytes(file, {'0', ':', '1', ':', '7'});
    std::optional<std::u16string> chosen;
    {
        Answerer user(file, VK_RETURN);
        chosen = dialogs.ChooseFileToOpen({nullptr, kTextFiles, {}});
    }
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(::lstrcmpiW(ToWide(*chosen).c_str(), file.c_str()), 0) << ToWide(*chosen);
    {
        Answerer user(L"", VK_ESCAPE);
        chosen = dialogs.ChooseFileToOpen({nullptr, kTextFiles, {}});
    }
    EXPECT_FALSE(chosen.has_value());
}

TEST_F(RealDialogs, EscapeCancelsTheFolderDialog) {
    std::optional<std::u16string> chosen = u"unchanged";
    {
        Answerer user(L"", VK_ESCAPE);
        chosen = dialogs.ChooseFolder({nullptr, u"Save the pictures in"});
    }
    EXPECT_FALSE(chosen.has_value());
}

}  // namespace
}  // namespace tockly
