// The process chooser with real input: it lists a child program of the test by its image name,
// selects a row by a click and hands the row's id to its owner (command 418) by the choose button
// or a second click on the row; choose with nothing selected does nothing; the wheel and the
// scroll bar scroll the list; opening and closing it gives back every object it took.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "platform/win32_process_enumerator.h"
#include "support/fake_process_enumerator.h"
#include "support/wide_text.h"
#include "support/win32_process.h"
#include "support/win32_test_paths.h"
#include "toolkit/gdi_census.h"
#include "toolkit/real_input.h"
#include "toolkit/skin_cache.h"
#include "toolkit/test_parent.h"
#include "ui/process_list_window.h"

namespace tockly {
namespace {

using testing::ClickAt;
using testing::FakeProcessEnumerator;

constexpr wchar_t kProbeName[] = L"process_chooser_probe.exe";

int ChosenCommands(const testing::TestParent& owner) {
    return static_cast<int>(std::count_if(
        owner.commands.begin(), owner.commands.end(), [](const testing::CommandRecord& command) {
            return command.id == bfProcessListWindow::kChosenCommand && command.code == 0 &&
                   command.lParam == 0;
        }));
}

// Where a control is in another window's client area.
POINT CentreIn(HWND window, const bfAbstractControl& control) {
    POINT centre{control.width() / 2, control.height() / 2};
    ::MapWindowPoints(control.window(), window, &centre, 1);
    return centre;
}

class ProcessChooserTest : public ::testing::Test {
protected:
    void SetUp() override { SetSkinFileFolder(testing::BinaryFolder()); }

    // Shows the chooser, which becomes the window that takes the input.
    void Open(bfProcessListWindow& chooser) {
        chooser.Place(120, 60);
        chooser.Show(true);
        ::SetForegroundWindow(chooser.window());
        testing::HandleQueuedMessages();
    }

    bool Click(bfProcessListWindow& chooser, const bfAbstractControl& control) {
        const POINT at = CentreIn(chooser.window(), control);
        return ClickAt(chooser.window(), at.x, at.y);
    }

    // The row's top in the list's client area, where the row's text is now; INT_MIN when the
    // row is out of view.
    static int RowTop(bfListWindow& list, int index) {
        const bfStaticText* shown = list.ShownRow(index);
        if (shown == nullptr) {
            return std::numeric_limits<int>::min();
        }
        POINT top{0, 0};
        ::MapWindowPoints(shown->window(), list.window(), &top, 1);
        return top.y;
    }

    // Turns the wheel over the list until the row is wholly in view.
    static bool ScrollIntoView(bfListWindow& list, int index) {
        for (int turn = 0; turn < 400; ++turn) {
            const int top = RowTop(list, index);
            if (top >= 0 && top + list_geometry::kRowHeight <= list_geometry::kHeight) {
                return true;
            }
            const bool above =
                list_geometry::kFirstRowY + index * list_geometry::kRowHeight < list.offset();
            if (!testing::TurnWheelAt(list.window(), list_geometry::kWidth / 2,
                                      list_geometry::kHeight / 2,
                                      above ? WHEEL_DELTA : -WHEEL_DELTA)) {
                return false;
            }
        }
        return false;
    }

    bool ClickRow(bfProcessListWindow& chooser, int index) {
        const bfStaticText* shown = chooser.list().ShownRow(index);
        return shown != nullptr && Click(chooser, *shown);
    }

    static int RowOf(bfListWindow& list, DWORD id) {
        for (int i = 0; i < list.rowCount(); ++i) {
            if (list.row(i).id == id) {
                return i;
            }
        }
        return -1;
    }

    testing::TestParent owner{400, 300, 0, 0};
};

class RealProcessesTest : public ProcessChooserTest {
protected:
    void SetUp() override {
        ProcessChooserTest::SetUp();
        ASSERT_TRUE(child.started());
        Open(chooser);
        row = RowOf(chooser.list(), child.id());
        ASSERT_GE(row, 0) << "the child program is listed";
        ASSERT_TRUE(ScrollIntoView(chooser.list(), row));
    }

    testing::ChildProcess child{testing::HostPathToWindows(TOCKLY_CHOOSER_PROBE)};
    Win32ProcessEnumerator processes;
    bfProcessListWindow chooser{owner.window(), processes};
    int row = -1;
};

TEST_F(RealProcessesTest, TheChildIsListedByItsImageNameAndTheButtonHandsOverItsId) {
    const std::wstring expected = std::to_wstring(row + 1) + L"   PID: " +
                                  std::to_wstring(child.id()) + L"  process: " + kProbeName;
    EXPECT_EQ(ToWide(chooser.list().row(row).text), expected);
    ASSERT_NE(chooser.list().ShownRow(row), nullptr);
    EXPECT_EQ(chooser.list().ShownRow(row)->Text(), expected) << "as the row shows it";

    // Nothing selected: choose hands over nothing and the chooser stays.
    ASSERT_TRUE(Click(chooser, chooser.chooseButton()));
    EXPECT_EQ(ChosenCommands(owner), 0);
    EXPECT_TRUE(::IsWindowVisible(chooser.window()));

    ASSERT_TRUE(ClickRow(chooser, row));
    EXPECT_EQ(chooser.list().selected(), row);
    EXPECT_EQ(ChosenCommands(owner), 0) << "a first click only selects";
    ASSERT_TRUE(Click(chooser, chooser.chooseButton()));
    EXPECT_EQ(ChosenCommands(owner), 1);
    EXPECT_FALSE(::IsWindowVisible(chooser.window())) << "choosing closes the chooser";
    EXPECT_EQ(chooser.SelectedProcessId(), child.id());
}

TEST_F(RealProcessesTest, ASecondClickOnTheSelectedRowChoosesIt) {
    ASSERT_TRUE(ClickRow(chooser, row));
    ASSERT_TRUE(ClickRow(chooser, row));
    EXPECT_EQ(ChosenCommands(owner), 1);
    EXPECT_FALSE(::IsWindowVisible(chooser.window()));
    EXPECT_EQ(chooser.SelectedProcessId(), child.id());

    // Shown again: listed anew, nothing selected, and a click on another row then on this one
    // only selects.
    Open(chooser);
    EXPECT_EQ(chooser.list().selected(), -1);
    EXPECT_EQ(chooser.SelectedProcessId(), std::nullopt);
    const int again = RowOf(chooser.list(), child.id());
    ASSERT_GE(again, 0);
    ASSERT_TRUE(ScrollIntoView(chooser.list(), again));
    ASSERT_TRUE(ClickRow(chooser, again));
    EXPECT_EQ(chooser.list().selected(), again);
    ASSERT_TRUE(Click(chooser, chooser.closeButton()));
    EXPECT_FALSE(::IsWindowVisible(chooser.window()));
    EXPECT_EQ(ChosenCommands(owner), 1) << "closing hands over nothing";
}

TEST(ProcessEnumeratorTest, ListsThisProgramWithItsImageAndLeavesOutWhatCannotBeOpened) {
    const std::vector<RunningProcess> processes = Win32ProcessEnumerator().Enumerate();
    wchar_t self[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring selfPath(self, length);
    const std::wstring selfName = selfPath.substr(selfPath.find_last_of(L'\\') + 1);
    const auto found = std::find_if(
        processes.begin(), processes.end(),
        [](const RunningProcess& process) { return process.id == ::GetCurrentProcessId(); });
    ASSERT_NE(found, processes.end());
    const std::wstring image = ToWide(found->imagePath);
    EXPECT_EQ(image.substr(image.find_last_of(L'\\') + 1), selfName);
    for (const RunningProcess& process : processes) {
        EXPECT_NE(process.id, 0u) << "the idle process cannot be opened";
        EXPECT_FALSE(process.imagePath.empty());
    }
}

TEST_F(ProcessChooserTest, TheWheelAndTheScrollBarScrollTheList) {
    FakeProcessEnumerator processes;
    processes.processes = FakeProcessEnumerator::Numbered(300);
    bfProcessListWindow chooser(owner.window(), processes);
    Open(chooser);
    ASSERT_EQ(chooser.list().rowCount(), 300);
    EXPECT_EQ(chooser.list().row(299).text, u"300   PID: 1296  process: process-300.exe");
    bfVScrollBar& bar = chooser.scrollBar();
    EXPECT_EQ(bar.model().content(), ListContentHeight(300));

    ASSERT_TRUE(testing::TurnWheelAt(chooser.list().window(), 100, 100, -WHEEL_DELTA));
    EXPECT_GT(chooser.list().offset(), 0);
    EXPECT_EQ(chooser.list().offset(), bar.position());
    EXPECT_EQ(RowTop(chooser.list(), 5), ListRowTop(5) - bar.position())
        << "the rows moved with the content";
    EXPECT_EQ(chooser.list().ShownRow(0), nullptr) << "scrolled out of view";

    // A press on the track pages down.
    const int before = bar.position();
    ASSERT_TRUE(ClickAt(chooser.window(), bar.x() + bar.width() / 2, bar.y() + bar.height() - 40));
    EXPECT_GT(bar.position(), before);
    EXPECT_EQ(chooser.list().offset(), bar.position());

    ASSERT_TRUE(ScrollIntoView(chooser.list(), 299));
    ASSERT_TRUE(ClickRow(chooser, 299));
    ASSERT_TRUE(Click(chooser, chooser.chooseButton()));
    EXPECT_EQ(chooser.SelectedProcessId(), 1296u);
    EXPECT_EQ(ChosenCommands(owner), 1);
}

TEST_F(ProcessChooserTest, OpeningAndClosingItGivesBackEveryObject) {
    FakeProcessEnumerator processes;
    processes.processes = FakeProcessEnumerator::Numbered(40);
    const auto openAndClose = [&](bfProcessListWindow& chooser) {
        Open(chooser);
        ASSERT_TRUE(ClickRow(chooser, 3));
        ASSERT_TRUE(Click(chooser, chooser.closeButton()));
    };
    {
        // The first chooser loads the shared skins and fonts, which the next ones share.
        bfProcessListWindow warmUp(owner.window(), processes);
        openAndClose(warmUp);
    }
    const testing::CensusCounts start = testing::GdiCensus::Now();
    for (int round = 0; round < 3; ++round) {
        bfProcessListWindow chooser(owner.window(), processes);
        for (int opening = 0; opening < 5; ++opening) {
            openAndClose(chooser);
        }
    }
    testing::HandleQueuedMessages();
    EXPECT_EQ(testing::GdiCensus::Now(), start);
    EXPECT_EQ(processes.calls, 16) << "each showing lists the processes again";
}

}  // namespace
}  // namespace tockly
