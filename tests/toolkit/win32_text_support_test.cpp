// The text controls' Win32 support under Wine: the real clipboard, the rich edit library and Tab
// between the controls of a window.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "support/win32_process.h"
#include "toolkit/focus_navigation.h"
#include "toolkit/rich_edit_library.h"
#include "toolkit/test_parent.h"
#include "toolkit/win32_text_clipboard.h"

namespace tockly {
namespace {

using testing::HeldModifiers;
using testing::TestParent;

TEST(Win32Clipboard, UnicodeTextMakesTheRoundTripAndOtherProgramsSeeIt) {
    TestParent parent;
    Win32TextClipboard clipboard(parent.window());
    const std::u16string text = u"Caf\u00E9 \U0001F600 tab\tend";
    ASSERT_TRUE(clipboard.WriteText(text));
    EXPECT_EQ(clipboard.ReadText(), text);
    ASSERT_TRUE(::OpenClipboard(nullptr));  // as another program reads it
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(::GlobalLock(data))),
              L"Caf\u00E9 \U0001F600 tab\tend");
    ::GlobalUnlock(data);
    ::CloseClipboard();
}

TEST(Win32Clipboard, NoTextAndABusyClipboardReadAsNothingAndWritesFail) {
    TestParent parent;
    Win32TextClipboard clipboard(parent.window());
    ASSERT_TRUE(::OpenClipboard(parent.window()));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(clipboard.ReadText().has_value());
    ASSERT_TRUE(clipboard.WriteText(u"before"));
    // Another program holds the clipboard open; this thread goes on handling its messages.
    std::atomic<int> stage = 0;  // 1: the other program has it open, 2: it may let go, 3: done
    std::thread otherProgram([&stage] {
        const BOOL open = ::OpenClipboard(nullptr);
        stage = 1;
        while (stage != 2) {
            ::Sleep(1);
        }
        if (open) {
            ::CloseClipboard();
        }
        stage = 3;
    });
    const auto reaches = [&stage](int wanted) {
        return testing::WaitUntil([&stage, wanted] {
            testing::PumpMessages();
            return stage == wanted;
        });
    };
    ASSERT_TRUE(reaches(1));
    EXPECT_FALSE(clipboard.WriteText(u"after"));
    EXPECT_FALSE(clipboard.ReadText().has_value());
    stage = 2;
    EXPECT_TRUE(reaches(3));
    otherProgram.join();
    EXPECT_EQ(clipboard.ReadText(), u"before");
}

TEST(Win32RichEdit, TheLibraryComesFromTheSystemFolderAndMakesItsClass) {
    ASSERT_TRUE(LoadRichEditLibrary());
    ASSERT_TRUE(LoadRichEditLibrary());  // once is enough; a second call changes nothing
    wchar_t path[MAX_PATH];
    wchar_t system[MAX_PATH];
    ::GetModuleFileNameW(::GetModuleHandleW(L"riched20.dll"), path, MAX_PATH);
    const UINT length = ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(_wcsnicmp(path, system, length), 0) << "loaded from elsewhere";

    TestParent parent;
    EXPECT_NE(::CreateWindowExW(0, kRichEditClass, L"", WS_CHILD, 0, 0, 50, 50, parent.window(),
                                nullptr, ::GetModuleHandleW(nullptr), nullptr),
              nullptr);
}

TEST(TabOrder, TabFollowsCreationOrderSkippingDisabledAndHiddenControlsAndWraps) {
    TestParent parent;
    HWND fields[4] = {};
    for (HWND& field : fields) {
        field =
            ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 100, 22,
                              parent.window(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    ::SetFocus(fields[0]);
    {
        HeldModifiers ctrl(false, true);  // Ctrl+Tab is not for us
        EXPECT_FALSE(MoveFocusOnTab(fields[0], VK_TAB));
    }
    ::EnableWindow(fields[1], FALSE);
    ::ShowWindow(fields[2], SW_HIDE);
    EXPECT_TRUE(MoveFocusOnTab(fields[0], VK_TAB));
    EXPECT_EQ(::GetFocus(), fields[3]);
    EXPECT_TRUE(MoveFocusOnTab(fields[3], VK_TAB));
    EXPECT_EQ(::GetFocus(), fields[0]);
    {
        HeldModifiers shift(true, false);
        EXPECT_TRUE(MoveFocusOnTab(fields[0], VK_TAB));
        EXPECT_EQ(::GetFocus(), fields[3]);
    }
    // A lone tab stop keeps the focus.
    ::DestroyWindow(fields[3]);
    EXPECT_FALSE(MoveFocusOnTab(fields[0], VK_TAB));
}

}  // namespace
}  // namespace tockly
