// The owner of a sticky note or a stopwatch may destroy it while it handles any of its
// notifications. Every way in which they tell their owner something is tried here with an owner
// that destroys the widget at the first notification; the widget lives in guarded memory, so a
// widget that reads or writes itself afterwards ends the test program. A second notification that
// belongs to the first (`WidgetChanged` after an event) still reaches the owner.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_file_dialogs.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"
#include "toolkit/guarded_heap.h"
#include "toolkit/real_input.h"
#include "toolkit/test_parent.h"
#include "widgets/menu_ids.h"
#include "widgets/sticky_note.h"
#include "widgets/stopwatch.h"

namespace tockly {
namespace {

using testing::ClickAt;
using testing::DeliverInput;

struct Scenario {
    std::string name;
    std::function<std::unique_ptr<bfAbstractWidget>(HWND owner)> make;
    // What the user does; the widget may be gone after the notification it is destroyed in.
    std::function<void(bfAbstractWidget& widget, HWND window)> act;
    // The notification the owner destroys it in: the first unless this says otherwise.
    std::function<bool(const testing::CommandRecord&)> destroysAt;
};

void Choose(HWND window, int command) {
    // As the menu sends its choice: posted, and handled by the message loop.
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    DeliverInput();
}

void ClickControl(const bfAbstractControl& control) {
    ClickAt(control.window(), control.width() / 2, control.height() / 2);
}

// A real drag from a client point of `window` by (dx, dy).
void DragFrom(HWND window, int x, int y, int dx, int dy) {
    POINT start{x, y};
    ::ClientToScreen(window, &start);
    testing::PointAt(window, x, y);
    testing::MouseButton(MOUSEEVENTF_LEFTDOWN);
    ::SetCursorPos(start.x + dx, start.y + dy);
    DeliverInput();
    testing::MouseButton(MOUSEEVENTF_LEFTUP);
}

testing::FakeFileDialogs& Dialogs() {
    static testing::FakeFileDialogs dialogs;
    return dialogs;
}

ManualMonotonicClock& Clock() {
    static ManualMonotonicClock clock;
    return clock;
}

std::unique_ptr<bfAbstractWidget> MakeNote(HWND owner) {
    auto note = std::make_unique<bfStickyNote>(owner, 1);
    StickyNoteTask record;
    record.title = u"Note";
    record.content = u"Call Anna\r\nBook the train";
    record.x = 300;
    record.y = 150;
    record.width = 240;
    record.height = 220;
    note->ApplyRecord(record);
    note->Show(true);
    note->SetReportChanges(true);
    ::SetForegroundWindow(note->window());
    return note;
}

std::unique_ptr<bfAbstractWidget> MakeStopwatch(HWND owner) {
    auto watch = std::make_unique<bfStopwatch>(owner, 1, StopwatchWorld{Clock(), Dialogs()});
    StopwatchTask record;
    record.title = u"Laps";
    record.checkpoints = {{0, 0, 1, 7}};
    record.listCollapsed = false;
    record.x = 300;
    record.y = 150;
    watch->ApplyRecord(record);
    watch->Show(true);
    watch->SetReportChanges(true);
    ::SetForegroundWindow(watch->window());
    return watch;
}

bfStickyNote& Note(bfAbstractWidget& widget) {
    return static_cast<bfStickyNote&>(widget);
}

bfStopwatch& Watch(bfAbstractWidget& widget) {
    return static_cast<bfStopwatch&>(widget);
}

void TypeIntoTitle(const bfAbstractControl& title) {
    const HWND window = title.window();
    ClickAt(window, 20, 10);
    ClickAt(window, 20, 10);  // a double click makes the label editable
    testing::TypeKeys({'X'});
}

bool TitleEdited(const testing::CommandRecord& command) {
    return command.lParam == 3;
}

std::vector<Scenario> Scenarios() {
    std::vector<Scenario> scenarios;
    using At = std::function<bool(const testing::CommandRecord&)>;
    const auto note = [&](std::string name, std::function<void(bfStickyNote&, HWND)> act,
                          At at = nullptr) {
        scenarios.push_back(
            {"sticky note: " + name, &MakeNote,
             [act](bfAbstractWidget& widget, HWND window) { act(Note(widget), window); }, at});
    };
    const auto watch = [&](std::string name, std::function<void(bfStopwatch&, HWND)> act,
                           At at = nullptr) {
        scenarios.push_back(
            {"stopwatch: " + name, &MakeStopwatch,
             [act](bfAbstractWidget& widget, HWND window) { act(Watch(widget), window); }, at});
    };
    note("hide button", [](bfStickyNote& n, HWND) { ClickControl(n.hideButton()); });
    note("plus button", [](bfStickyNote& n, HWND) { ClickControl(n.plusButton()); });
    note(
        "title edited", [](bfStickyNote& n, HWND) { TypeIntoTitle(n.title()); }, &TitleEdited);
    note("content edit ended", [](bfStickyNote& n, HWND window) {
        ClickControl(n.content());
        testing::TypeKeys({'A'});
        ClickAt(window, 200, 10);  // the title band takes the focus
    });
    note("resized", [](bfStickyNote&, HWND window) { DragFrom(window, 238, 218, 30, 20); });
    note("moved", [](bfStickyNote&, HWND window) { DragFrom(window, 200, 10, 30, 20); });
    for (const int command : {menu_id::kHide, menu_id::kRemove, menu_id::kLightTheme,
                              menu_id::kAlwaysOnTop, TOCKLY_MENU_TRANSPARENCY_40}) {
        note("menu " + std::to_string(command),
             [command](bfStickyNote&, HWND window) { Choose(window, command); });
    }
    for (const WORD id :
         {bfStopwatch::kPlayButtonId, bfStopwatch::kCheckpointButtonId, bfStopwatch::kResetButtonId,
          bfStopwatch::kHideButtonId, bfStopwatch::kListButtonId, bfStopwatch::kSaveButtonId}) {
        watch("button " + std::to_string(id),
              [id](bfStopwatch& w, HWND) { ClickControl(w.button(id)); });
    }
    watch(
        "title edited", [](bfStopwatch& w, HWND) { TypeIntoTitle(w.title()); }, &TitleEdited);
    for (const int command : {menu_id::kLoadTimesList, menu_id::kSaveTimesList, menu_id::kHide,
                              menu_id::kRemove, TOCKLY_MENU_TRANSPARENCY_40}) {
        watch("menu " + std::to_string(command),
              [command](bfStopwatch&, HWND window) { Choose(window, command); });
    }
    return scenarios;
}

TEST(NotesDeletedInTheirNotification, NoWidgetTouchesItselfAfterTellingItsOwner) {
    SetSkinFileFolder(testing::BinaryFolder());
    const std::wstring folder = testing::MakeScratchFolder(L"deleted");
    const std::string list = "0:1:7\r\n1:0:0";
    testing::WriteFileBytes(folder + L"\\laps.txt",
                            std::vector<std::uint8_t>(list.begin(), list.end()));
    Dialogs().openAnswer = FromWide(folder + L"\\laps.txt");
    Dialogs().saveAnswer = FromWide(folder + L"\\saved.txt");
    for (const Scenario& scenario : Scenarios()) {
        SCOPED_TRACE(scenario.name);
        testing::TestParent owner(200, 100);
        std::unique_ptr<bfAbstractWidget> widget;
        {
            testing::GuardedAllocations guarded(scenario.name.c_str());
            widget = scenario.make(owner.window());
        }
        testing::HandleQueuedMessages();
        const int freedBefore = testing::GuardedBlocksFreed();
        owner.onCommand = [&](const testing::CommandRecord& command) {
            if (!scenario.destroysAt || scenario.destroysAt(command)) {
                widget.reset();
            }
        };
        scenario.act(*widget, widget->window());
        DeliverInput();
        ASSERT_EQ(widget, nullptr) << "the owner was not told";
        EXPECT_GT(testing::GuardedBlocksFreed(), freedBefore);
    }
    testing::RemoveTree(folder);
}

}  // namespace
}  // namespace tockly
