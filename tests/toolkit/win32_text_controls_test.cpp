// The text controls under Wine: bfTextEdit and bfTextBox driven by key, character and mouse
// messages, the editing menu, display mode and Tab; the real clipboard and the rich edit library.

#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>

#include "support/win32_process.h"
#include "toolkit/control_pixels.h"
#include "toolkit/real_input.h"
#include "toolkit/rich_edit_library.h"
#include "toolkit/spin_box.h"
#include "toolkit/test_parent.h"
#include "toolkit/text_box.h"
#include "toolkit/text_edit.h"
#include "toolkit/text_menu_ids.h"
#include "toolkit/win32_text_clipboard.h"

namespace tockly {
namespace {

using testing::PressKey;
using testing::SendMouse;
using testing::TestParent;
using testing::TypeText;
using testing::WindowText;

constexpr WORD kEditId = 300;

class TextEditTest : public ::testing::Test {
protected:
    TextEditTest() {
        edit_.Show(true);
        ::SetFocus(window());
        parent_.Clear();
    }

    HWND window() const { return edit_.window(); }
    void MenuCommand(int id) { ::SendMessageW(window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    TestParent parent_;
    bfTextEdit edit_{parent_.window(), kEditId, 150};
    Win32TextClipboard clipboard_{nullptr};
};

TEST_F(TextEditTest, KeysAndCharactersEditEveryChangeIsReportedAndTabMovesOn) {
    ::SetWindowTextW(window(), L"bc");  // like the platform's edit: the caret goes to the start
    TypeText(window(), L"a\r\x1B");     // Enter and Escape arrive as characters: no text
    EXPECT_EQ(WindowText(window()), L"abc");
    ASSERT_EQ(parent_.commands.size(), 1u);
    EXPECT_EQ(parent_.commands[0].id, kEditId);
    EXPECT_EQ(parent_.commands[0].lParam, reinterpret_cast<LPARAM>(&edit_));
    PressKey(window(), VK_END);
    PressKey(window(), VK_BACK);
    PressKey(window(), VK_HOME);
    PressKey(window(), VK_DELETE);
    EXPECT_EQ(WindowText(window()), L"b");
    EXPECT_EQ(parent_.commands.size(), 3u);

    // Tab walks the tab stops in creation order, past a disabled one, and wraps; Shift goes back.
    bfSpinBox disabled(parent_.window(), 301, 60);
    bfSpinBox next(parent_.window(), 302, 60);
    disabled.Show(true);
    disabled.SetEnabled(false);
    next.Show(true);
    PressKey(window(), VK_TAB);
    TypeText(window(), L"\t");
    EXPECT_EQ(::GetFocus(), next.window());
    EXPECT_EQ(WindowText(window()), L"b");
    PressKey(next.window(), VK_TAB);
    EXPECT_EQ(::GetFocus(), window());
    testing::HeldModifiers shift(true, false);
    PressKey(window(), VK_TAB);
    EXPECT_EQ(::GetFocus(), next.window());
}

TEST_F(TextEditTest, TheClipboardThroughTheMenuWhichNeedsNoCtrlAndThroughCtrlKeys) {
    edit_.SetText(u"hello");
    MenuCommand(menu_id::kTextSelectAll);
    MenuCommand(menu_id::kTextCopy);
    EXPECT_EQ(clipboard_.ReadText(), u"hello");
    MenuCommand(menu_id::kTextCut);
    EXPECT_EQ(WindowText(window()), L"");
    MenuCommand(menu_id::kTextPaste);
    EXPECT_EQ(WindowText(window()), L"hello");
    MenuCommand(menu_id::kTextSelectAll);
    MenuCommand(menu_id::kTextDelete);
    EXPECT_EQ(WindowText(window()), L"");

    // Real keys need Ctrl held; Shift extends the selection that the paste replaces.
    edit_.SetText(u"abcde");
    PressKey(window(), VK_HOME);
    PressKey(window(), 'V');
    PressKey(window(), VK_RIGHT);
    {
        testing::HeldModifiers shift(true, false);
        PressKey(window(), VK_RIGHT);
        PressKey(window(), VK_RIGHT);
    }
    testing::HeldModifiers ctrl(false, true);
    PressKey(window(), 'V');
    EXPECT_EQ(WindowText(window()), L"ahellode");
}

TEST_F(TextEditTest, AltGrLettersAreNoShortcutsButCtrlAloneIs) {
    ASSERT_TRUE(clipboard_.WriteText(u"copied"));
    edit_.SetText(u"hello");
    testing::PressChord({VK_END});
    // AltGr reaches programs as left Ctrl with right Alt. A layout with letters there (AltGr+A is
    // a-ogonek on a Polish keyboard, AltGr+X a z-dot) types them; under Wine no layout does, so
    // a plain letter follows to show whether the chord selected or cut anything.
    testing::PressChord({VK_LCONTROL, VK_RMENU, 'A'});
    testing::PressChord({VK_LCONTROL, VK_RMENU, 'X'});
    testing::TypeKeys({'B'});
    const std::wstring typed = WindowText(window());
    EXPECT_EQ(typed.substr(0, 5), L"hello");
    EXPECT_EQ(typed.back(), L'b');
    EXPECT_EQ(clipboard_.ReadText(), u"copied");

    testing::PressChord({VK_CONTROL, 'A'});
    testing::TypeKeys({'C'});
    EXPECT_EQ(WindowText(window()), L"c");
}

TEST_F(TextEditTest, OnlyATabArrivalSelectsTheWholeTextAFocusThatComesBackKeepsTheCaret) {
    edit_.SetText(u"hello");
    testing::PressChord({VK_END});
    testing::PressChord({VK_SHIFT, VK_LEFT});
    ::SetFocus(parent_.window());
    ::SetFocus(window());  // the owner's SetFocus, or the window activated again
    EXPECT_EQ(edit_.model().SelectedText(), u"o");
    testing::TypeKeys({'P'});
    EXPECT_EQ(WindowText(window()), L"hellp");

    bfTextEdit next(parent_.window(), 301, 80);
    next.SetText(u"next");
    next.Show(true);
    testing::PressChord({VK_TAB});
    ASSERT_EQ(::GetFocus(), next.window());
    EXPECT_EQ(next.model().SelectedText(), u"next");
    testing::PressChord({VK_SHIFT, VK_TAB});
    ASSERT_EQ(::GetFocus(), window());
    EXPECT_EQ(edit_.model().SelectedText(), u"hellp");
}

TEST_F(TextEditTest, ASelectionDraggedPastTheRightEdgeTakesAnEmojiWhole) {
    edit_.SetText(u"ab\U0001F600");
    testing::PointAt(window(), 5, 10);  // the start of the text
    testing::MouseButton(MOUSEEVENTF_LEFTDOWN);
    for (int beyond = 2; beyond <= 5; ++beyond) {  // each move beyond the edge takes a character
        testing::PointAt(window(), edit_.width() + beyond, 10);
    }
    testing::MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(edit_.model().SelectedText(), u"ab\U0001F600");

    testing::PointAt(window(), edit_.width() - 10, 10);  // behind the end of the text
    testing::MouseButton(MOUSEEVENTF_LEFTDOWN);
    for (int beyond = 2; beyond <= 4; ++beyond) {  // and back past the left edge
        testing::PointAt(window(), -beyond, 10);
    }
    testing::MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(std::pair(edit_.model().anchor(), edit_.model().caret()), std::pair(4, 0));
}

TEST_F(TextEditTest, ALabelReportsClicksWithoutTheObjectAndADoubleClickMakesItAnEditor) {
    edit_.SetText(u"Title");
    edit_.SetDisplayMode(true);
    ::SetFocus(parent_.window());
    parent_.Clear();
    testing::Click(window(), 20, 10);
    ASSERT_EQ(parent_.commands.size(), 1u);
    EXPECT_EQ(parent_.commands[0].lParam, 0);
    TypeText(window(), L"x");
    EXPECT_EQ(WindowText(window()), L"Title");

    SendMouse(window(), WM_LBUTTONDBLCLK, 80, 10, MK_LBUTTON);
    EXPECT_TRUE(edit_.activated());
    PressKey(window(), VK_END);
    TypeText(window(), L"!");
    EXPECT_EQ(WindowText(window()), L"Title!");

    // Leaving ends the editing and tells the owner.
    parent_.Clear();
    ::SetFocus(parent_.window());
    EXPECT_FALSE(edit_.activated());
    EXPECT_EQ(parent_.killFocus, std::vector<HWND>{parent_.window()});
}

TEST_F(TextEditTest, ALabelTooLongForItsPlaceEndsInAnEllipsisAndShowsWholeWhenEdited) {
    const std::u16string title = u"Screenshots of the desk every ten minutes";
    edit_.SetDisplayMode(true);
    edit_.SetText(title);
    ::SetFocus(parent_.window());
    const testing::Snapshot cut = testing::Render(window());
    const int height = static_cast<int>(cut.pixels.size()) / cut.width;

    // The label shows what a label with room to spare shows for some beginning of the title
    // followed by "...", which ends inside the label's text area.
    bfTextEdit wide(parent_.window(), kEditId + 1, 400);
    wide.SetDisplayMode(true);
    wide.Show(true);
    const int textEnd = cut.width - 5;  // the text area keeps 5 pixels from each edge
    const COLORREF background = cut.At(cut.width - 1, 0);
    bool ellipsis = false;
    for (std::size_t kept = title.size() - 1; kept > 0 && !ellipsis; --kept) {
        wide.SetText(title.substr(0, kept) + u"...");
        const testing::Snapshot shown = testing::Render(wide.window());
        bool same = true;
        for (int y = 0; y < height && same; ++y) {
            for (int x = 0; x < shown.width && same; ++x) {
                same = (x >= cut.width || shown.At(x, y) == cut.At(x, y)) &&
                       (x < textEnd || shown.At(x, y) == background);
            }
        }
        ellipsis = same;
    }
    EXPECT_TRUE(ellipsis);
    edit_.SetText(title);
    SendMouse(window(), WM_LBUTTONDBLCLK, 80, 10, MK_LBUTTON);
    ASSERT_TRUE(edit_.activated());
    EXPECT_EQ(WindowText(window()), std::wstring(title.begin(), title.end()));
}

class TextBoxTest : public ::testing::Test {
protected:
    TextBoxTest() { box_.Show(true); }

    HWND edit() const { return box_.richEdit(); }
    void MenuCommand(int id) { ::SendMessageW(box_.window(), WM_COMMAND, id, 0); }

    TestParent parent_;
    bfTextBox box_{parent_.window(), 700, 200, 120};
};

TEST_F(TextBoxTest, TypingReachesTheParentAsTheTextBoxsCommandButTheProgramsOwnTextDoesNot) {
    ::SetWindowTextW(box_.window(), L"from outside");
    EXPECT_EQ(box_.Text(), u"from outside");
    EXPECT_TRUE(parent_.commands.empty());

    box_.SetText(u"");
    ::SetFocus(box_.window());
    EXPECT_EQ(::GetFocus(), edit());
    testing::TypeText(edit(), L"Note");
    testing::PumpMessages();  // the box tells its parent once the rich edit is done
    ASSERT_GE(parent_.commands.size(), 4u);
    for (const auto& command : parent_.commands) {
        EXPECT_EQ(command.id, 700);
        EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(&box_));
    }
    EXPECT_EQ(WindowText(box_.window()), L"Note");
}

TEST_F(TextBoxTest, TheEditingMenuReachesTheRichEditAndTabLeavesIt) {
    Win32TextClipboard clipboard(nullptr);
    box_.SetText(u"copy me");
    MenuCommand(menu_id::kTextSelectAll);
    MenuCommand(menu_id::kTextCopy);
    EXPECT_EQ(clipboard.ReadText(), u"copy me");
    MenuCommand(menu_id::kTextDelete);
    EXPECT_EQ(box_.Text(), u"");
    MenuCommand(menu_id::kTextPaste);
    EXPECT_EQ(box_.Text(), u"copy me");

    // Tab leaves for the next control without writing a tab.
    bfTextEdit next(parent_.window(), 701, 100);
    next.Show(true);
    ::SetFocus(edit());
    ::SendMessageW(edit(), WM_KEYDOWN, VK_TAB, 1);
    ::SendMessageW(edit(), WM_CHAR, L'\t', 1);
    EXPECT_EQ(::GetFocus(), next.window());
    EXPECT_EQ(box_.Text(), u"copy me");
}

TEST_F(TextBoxTest, TheOwnerSetsTheFontTheTextColourAndASolidBackground) {
    box_.SetText(u"Sticky\r\nnote");
    box_.SetFont({L"Georgia", 20, FW_BOLD, false});
    box_.SetTextColor(RGB(200, 30, 30));
    box_.SetBackgroundColor(RGB(41, 41, 41));
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    ::SendMessageW(edit(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, L"Georgia");
    EXPECT_EQ(format.crTextColor, RGB(200, 30, 30));
    EXPECT_EQ(format.dwEffects & (CFE_AUTOCOLOR | CFE_BOLD), DWORD{CFE_BOLD});

    // What it shows: the background colour around reddish text, inside the box's own frame.
    const testing::Snapshot shown = testing::Render(edit());
    int background = 0;
    int text = 0;
    for (int y = 0; y < 116; ++y) {
        for (int x = 0; x < 196; ++x) {
            const COLORREF pixel = shown.At(x, y);
            background += pixel == RGB(41, 41, 41) ? 1 : 0;
            text += GetRValue(pixel) > 120 && GetGValue(pixel) < 90 ? 1 : 0;
        }
    }
    EXPECT_GT(background, 196 * 116 / 2);
    EXPECT_GT(text, 20);
    EXPECT_EQ(testing::Render(box_.window()).At(1, 1), RGB(127, 127, 127));  // the frame
    box_.SetText(u"more");  // new text keeps the owner's look
    ::SendMessageW(edit(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.crTextColor, RGB(200, 30, 30));
}

TEST_F(TextBoxTest, EveryScrollIsReportedWithItsStateAndTheOwnerScrollsToALine) {
    const auto lastCode = [this] {
        testing::PumpMessages();
        return parent_.commands.empty() ? -1 : int{parent_.commands.back().code};
    };
    std::u16string lines;
    for (int line = 1; line <= 20; ++line) {
        lines += u"line " + std::u16string(1, static_cast<char16_t>(u'a' + line)) + u"\r\n";
    }
    lines += u"last";
    box_.SetText(lines);
    EXPECT_EQ(lastCode(), bfTextBox::kContentScrolled);
    EXPECT_EQ(parent_.commands.back().lParam, reinterpret_cast<LPARAM>(&box_));
    const TextBoxScroll start = box_.scrollState();
    EXPECT_EQ(start.lines, 21);
    EXPECT_EQ(start.firstVisible, 0);
    ASSERT_GT(start.visibleLines, 3);
    ASSERT_LT(start.visibleLines, 12);

    // The owner's bar at its end: the last line shows in full at the bottom.
    parent_.Clear();
    const int end = start.lines - start.visibleLines;
    box_.ScrollToLine(end);
    EXPECT_EQ(lastCode(), bfTextBox::kContentScrolled);
    EXPECT_EQ(box_.scrollState().firstVisible, end);
    const auto lineTop = [this](int line) {
        POINTL point{};
        const LPARAM start = ::SendMessageW(edit(), EM_LINEINDEX, line, 0);
        ::SendMessageW(edit(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), start);
        return point.y;
    };
    RECT inner{};
    ::GetClientRect(edit(), &inner);
    const LONG lastTop = lineTop(start.lines - 1);
    EXPECT_GE(lineTop(end), 0);
    EXPECT_LE(lastTop + (lastTop - lineTop(start.lines - 2)), inner.bottom);
    parent_.Clear();
    box_.ScrollToLine(end);  // nothing changed: nothing to tell
    EXPECT_EQ(lastCode(), -1);

    // The user scrolls with the wheel and the keys.
    ::SetFocus(box_.window());
    ASSERT_TRUE(testing::TurnWheelAt(edit(), 50, 50, WHEEL_DELTA));
    EXPECT_EQ(lastCode(), bfTextBox::kContentScrolled);
    EXPECT_LT(box_.scrollState().firstVisible, end);
    parent_.Clear();
    ASSERT_TRUE(testing::TypeKey(VK_HOME, {VK_CONTROL}));
    EXPECT_EQ(lastCode(), bfTextBox::kContentScrolled);
    EXPECT_EQ(box_.scrollState().firstVisible, 0);
    // The owner's scroll bar is the only one: the rich edit never shows its own.
    EXPECT_EQ(::GetWindowLongPtrW(edit(), GWL_STYLE) & WS_VSCROLL, 0);
    ::GetClientRect(edit(), &inner);
    EXPECT_EQ(inner.right, 200 - 2 * bfTextBox::kInset);
    // A smaller box shows fewer lines.
    parent_.Clear();
    box_.Resize(200, 60);
    EXPECT_EQ(lastCode(), bfTextBox::kContentScrolled);
    EXPECT_LT(box_.scrollState().visibleLines, start.visibleLines);
}

TEST_F(TextBoxTest, TypingIsAChangeAndLeavingTheBoxEndsTheEdit) {
    ::SetFocus(box_.window());
    testing::PumpMessages();
    parent_.Clear();
    ASSERT_TRUE(testing::TypeKey('N'));
    ASSERT_FALSE(parent_.commands.empty());
    EXPECT_EQ(parent_.commands.front().code, bfTextBox::kContentChanged);
    EXPECT_EQ(box_.Text(), u"n");
    parent_.Clear();
    ::SetFocus(box_.window());  // the focus passes through the box's window back to its edit
    testing::PumpMessages();
    EXPECT_TRUE(parent_.commands.empty());
    ::SetFocus(parent_.window());
    testing::PumpMessages();
    ASSERT_EQ(parent_.commands.size(), 1u);
    EXPECT_EQ(parent_.commands[0].code, bfTextBox::kEditEnded);
    EXPECT_EQ(parent_.commands[0].id, 700);
}

TEST(Win32Clipboard, UnicodeTextRoundTripsAndABusyClipboardReadsAsNothingAndRefusesWrites) {
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
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(clipboard.ReadText().has_value());  // no text

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

TEST(Win32Clipboard, TextThatCannotBeMadeLeavesWhatWasCopiedBefore) {
    TestParent parent;
    Win32TextClipboard clipboard(parent.window());
    ASSERT_TRUE(clipboard.WriteText(u"before"));
    Win32TextClipboard starved(parent.window(), [](UINT, SIZE_T) -> HGLOBAL { return nullptr; });
    EXPECT_FALSE(starved.WriteText(u"after"));
    EXPECT_EQ(clipboard.ReadText(), u"before");
}

TEST(Win32RichEdit, TheLibraryComesFromTheSystemFolderOnce) {
    ASSERT_TRUE(LoadRichEditLibrary());
    ASSERT_TRUE(LoadRichEditLibrary());  // once is enough; a second call changes nothing
    wchar_t path[MAX_PATH];
    wchar_t system[MAX_PATH];
    ::GetModuleFileNameW(::GetModuleHandleW(L"riched20.dll"), path, MAX_PATH);
    const UINT length = ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(_wcsnicmp(path, system, length), 0) << "loaded from elsewhere";
}

}  // namespace
}  // namespace tockly
