// The main window by keyboard alone, with real key strokes through the message loop: Tab from the
// window itself walks every enabled control of the page in order and wraps, Shift+Tab walks back,
// and Space or Enter presses the focused button, a task list's row toggles included.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "support/utf16.h"
#include "support/wide_text.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using testing::MainWindowTest;
using testing::TypeKey;

std::string TextOf(HWND window) {
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return ToUtf8(FromWide(text));
}

class MainWindowKeyboardTest : public MainWindowTest {
protected:
    // The window texts of the controls the focus visits, Tab by Tab (Shift+Tab with `backwards`),
    // until it comes back to the first one or after `most` keys.
    std::vector<std::string> TabWalk(bool backwards = false, int most = 60) {
        std::vector<std::string> visited;
        HWND first = nullptr;
        for (int key = 0; key < most; ++key) {
            if (!TypeKey(VK_TAB, backwards ? std::initializer_list<WORD>{VK_SHIFT}
                                           : std::initializer_list<WORD>{})) {
                ADD_FAILURE() << "the key was not delivered";
                break;
            }
            HWND focus = ::GetFocus();
            if (focus == first) {
                return visited;
            }
            if (first == nullptr) {
                first = focus;
            }
            visited.push_back(focus == nullptr ? "(nothing)" : TextOf(focus));
        }
        ADD_FAILURE() << "the walk did not come back to its first control";
        return visited;
    }
};

TEST_F(MainWindowKeyboardTest, TabFromTheWindowWalksTheHomePageInOrderAndWrapsBothWays) {
    ShowWindow();
    ASSERT_EQ(::GetFocus(), handle());
    // The menu buttons, the pin (no caption), the quick sticky note and the starting time's boxes.
    const std::vector<std::string> order = {
        "Settings", "Informations",       "Tasks", "Sticky note", "Counting", "Stopwatch",
        "",         "Create sticky note", "0",     "0",           "0"};
    EXPECT_EQ(TabWalk(), order);
    ::SetFocus(handle());
    EXPECT_EQ(TabWalk(true), std::vector<std::string>(order.rbegin(), order.rend()));
}

TEST_F(MainWindowKeyboardTest, SpaceAndEnterPressTheFocusedButtonAndTabWalksTheFormAndOutOfIt) {
    ShowWindow();
    for (int key = 0; key < 5; ++key) {
        ASSERT_TRUE(TypeKey(VK_TAB));
    }
    ASSERT_EQ(TextOf(::GetFocus()), "Counting");
    ASSERT_TRUE(TypeKey(VK_SPACE));
    ASSERT_TRUE(::IsWindowVisible(window->button(menu_button::kTimer).window()));
    ::SetFocus(window->button(menu_button::kTimer).window());
    ASSERT_TRUE(TypeKey(VK_RETURN));
    ASSERT_TRUE(taskPage(PageKind::Timer).visible());
    // From the Timer button: Counter, the pin (no caption), the form's scroll bar and its enabled
    // fields from the title to the create button, the list's scroll bar (no caption) and remove
    // button, the menu buttons above, back (no caption), and round to Timer again.
    const std::vector<std::string> order = {"Counter",
                                            "",
                                            "",
                                            "Timer 1",
                                            "0",
                                            "0",
                                            "1",
                                            "0",
                                            "Show message after end",
                                            "Play sound after end",
                                            "Show widget's progress bar",
                                            "Remove task after end",
                                            "Create task",
                                            "",
                                            "Remove",
                                            "Settings",
                                            "Informations",
                                            "",
                                            "Timer"};
    EXPECT_EQ(TabWalk(), order);
}

TEST_F(MainWindowKeyboardTest, TabReachesTheTogglesOfTheListsRowsAndItsRemoveButton) {
    ShowWindow();
    ASSERT_TRUE(ClickButton(menu_button::kCounting));
    ASSERT_TRUE(ClickButton(menu_button::kTimer));
    TaskPage& timers = taskPage(PageKind::Timer);
    ::SetFocus(timers.submitButton().window());
    ASSERT_TRUE(TypeKey(VK_RETURN));
    ASSERT_EQ(timers.list().taskCount(), 1);
    bfTaskItem* row = timers.list().rows().RowOf(timers.list().model().row(1).id);
    ASSERT_NE(row, nullptr);

    // After the form: the row's toggles, the list's scroll bar and its remove button.
    ::SetFocus(timers.submitButton().window());
    const std::vector<HWND> expected = {
        row->showToggle().window(), row->playToggle().window(), row->removeToggle().window(),
        timers.list().scrollBar().window(), timers.list().removeButton().window()};
    for (const HWND next : expected) {
        ASSERT_TRUE(TypeKey(VK_TAB));
        EXPECT_EQ(::GetFocus(), next);
    }
    // The toggles draw icons alone; a screen reader reads the list's column names.
    EXPECT_EQ(TextOf(row->showToggle().window()), "Show");
    EXPECT_EQ(TextOf(row->playToggle().window()), "Play");
    EXPECT_EQ(TextOf(row->removeToggle().window()), "Remove after end");
    // Space on the play toggle pauses the timer, as a click does.
    ::SetFocus(row->playToggle().window());
    ASSERT_TRUE(timers.list().Task(1)->widget().running());
    ASSERT_TRUE(TypeKey(VK_SPACE));
    EXPECT_FALSE(timers.list().Task(1)->widget().running());
}

}  // namespace
}  // namespace tockly
