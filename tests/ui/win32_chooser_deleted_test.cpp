// The owner of the process chooser may delete it while it handles the chooser's command 418. The
// chooser lives in guarded memory, so a chooser (or its list, or the row clicked) that reads or
// writes itself after telling its owner ends the test program.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_process_enumerator.h"
#include "support/win32_test_paths.h"
#include "toolkit/guarded_heap.h"
#include "toolkit/real_input.h"
#include "toolkit/skin_cache.h"
#include "toolkit/test_parent.h"
#include "ui/process_list_window.h"

namespace tockly {
namespace {

void ClickControl(const bfAbstractControl& control) {
    testing::ClickAt(control.window(), control.width() / 2, control.height() / 2);
}

struct Scenario {
    std::string name;
    std::function<void(bfProcessListWindow& chooser)> act;
};

TEST(ChooserDeletedInItsNotification, NothingTouchesTheChooserAfterItTellsItsOwner) {
    SetSkinFileFolder(testing::BinaryFolder());
    testing::FakeProcessEnumerator processes;
    processes.processes = testing::FakeProcessEnumerator::Numbered(30);
    const std::vector<Scenario> scenarios = {
        {"choose button",
         [](bfProcessListWindow& chooser) {
             ClickControl(*chooser.list().ShownRow(2));
             ClickControl(chooser.chooseButton());
         }},
        {"second click on the row",
         [](bfProcessListWindow& chooser) {
             ClickControl(*chooser.list().ShownRow(2));
             ClickControl(*chooser.list().ShownRow(2));
         }},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        testing::TestParent owner(200, 100);
        std::unique_ptr<bfProcessListWindow> chooser;
        {
            testing::GuardedAllocations guarded(scenario.name.c_str());
            chooser = std::make_unique<bfProcessListWindow>(owner.window(), processes);
            chooser->Place(150, 80);
            chooser->Show(true);
        }
        ::SetForegroundWindow(chooser->window());
        testing::HandleQueuedMessages();
        const int freedBefore = testing::GuardedBlocksFreed();
        std::uint32_t chosen = 0;
        owner.onCommand = [&](const testing::CommandRecord& command) {
            if (command.id == bfProcessListWindow::kChosenCommand) {
                chosen = chooser->SelectedProcessId().value_or(0);
                chooser.reset();
            }
        };
        scenario.act(*chooser);
        testing::DeliverInput();
        ASSERT_EQ(chooser, nullptr) << "the owner was not told";
        EXPECT_EQ(chosen, 108u) << "the third row's id";
        EXPECT_GT(testing::GuardedBlocksFreed(), freedBefore);
    }
}

}  // namespace
}  // namespace tockly
