// The text controls' Win32 support under Wine: the real clipboard, the rich edit library and Tab
// between the controls of a window.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "toolkit/focus_navigation.h"
#include "toolkit/rich_edit_library.h"
#include "toolkit/win32_control_host.h"
#include "toolkit/win32_edit_keys.h"
#include "toolkit/win32_text_clipboard.h"

namespace tockly {
namespace {

using testing::ControlHost;

// Holds the clipboard open from another thread, as a program that is busy with it does.
class BusyClipboard {
public:
    BusyClipboard()
        : opened_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          release_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = ::CreateThread(nullptr, 0, &Hold, this, 0, nullptr);
        ::WaitForSingleObject(opened_, 5000);
    }
    ~BusyClipboard() {
        ::SetEvent(release_);
        ::WaitForSingleObject(thread_, 5000);
        ::CloseHandle(thread_);
        ::CloseHandle(opened_);
        ::CloseHandle(release_);
    }
    BusyClipboard(const BusyClipboard&) = delete;
    BusyClipboard& operator=(const BusyClipboard&) = delete;

private:
    static DWORD WINAPI Hold(void* self) {
        auto* busy = static_cast<BusyClipboard*>(self);
        const BOOL open = ::OpenClipboard(nullptr);
        ::SetEvent(busy->opened_);
        ::WaitForSingleObject(busy->release_, 10000);
        if (open) {
            ::CloseClipboard();
        }
        return 0;
    }

    HANDLE opened_;
    HANDLE release_;
    HANDLE thread_ = nullptr;
};

TEST(Win32Clipboard, UnicodeTextMakesTheRoundTripAndOtherProgramsSeeIt) {
    ControlHost host;
    Win32TextClipboard clipboard(host.window());
    const std::u16string text = u"Caf\u00E9 \u2603 \U0001F600 tab\tend";
    ASSERT_TRUE(clipboard.WriteText(text));
    EXPECT_EQ(clipboard.ReadText(), text);

    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(::GlobalLock(data))),
              L"Caf\u00E9 \u2603 \U0001F600 tab\tend");
    ::GlobalUnlock(data);
    ::CloseClipboard();
}

TEST(Win32Clipboard, NoTextAndABusyClipboardReadAsNothingAndWritesFail) {
    ControlHost host;
    Win32TextClipboard clipboard(host.window());
    ASSERT_TRUE(::OpenClipboard(host.window()));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(clipboard.ReadText().has_value());

    ASSERT_TRUE(clipboard.WriteText(u"before"));
    {
        BusyClipboard busy;
        EXPECT_FALSE(clipboard.WriteText(u"after"));
        EXPECT_FALSE(clipboard.ReadText().has_value());
    }
    EXPECT_EQ(clipboard.ReadText(), u"before");
}

TEST(Win32EditKeys, AKeyFromTheProgramCountsAsCtrlAndRealKeysReadTheKeyboard) {
    BYTE keys[256] = {};
    ASSERT_TRUE(::SetKeyboardState(keys));
    EXPECT_TRUE(KeyDownModifiers(0).ctrl);
    EXPECT_FALSE(KeyDownModifiers(1).ctrl);
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0x80;
    ASSERT_TRUE(::SetKeyboardState(keys));
    EXPECT_TRUE(KeyDownModifiers(1).shift);
    EXPECT_TRUE(KeyDownModifiers(1).ctrl);
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(TranslateVirtualKey(VK_PRIOR), EditKey::PageUp);
    EXPECT_EQ(TranslateVirtualKey('V'), EditKey::LetterV);
    EXPECT_EQ(TranslateVirtualKey(VK_F5), EditKey::Other);
}

TEST(Win32RichEdit, TheLibraryComesFromTheSystemFolderAndMakesItsClass) {
    ASSERT_TRUE(LoadRichEditLibrary());
    ASSERT_TRUE(LoadRichEditLibrary());  // once is enough; a second call changes nothing
    HMODULE module = ::GetModuleHandleW(L"riched20.dll");
    ASSERT_NE(module, nullptr);
    wchar_t path[MAX_PATH];
    wchar_t system[MAX_PATH];
    ::GetModuleFileNameW(module, path, MAX_PATH);
    const UINT length = ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(_wcsnicmp(path, system, length), 0) << "loaded from elsewhere";

    ControlHost host;
    HWND edit = ::CreateWindowExW(0, kRichEditClass, L"", WS_CHILD, 0, 0, 50, 50, host.window(),
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(edit, nullptr);
}

class TabOrder : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 4; ++i) {
            fields_[i] = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10,
                                           10 + 30 * i, 100, 22, host_.window(), nullptr,
                                           ::GetModuleHandleW(nullptr), nullptr);
        }
        ::SetFocus(fields_[0]);
    }
    void TearDown() override { PressModifiers(false); }

    static void PressModifiers(bool shift, bool ctrl = false) {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    ControlHost host_;
    HWND fields_[4] = {};
};

TEST_F(TabOrder, TabFollowsCreationOrderSkippingDisabledAndHiddenControlsAndWraps) {
    ::EnableWindow(fields_[1], FALSE);
    ::ShowWindow(fields_[2], SW_HIDE);
    EXPECT_TRUE(MoveFocusOnTab(fields_[0], VK_TAB));
    EXPECT_EQ(::GetFocus(), fields_[3]);
    EXPECT_TRUE(MoveFocusOnTab(fields_[3], VK_TAB));
    EXPECT_EQ(::GetFocus(), fields_[0]);

    PressModifiers(true);
    EXPECT_TRUE(MoveFocusOnTab(fields_[0], VK_TAB));
    EXPECT_EQ(::GetFocus(), fields_[3]);
}

TEST_F(TabOrder, OtherKeysCtrlTabAndALoneTabStopLeaveTheFocus) {
    EXPECT_FALSE(MoveFocusOnTab(fields_[0], VK_RETURN));
    PressModifiers(false, true);
    EXPECT_FALSE(MoveFocusOnTab(fields_[0], VK_TAB));
    PressModifiers(false);
    for (int i = 1; i < 4; ++i) {
        ::DestroyWindow(fields_[i]);
    }
    EXPECT_FALSE(MoveFocusOnTab(fields_[0], VK_TAB));
    EXPECT_EQ(::GetFocus(), fields_[0]);
}

}  // namespace
}  // namespace tockly
