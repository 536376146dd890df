// The stopwatch with real windows, messages and input, on a monotonic clock the test moves and
// file dialogs the test answers: it counts the time that passed (a stall of seconds included),
// the worker only posts and the texts change on this thread, checkpoints and the list's up and
// down stop at the ends, a saved times list has the exact bytes and loads back to the same
// checkpoints and reading, and no other file changes anything. A hundred running stopwatches give
// back every GDI, USER and kernel object.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_file_dialogs.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"
#include "toolkit/gdi_census.h"
#include "toolkit/real_input.h"
#include "toolkit/test_parent.h"
#include "widgets/menu_ids.h"
#include "widgets/owner_notice_log.h"
#include "widgets/stopwatch.h"
#include "widgets/times_list.h"

namespace tockly {
namespace {

using testing::FakeFileDialogs;
using testing::Notice;
using testing::Notices;
using testing::TestParent;

constexpr WORD kWatchId = 4;

const Notice kChanged = testing::ChangedNotice(kWatchId);
Notice Event(int code) {
    return testing::EventNotice(WidgetFamily::Stopwatch, kWatchId, code);
}

std::wstring Text(bfStaticText& label) {
    return label.Text();
}

// Runs the message loop for a while, as the program's would.
void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    while (::GetTickCount64() < end) {
        testing::HandleQueuedMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// A monotonic clock the test moves, which counts how often another thread (the worker) read it.
class TestClock final : public MonotonicClock {
public:
    std::int64_t Milliseconds() const override {
        if (::GetCurrentThreadId() != owner_) {
            ++workerReads;
        }
        return clock_.Milliseconds();
    }
    void Advance(std::int64_t milliseconds) { clock_.Advance(milliseconds); }

    mutable std::atomic<int> workerReads{0};

private:
    ManualMonotonicClock clock_;
    const DWORD owner_ = ::GetCurrentThreadId();
};

class StopwatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSkinFileFolder(testing::BinaryFolder());
        clock.Advance(5'000'000);  // the system has been up a while
    }

    std::unique_ptr<bfStopwatch> Make() {
        auto watch =
            std::make_unique<bfStopwatch>(owner.window(), kWatchId, StopwatchWorld{clock, dialogs});
        watch->MoveTo(320, 160);
        watch->Show(true);
        watch->SetReportChanges(true);
        ::SetForegroundWindow(watch->window());
        testing::HandleQueuedMessages();
        owner.Clear();
        return watch;
    }

    // A real click on one of the stopwatch's buttons.
    void Press(bfStopwatch& watch, WORD id) {
        bfButton& button = watch.button(id);
        ASSERT_TRUE(button.visible()) << id;
        ASSERT_TRUE(testing::ClickAt(button.window(), button.width() / 2, button.height() / 2));
    }

    // Starts or stops with the play button; a worker that starts has looked at the reading once
    // it returns, so that the clock's next move is one it sees.
    void PressPlay(bfStopwatch& watch) {
        const int reads = clock.workerReads;
        Press(watch, bfStopwatch::kPlayButtonId);
        if (watch.running()) {
            ASSERT_TRUE(testing::PumpUntil([&] { return clock.workerReads > reads; }));
        }
    }
    void Start(bfStopwatch& watch) {
        const int reads = clock.workerReads;
        watch.SetRunning(true);
        ASSERT_TRUE(testing::PumpUntil([&] { return clock.workerReads > reads; }));
    }

    // Moves the clock and waits for the reading the worker must then show.
    bool AdvanceUntilShown(bfStopwatch& watch, std::int64_t milliseconds, const wchar_t* shown) {
        clock.Advance(milliseconds);
        return testing::PumpUntil([&] { return Text(watch.elapsedLabel()) == shown; });
    }

    TestClock clock;
    FakeFileDialogs dialogs;
    TestParent owner{200, 100};
};

TEST_F(StopwatchTest, IsMadeStoppedFoldedAndAtZero) {
    const auto watch = Make();
    RECT client{};
    ::GetClientRect(watch->window(), &client);
    EXPECT_EQ(client.right, 198);
    EXPECT_EQ(client.bottom, 76);
    EXPECT_TRUE(watch->listCollapsed());
    EXPECT_FALSE(watch->running());
    EXPECT_EQ(Text(watch->elapsedLabel()), L"00 : 00 : 00");
    for (int row = 0; row < kStopwatchRows; ++row) {
        EXPECT_EQ(Text(watch->row(row)), L"-");
        EXPECT_FALSE(watch->row(row).visible());
    }
    ASSERT_NE(watch->menu(), nullptr);
    EXPECT_EQ(watch->menu()->ItemText(MenuPlace::Command(menu_id::kLoadTimesList)),
              u"Load times list");
}

TEST_F(StopwatchTest, ItCountsTheTimeThatPassedAStallOfSecondsIncluded) {
    const auto watch = Make();
    PressPlay(*watch);
    ASSERT_TRUE(watch->running());
    ASSERT_TRUE(AdvanceUntilShown(*watch, 1000, L"00 : 00 : 01"));
    // The worker is held up for seven seconds (a busy machine, a suspended process): the reading
    // has counted all seven when it next looks, not one.
    ASSERT_TRUE(AdvanceUntilShown(*watch, 7000, L"00 : 00 : 08"));
    // The shown second changes exactly when the reading's does, not at the wall clock's.
    clock.Advance(999);
    PumpFor(1500);
    EXPECT_EQ(Text(watch->elapsedLabel()), L"00 : 00 : 08");
    ASSERT_TRUE(AdvanceUntilShown(*watch, 1, L"00 : 00 : 09"));
    // An hour and more, as it is shown and stored.
    ASSERT_TRUE(AdvanceUntilShown(*watch, 3'600'000 + 61'000, L"01 : 01 : 10"));
    EXPECT_EQ(watch->Record().elapsed, (Duration{0, 1, 1, 10}));
    // A day: the hours go on.
    ASSERT_TRUE(AdvanceUntilShown(*watch, 86'400'000, L"25 : 01 : 10"));
    EXPECT_EQ(watch->Record().elapsed, (Duration{0, 25, 1, 10}));
    watch->SetRunning(false);
}

TEST_F(StopwatchTest, TheWorkerOnlyPostsTheTextIsSetOnTheUserInterfaceThread) {
    const auto watch = Make();
    Start(*watch);
    clock.Advance(3000);
    // Without this thread handling its messages, the label keeps its text however long the
    // worker has had; the worker has only posted.
    ::Sleep(1500);
    EXPECT_EQ(Text(watch->elapsedLabel()), L"00 : 00 : 00");
    EXPECT_EQ(watch->Record().elapsed, (Duration{0, 0, 0, 3}));  // the record has it already
    ASSERT_TRUE(testing::PumpUntil([&] { return Text(watch->elapsedLabel()) == L"00 : 00 : 03"; }));
    // Stopping while the worker works never waits for this thread.
    for (int i = 0; i < 200; ++i) {
        watch->SetRunning(i % 2 == 0);
        clock.Advance(7);
    }
    EXPECT_FALSE(watch->hasWorkerThread());
}

TEST_F(StopwatchTest, PausingAndPlayingKeepsTheReadingAndTellsTheOwner) {
    const auto watch = Make();
    PressPlay(*watch);
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{Event(bfStopwatch::kStartedEvent), kChanged}));
    ASSERT_TRUE(AdvanceUntilShown(*watch, 3400, L"00 : 00 : 03"));
    owner.Clear();
    PressPlay(*watch);
    EXPECT_FALSE(watch->running());
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{Event(bfStopwatch::kEndedEvent), kChanged}));
    clock.Advance(60'000);  // paused: nothing counts
    testing::HandleQueuedMessages();
    EXPECT_EQ(Text(watch->elapsedLabel()), L"00 : 00 : 03");
    EXPECT_EQ(watch->Record().elapsed, (Duration{0, 0, 0, 3}));
    EXPECT_FALSE(watch->Record().running);
    PressPlay(*watch);
    EXPECT_TRUE(watch->Record().running);
    // The 400 ms counted before the pause are kept: 600 more make the fourth second.
    ASSERT_TRUE(AdvanceUntilShown(*watch, 600, L"00 : 00 : 04"));
    watch->SetRunning(false);
}

TEST_F(StopwatchTest, CheckpointsResetAndTheListsUpAndDownStopAtTheEnds) {
    const auto watch = Make();
    Press(*watch, bfStopwatch::kListButtonId);
    EXPECT_FALSE(watch->listCollapsed());
    EXPECT_EQ(watch->height(), 150);
    EXPECT_TRUE(watch->button(bfStopwatch::kUpButtonId).visible());
    EXPECT_TRUE(watch->button(bfStopwatch::kSaveButtonId).visible());
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});

    watch->SetRunning(true);
    for (int i = 1; i <= 5; ++i) {
        clock.Advance(10'000);
        owner.Clear();
        Press(*watch, bfStopwatch::kCheckpointButtonId);
        EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
    }
    watch->SetRunning(false);
    EXPECT_EQ(watch->Record().checkpoints.size(), 5u);
    EXPECT_EQ(Text(watch->row(0)), L"5.  00:00:50");
    EXPECT_EQ(Text(watch->row(1)), L"4.  00:00:40");
    EXPECT_EQ(Text(watch->row(2)), L"3.  00:00:30");

    // Down to the oldest and no further; the list is not told to the owner.
    owner.Clear();
    for (int press = 0; press < 7; ++press) {
        Press(*watch, bfStopwatch::kDownButtonId);
    }
    EXPECT_EQ(watch->listPosition(), 4);
    EXPECT_EQ(Text(watch->row(0)), L"1.  00:00:10");
    EXPECT_EQ(Text(watch->row(1)), L"-");
    // Up to the newest and no further.
    for (int press = 0; press < 7; ++press) {
        Press(*watch, bfStopwatch::kUpButtonId);
    }
    EXPECT_EQ(watch->listPosition(), 0);
    EXPECT_EQ(Text(watch->row(0)), L"5.  00:00:50");
    EXPECT_TRUE(owner.commands.empty());

    // Reset: no checkpoint, zero, the list from the top.
    Press(*watch, bfStopwatch::kDownButtonId);
    Press(*watch, bfStopwatch::kResetButtonId);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
    EXPECT_TRUE(watch->Record().checkpoints.empty());
    EXPECT_EQ(watch->listPosition(), 0);
    EXPECT_EQ(Text(watch->elapsedLabel()), L"00 : 00 : 00");
    EXPECT_EQ(Text(watch->row(0)), L"-");
    // Folded again.
    Press(*watch, bfStopwatch::kListButtonId);
    EXPECT_EQ(watch->height(), 76);
    EXPECT_FALSE(watch->button(bfStopwatch::kSaveButtonId).visible());
}

TEST_F(StopwatchTest, ResetWhileRunningCountsOnFromZero) {
    const auto watch = Make();
    Start(*watch);
    ASSERT_TRUE(AdvanceUntilShown(*watch, 42'500, L"00 : 00 : 42"));
    Press(*watch, bfStopwatch::kResetButtonId);
    EXPECT_TRUE(watch->running());
    EXPECT_EQ(Text(watch->elapsedLabel()), L"00 : 00 : 00");
    ASSERT_TRUE(AdvanceUntilShown(*watch, 1000, L"00 : 00 : 01"));
    watch->SetRunning(false);
}

class TimesListFiles : public StopwatchTest {
protected:
    void SetUp() override {
        StopwatchTest::SetUp();
        folder = testing::MakeScratchFolder(L"times");
    }
    void TearDown() override { testing::RemoveTree(folder); }

    std::u16string PathOf(const wchar_t* name) const { return FromWide(folder + L"\\" + name); }

    // A stopwatch with checkpoints at 0:01:07 and 1:00:00, stopped at 1:00:05.
    std::unique_ptr<bfStopwatch> WithTwoCheckpoints() {
        auto watch = Make();
        StopwatchTask record;
        record.title = u"Laps";
        record.elapsed = {0, 0, 1, 7};
        record.listCollapsed = false;
        watch->ApplyRecord(record);
        Press(*watch, bfStopwatch::kCheckpointButtonId);
        watch->SetRunning(true);
        clock.Advance(3'600'000 - 67'000);
        Press(*watch, bfStopwatch::kCheckpointButtonId);
        clock.Advance(5000);
        watch->SetRunning(false);
        testing::HandleQueuedMessages();
        owner.Clear();
        return watch;
    }

    std::wstring folder;
};

TEST_F(TimesListFiles, ASavedListHasTheExactBytesAndLoadsBackToTheSameCheckpointsAndReading) {
    const auto watch = WithTwoCheckpoints();
    EXPECT_EQ(watch->Record().checkpoints, (std::vector<Duration>{{0, 0, 1, 7}, {0, 1, 0, 0}}));
    dialogs.saveAnswer = PathOf(L"times");
    Press(*watch, bfStopwatch::kSaveButtonId);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, FakeFileDialogs::Kind::Save);
    EXPECT_EQ(dialogs.asked[0].owner, watch->window());
    EXPECT_EQ(dialogs.asked[0].filters,
              (std::vector<FileTypeFilter>{{u"Text Files (*.txt)", u"*.txt"}}));
    const std::string expected = "0:1:7\r\n1:0:0";
    EXPECT_EQ(testing::FileBytes(folder + L"\\times.txt"),
              std::vector<std::uint8_t>(expected.begin(), expected.end()));
    EXPECT_FALSE(testing::PathExists(folder + L"\\times"));
    // A name that ends with txt keeps it; the menu item saves as the button does.
    dialogs.saveAnswer = PathOf(L"again.txt");
    ::SendMessageW(watch->window(), WM_COMMAND, menu_id::kSaveTimesList, 0);
    EXPECT_EQ(testing::FileBytes(folder + L"\\again.txt"),
              std::vector<std::uint8_t>(expected.begin(), expected.end()));

    // Reset, then load the file: the same checkpoints, the reading at the last one.
    Press(*watch, bfStopwatch::kResetButtonId);
    Press(*watch, bfStopwatch::kDownButtonId);
    owner.Clear();
    dialogs.openAnswer = PathOf(L"times.txt");
    ::SendMessageW(watch->window(), WM_COMMAND, menu_id::kLoadTimesList, 0);
    EXPECT_EQ(dialogs.asked.back().kind, FakeFileDialogs::Kind::Open);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
    EXPECT_EQ(watch->Record().checkpoints, (std::vector<Duration>{{0, 0, 1, 7}, {0, 1, 0, 0}}));
    EXPECT_EQ(watch->Record().elapsed, (Duration{0, 1, 0, 0}));
    EXPECT_EQ(Text(watch->elapsedLabel()), L"01 : 00 : 00");
    EXPECT_EQ(Text(watch->row(0)), L"2.  01:00:00");
    EXPECT_EQ(Text(watch->row(1)), L"1.  00:01:07");
    EXPECT_EQ(watch->listPosition(), 0);
    // And counts on from there.
    Start(*watch);
    ASSERT_TRUE(AdvanceUntilShown(*watch, 2000, L"01 : 00 : 02"));
    watch->SetRunning(false);
}

TEST_F(TimesListFiles, AnEmptyListSavesNothingAndACancelledDialogChangesNothing) {
    const auto watch = Make();
    dialogs.saveAnswer = PathOf(L"empty");
    Press(*watch, bfStopwatch::kListButtonId);
    owner.Clear();
    Press(*watch, bfStopwatch::kSaveButtonId);
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_FALSE(testing::PathExists(folder + L"\\empty.txt"));
    EXPECT_TRUE(owner.commands.empty());

    const auto laps = WithTwoCheckpoints();
    const StopwatchTask before = laps->Record();
    dialogs.saveAnswer.reset();
    dialogs.openAnswer.reset();
    Press(*laps, bfStopwatch::kSaveButtonId);
    ::SendMessageW(laps->window(), WM_COMMAND, menu_id::kLoadTimesList, 0);
    EXPECT_EQ(laps->Record(), before);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(TimesListFiles, AFileThatIsNoTimesListLeavesTheStopwatchAsItWas) {
    const auto watch = WithTwoCheckpoints();
    watch->SetRunning(true);
    const StopwatchTask before = watch->Record();
    const std::wstring shownBefore = Text(watch->elapsedLabel());

    std::vector<std::vector<std::uint8_t>> files;
    const auto text = [](std::string_view bytes) {
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    };
    files.push_back(text("0:1:7\r\nlap two\r\n1:0:0"));  // a line that is no time
    files.push_back(text("0:1:7\n1:0:0"));               // Unix line ends
    files.push_back(text("0:75:0"));                     // minutes out of range
    files.push_back(text("99999999999:0:0"));            // hours beyond 32 bits
    std::vector<std::uint8_t> binary(70'000);
    for (std::size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13);
    }
    files.push_back(binary);
    // Larger than the longest list: refused by its size, however good its lines.
    std::string huge;
    while (huge.size() <= kMostTimesListBytes) {
        huge += "1:2:3\r\n";
    }
    files.push_back(text(huge));
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::wstring name = L"bad" + std::to_wstring(i) + L".txt";
        testing::WriteFileBytes(folder + L"\\" + name, files[i]);
        dialogs.openAnswer = PathOf(name.c_str());
        ::SendMessageW(watch->window(), WM_COMMAND, menu_id::kLoadTimesList, 0);
        StopwatchTask after = watch->Record();
        after.elapsed = before.elapsed;  // the clock has not moved: compared apart
        EXPECT_EQ(after, before) << i;
        EXPECT_EQ(watch->Record().elapsed, before.elapsed) << i;
        EXPECT_EQ(Text(watch->elapsedLabel()), shownBefore);
        EXPECT_EQ(Text(watch->row(0)), L"2.  01:00:00");
        EXPECT_TRUE(owner.commands.empty()) << i;
    }
    // A file that does not exist, and a folder.
    for (const std::wstring& path : {folder + L"\\missing.txt", folder}) {
        dialogs.openAnswer = FromWide(path);
        ::SendMessageW(watch->window(), WM_COMMAND, menu_id::kLoadTimesList, 0);
        EXPECT_EQ(watch->Record().checkpoints, before.checkpoints);
    }
    EXPECT_TRUE(watch->running());
    watch->SetRunning(false);

    // A file with no line empties the list and keeps the reading.
    testing::WriteFileBytes(folder + L"\\none.txt", {});
    dialogs.openAnswer = PathOf(L"none.txt");
    ::SendMessageW(watch->window(), WM_COMMAND, menu_id::kLoadTimesList, 0);
    EXPECT_TRUE(watch->Record().checkpoints.empty());
    EXPECT_EQ(watch->Record().elapsed, before.elapsed);
    EXPECT_EQ(Text(watch->row(0)), L"-");
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
}

TEST_F(StopwatchTest, TheRecordComesBackAsAppliedAndTheCommonCommandsReportAsTheyShould) {
    const auto watch = Make();
    StopwatchTask record;
    record.title = u"Marathon 🏃";
    record.elapsed = {0, 3, 25, 9};
    record.checkpoints = {{0, 0, 59, 59}, {0, 1, 58, 0}, {0, 2, 57, 30}};
    record.listCollapsed = false;
    record.shown = true;
    record.alwaysOnTop = true;
    record.x = 333;
    record.y = 222;
    record.transparency = 30;
    watch->ApplyRecord(record);
    EXPECT_EQ(watch->Record(), record);
    EXPECT_EQ(Text(watch->elapsedLabel()), L"03 : 25 : 09");
    EXPECT_EQ(Text(watch->row(0)), L"3.  02:57:30");
    EXPECT_EQ(watch->height(), 150);
    // A damaged store's reading is brought into shape.
    record.elapsed = {1, 0, 90, -5};
    watch->ApplyRecord(record);
    EXPECT_EQ(watch->Record().elapsed, (Duration{0, 25, 29, 55}));

    owner.Clear();
    for (const int command : {menu_id::kAlwaysOnTop, TOCKLY_MENU_TRANSPARENCY_80, menu_id::kHide,
                              menu_id::kRemove, 1000}) {
        ::SendMessageW(watch->window(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
    // "Always on top" is kept to itself.
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kChanged, Event(widget_event::kHidden), kChanged,
                                                   Event(widget_event::kRemoveRequest)}));
    EXPECT_FALSE(watch->Record().alwaysOnTop);
    EXPECT_EQ(watch->Record().transparency, 80);
    EXPECT_FALSE(watch->Record().shown);

    watch->SetTexts({u"Sichern", u"Immer oben", u"Transparenz", u"Zeiten laden", u"Zeiten sichern",
                     u"Verbergen", u"Entfernen"});
    EXPECT_EQ(watch->button(bfStopwatch::kSaveButtonId).Text(), L"Sichern");
    EXPECT_EQ(watch->menu()->ItemText(MenuPlace::Position({1})), u"Transparenz");
    EXPECT_EQ(watch->menu()->ItemText(MenuPlace::Command(menu_id::kLoadTimesList)),
              u"Zeiten laden");
    EXPECT_EQ(watch->menu()->ItemText(MenuPlace::Command(menu_id::kSaveTimesList)),
              u"Zeiten sichern");
}

TEST_F(StopwatchTest, TheHideButtonAndTheTitleTellTheOwner) {
    const auto watch = Make();
    const HWND title = watch->title().window();
    ASSERT_TRUE(testing::ClickAt(title, 20, 10));
    ASSERT_TRUE(testing::ClickAt(title, 20, 10));
    owner.Clear();
    ASSERT_TRUE(testing::TypeKeys({'A'}));
    EXPECT_EQ(watch->Record().title, u"a");
    EXPECT_EQ(Notices(owner),
              (std::vector<Notice>{Event(bfStopwatch::kTitleEditedEvent), kChanged}));
    owner.Clear();
    Press(*watch, bfStopwatch::kHideButtonId);
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{Event(widget_event::kHidden), kChanged}));
    EXPECT_FALSE(::IsWindowVisible(watch->window()));
}

TEST_F(StopwatchTest, AHundredRunningStopwatchesGiveBackEveryGdiUserAndKernelObject) {
    const auto hundred = [this] {
        std::vector<std::unique_ptr<bfStopwatch>> watches;
        for (int i = 0; i < 100; ++i) {
            watches.push_back(std::make_unique<bfStopwatch>(owner.window(), static_cast<WORD>(i),
                                                            StopwatchWorld{clock, dialogs}));
            bfStopwatch& watch = *watches.back();
            StopwatchTask record;
            record.checkpoints = {{0, 0, 0, 5}};
            record.listCollapsed = i % 2 == 0;
            watch.ApplyRecord(record);
            watch.MoveTo(300 + i % 10 * 20, 100 + i / 10 * 20);
            watch.Show(true);
            watch.SetRunning(true);
        }
        for (int step = 0; step < 5; ++step) {
            clock.Advance(1000);
            PumpFor(200);
        }
        return watches;
    };
    hundred();
    testing::HandleQueuedMessages();
    const testing::CensusCounts before = testing::GdiCensus::Now();
    DWORD handlesBefore = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesBefore);
    {
        const auto watches = hundred();
        EXPECT_GE(testing::GdiCensus::Now().windows, before.windows + 100 * 14);
    }
    testing::HandleQueuedMessages();
    EXPECT_EQ(testing::GdiCensus::Now(), before);
    DWORD handlesAfter = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(handlesAfter, handlesBefore);
}

}  // namespace
}  // namespace tockly
