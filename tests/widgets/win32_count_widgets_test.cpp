// The timer, the counter and the end-of-count message view with real windows and messages, on a
// clock the test moves: play and pause by real clicks keep the remaining seconds, reset while
// running, a stalled worker that loses no time, the end's notifications in their order with and
// without remove after end, a counter whose target is past; the view's "Stop" and close by real
// clicks, its scroll bar, and a view that deletes itself. A hundred of each give back every GDI
// and USER object.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/fake_system_actions.h"
#include "support/win32_test_paths.h"
#include "toolkit/gdi_census.h"
#include "toolkit/test_parent.h"
#include "widgets/counter.h"
#include "widgets/manual_time.h"
#include "widgets/menu_ids.h"
#include "widgets/message_view.h"
#include "widgets/timer.h"
#include "widgets/widget_test_support.h"

namespace tockly {
namespace {

using testing::ManualTime;
using testing::PumpMessages;
using testing::PumpUntil;
using testing::TestParent;

constexpr WORD kWidgetId = 7;
constexpr WORD kTimerFamily = static_cast<WORD>(WidgetFamily::Timer);
constexpr WORD kCounterFamily = static_cast<WORD>(WidgetFamily::Counter);

// One WM_COMMAND the owner got: {family or 2, event or 9}.
struct Notice {
    WORD code = 0;
    LPARAM value = 0;
    bool operator==(const Notice&) const = default;
};

void PrintTo(const Notice& notice, std::ostream* out) {
    *out << "{" << notice.code << ", " << notice.value << "}";
}

const Notice kChanged{kWidgetChangedCode, kSettingsChanged};

std::vector<Notice> Notices(const TestParent& owner) {
    std::vector<Notice> notices;
    for (const testing::CommandRecord& record : owner.commands) {
        EXPECT_EQ(record.code, kWidgetId);
        notices.push_back({record.id, record.lParam});
    }
    return notices;
}

// A real click in the middle of a control.
void Click(const bfAbstractControl& control) {
    const POINT at = testing::OnScreen(control.window(), control.width() / 2, control.height() / 2);
    ASSERT_TRUE(testing::MoveMouseTo(at.x, at.y));
    testing::SendMouseInput(MOUSEEVENTF_LEFTDOWN);
    testing::SendMouseInput(MOUSEEVENTF_LEFTUP);
    // The press and the release both reach the control before the test goes on.
    PumpUntil([] { return ::GetQueueStatus(QS_INPUT) == 0; }, 500);
    PumpMessages();
}

std::wstring Text(const CaptionedControl& control) {
    return control.Text();
}

class CountWidgets : public ::testing::Test {
protected:
    void SetUp() override { SetSkinFileFolder(testing::BinaryFolder()); }

    TimerTask TimerRecord(int seconds) const {
        TimerTask record;
        record.title = u"Tea";
        record.duration = {0, 0, 0, seconds};
        record.remainingSeconds = seconds;
        record.showProgressBar = true;
        record.soundFile = u"C:\\bell.wav";
        record.x = 500;
        record.y = 200;
        return record;
    }

    std::unique_ptr<bfTimer> MakeTimer(const TimerTask& record) {
        auto timer = std::make_unique<bfTimer>(owner.window(), kWidgetId, sound, time, time);
        timer->ApplyRecord(record);
        timer->Show(true);
        timer->SetAlwaysOnTop(true);
        timer->SetReportChanges(true);
        PumpMessages();
        owner.Clear();
        return timer;
    }

    // Starts a worker (`start`) and waits until it has taken the second it started in, so that
    // the next Advance is a new second to it.
    template <typename Start>
    void StartWorker(Start start) {
        const int reads = time.reads();
        start();
        ASSERT_TRUE(PumpUntil([&] { return time.reads() >= reads + 2; }));
    }

    // Moves the clock one second on and waits until the timer has counted it.
    static void NextSecond(ManualTime& clock, bfTimer& timer, std::int32_t expectedRemaining,
                           std::int64_t elapsed = 1000) {
        clock.Advance(elapsed);
        ASSERT_TRUE(PumpUntil([&] { return timer.Record().remainingSeconds == expectedRemaining; }))
            << "remaining " << timer.Record().remainingSeconds;
        PumpMessages();
    }

    TestParent owner{400, 300};
    ManualTime time;
    testing::CallLog log;
    testing::RecordingSoundPlayer sound{log};
};

TEST_F(CountWidgets, ATimerShowsItsRecordAndKeepsItsMenuChoicesInIt) {
    TimerTask record = TimerRecord(360000);
    record.alwaysOnTop = true;
    record.transparency = 30;
    auto timer = MakeTimer(record);
    EXPECT_EQ(Text(timer->time()), L"100 : 00 : 00");
    EXPECT_EQ(timer->title().Text(), u"Tea");
    EXPECT_EQ(timer->height(), bfTimer::kHeight);
    EXPECT_TRUE(timer->menu()->IsChecked(TOCKLY_MENU_TRANSPARENCY_30));
    EXPECT_FALSE(timer->running());

    ::SendMessageW(timer->window(), WM_COMMAND, menu_id::kShowProgressBar, 0);
    EXPECT_EQ(timer->height(), bfTimer::kBodyHeight);
    ::SendMessageW(timer->window(), WM_COMMAND, TOCKLY_MENU_TRANSPARENCY_60, 0);
    const TimerTask now = timer->Record();
    EXPECT_FALSE(now.showProgressBar);
    EXPECT_EQ(now.transparency, 60);
    EXPECT_EQ(now.x, 500);
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{kChanged, kChanged}));

    // "Hide" tells the owner the widget is hidden, and no settings change.
    owner.Clear();
    ::SendMessageW(timer->window(), WM_COMMAND, menu_id::kHide, 0);
    EXPECT_FALSE(timer->shown());
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{{kTimerFamily, widget_event::kHidden}}));
}

TEST_F(CountWidgets, ADoubleClickOnTheTitleEditsItAndTheOwnerHearsOfEachChange) {
    auto timer = MakeTimer(TimerRecord(60));
    const POINT at = testing::OnScreen(timer->title().window(), 40, 10);
    ASSERT_TRUE(testing::MoveMouseTo(at.x, at.y));
    for (int click = 0; click < 2; ++click) {
        testing::SendMouseInput(MOUSEEVENTF_LEFTDOWN);
        testing::SendMouseInput(MOUSEEVENTF_LEFTUP);
    }
    ASSERT_TRUE(PumpUntil([&] { return timer->title().activated(); }));
    owner.Clear();
    testing::PressKey(VK_END);
    testing::PressKey('S');
    ASSERT_TRUE(PumpUntil([&] { return timer->Record().title == u"Teas"; }));
    EXPECT_EQ(Notices(owner),
              (std::vector<Notice>{{kTimerFamily, count_event::kTitleEdited}, kChanged}));
}

TEST_F(CountWidgets, PauseThenPlayByRealClicksContinuesFromTheSameRemainingSeconds) {
    auto timer = MakeTimer(TimerRecord(60));
    StartWorker([&] { Click(timer->playPauseButton()); });
    ASSERT_TRUE(timer->running());
    EXPECT_EQ(Notices(owner),
              (std::vector<Notice>{{kTimerFamily, count_event::kStarted}, kChanged}));
    NextSecond(time, *timer, 59);  // shows 60, then stores one less
    NextSecond(time, *timer, 58);
    NextSecond(time, *timer, 57);
    EXPECT_EQ(Text(timer->time()), L"00 : 00 : 58");

    owner.Clear();
    Click(timer->playPauseButton());
    EXPECT_FALSE(timer->running());
    EXPECT_FALSE(timer->hasWorkerThread());
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{{kTimerFamily, count_event::kEnded}, kChanged}));
    for (int i = 0; i < 5; ++i) {
        time.Advance(1000);  // a paused timer counts nothing
    }
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(timer->Record().remainingSeconds, 57);
    EXPECT_EQ(Text(timer->time()), L"00 : 00 : 58");

    StartWorker([&] { Click(timer->playPauseButton()); });
    ASSERT_TRUE(timer->running());
    NextSecond(time, *timer, 56);
    EXPECT_EQ(Text(timer->time()), L"00 : 00 : 57");
    EXPECT_EQ(timer->shownSeconds(), 57);
}

TEST_F(CountWidgets, ResetWhileRunningRestartsFromTheFullDurationWithoutStopping) {
    auto timer = MakeTimer(TimerRecord(90));
    StartWorker([&] { timer->SetRunning(true); });
    NextSecond(time, *timer, 89);
    NextSecond(time, *timer, 88);
    NextSecond(time, *timer, 87);
    owner.Clear();
    Click(timer->resetButton());
    EXPECT_EQ(timer->Record().remainingSeconds, 90);
    EXPECT_EQ(Text(timer->time()), L"00 : 01 : 30");
    EXPECT_TRUE(timer->running());
    EXPECT_TRUE(timer->hasWorkerThread());
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
    NextSecond(time, *timer, 89);
    EXPECT_EQ(Text(timer->time()), L"00 : 01 : 30");
    NextSecond(time, *timer, 88);
    EXPECT_EQ(Text(timer->time()), L"00 : 01 : 29");
}

TEST_F(CountWidgets, ATimerWhoseWorkerStallsLosesNoTime) {
    auto timer = MakeTimer(TimerRecord(600));
    StartWorker([&] { timer->SetRunning(true); });
    NextSecond(time, *timer, 599);
    NextSecond(time, *timer, 598);
    // Five seconds pass while the worker sees only one new second.
    NextSecond(time, *timer, 593, 5000);
    EXPECT_EQ(Text(timer->time()), L"00 : 09 : 54");
    NextSecond(time, *timer, 592);
}

struct EndCase {
    bool removeAfterEnd;
    bool showMessage;
    bool playSound;
    std::vector<Notice> notices;
    std::vector<std::string> sounds;
};

TEST_F(CountWidgets, AtZeroTheTimerShowsZeroThenEndsAsItsRecordSays) {
    const Notice hidden{kTimerFamily, widget_event::kHidden};
    const Notice ended{kTimerFamily, count_event::kEnded};
    const EndCase cases[] = {
        {false, true, true, {hidden, ended, {kTimerFamily, count_event::kShowEndMessage}}, {}},
        {false, false, true, {hidden, ended}, {"Play C:\\bell.wav"}},
        {false, false, false, {hidden, ended}, {}},
        {true, true, true, {{kTimerFamily, count_event::kShowEndMessageAndRemove}}, {}},
        {true, false, true, {{kTimerFamily, widget_event::kRemoveRequest}}, {"Play C:\\bell.wav"}},
    };
    for (const EndCase& end : cases) {
        SCOPED_TRACE(::testing::Message() << "remove " << end.removeAfterEnd << ", message "
                                          << end.showMessage << ", sound " << end.playSound);
        TimerTask record = TimerRecord(2);
        record.removeAfterEnd = end.removeAfterEnd;
        record.showMessageAfterEnd = end.showMessage;
        record.playSoundAfterEnd = end.playSound;
        std::unique_ptr<bfTimer> timer = MakeTimer(record);
        log.Clear();
        std::vector<bool> shownWhenTold;
        owner.onCommand = [&](const testing::CommandRecord& command) {
            shownWhenTold.push_back(::IsWindowVisible(timer->window()) != FALSE);
            if (command.lParam == widget_event::kRemoveRequest ||
                command.lParam == count_event::kShowEndMessageAndRemove) {
                timer.reset();  // as the owner does
            }
        };
        StartWorker([&] { timer->SetRunning(true); });
        NextSecond(time, *timer, 1);
        NextSecond(time, *timer, 0);
        time.Advance();
        // 00 : 00 : 00 shows while the end waits its half second.
        ASSERT_TRUE(PumpUntil([&] { return Text(timer->time()) == L"00 : 00 : 00"; }));
        EXPECT_TRUE(owner.commands.empty());
        EXPECT_TRUE(::IsWindowVisible(timer->window()));
        ASSERT_TRUE(PumpUntil([&] { return owner.commands.size() == end.notices.size(); }));
        PumpUntil([] { return false; }, 50);  // nothing more comes
        EXPECT_EQ(Notices(owner), end.notices);
        EXPECT_EQ(log.Calls(), end.sounds);
        if (!end.removeAfterEnd) {
            EXPECT_EQ(shownWhenTold, std::vector<bool>(end.notices.size(), false));
            EXPECT_FALSE(timer->running());
            EXPECT_FALSE(timer->hasWorkerThread());
            EXPECT_EQ(timer->Record().remainingSeconds, 0);
        } else {
            EXPECT_EQ(timer, nullptr);
        }
        owner.onCommand = nullptr;
        owner.Clear();
    }
}

CounterTask CounterRecord(const TimePoint& start, const TimePoint& target) {
    CounterTask record;
    record.title = u"Train";
    record.start = start;
    record.target = target;
    record.showProgressBar = true;
    record.soundFile = u"C:\\horn.wav";
    record.x = 500;
    record.y = 200;
    return record;
}

TEST_F(CountWidgets, ACounterCountsToItsTargetOnTheWallClock) {
    bfCounter counter(owner.window(), kWidgetId, sound, time);
    counter.ApplyRecord(CounterRecord({2024, 5, 17, 11, 59, 57, 0}, {2024, 5, 17, 12, 0, 3, 0}));
    counter.Show(true);
    EXPECT_EQ(Text(counter.time()), L"00 : 00 : 03");
    EXPECT_EQ(counter.height(), bfCounter::kHeight);
    StartWorker([&] { counter.SetRunning(true); });
    time.Advance();
    ASSERT_TRUE(PumpUntil([&] { return Text(counter.time()) == L"00 : 00 : 02"; }));
    time.Advance();
    ASSERT_TRUE(PumpUntil([&] { return Text(counter.time()) == L"00 : 00 : 01"; }));
    time.Advance();
    ASSERT_TRUE(PumpUntil([&] { return owner.commands.size() == 2; }));
    EXPECT_EQ(Text(counter.time()), L"00 : 00 : 00");
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{{kCounterFamily, widget_event::kHidden},
                                                   {kCounterFamily, count_event::kEnded}}));
    EXPECT_FALSE(counter.running());
}

TEST_F(CountWidgets, ACounterWhoseTargetIsPastEndsAtTheFirstNewSecond) {
    for (const bool message : {true, false}) {
        bfCounter counter(owner.window(), kWidgetId, sound, time);
        CounterTask record = CounterRecord({2024, 5, 16, 8, 0, 0, 0}, {2024, 5, 16, 9, 0, 0, 0});
        record.showMessageAfterEnd = message;
        record.playSoundAfterEnd = true;
        counter.ApplyRecord(record);
        counter.Show(true);
        log.Clear();
        owner.Clear();
        StartWorker([&] { counter.SetRunning(true); });
        time.Advance();
        const std::size_t count = message ? 3 : 2;
        ASSERT_TRUE(PumpUntil([&] { return owner.commands.size() == count; }));
        PumpUntil([] { return false; }, 50);
        std::vector<Notice> expected{{kCounterFamily, widget_event::kHidden},
                                     {kCounterFamily, count_event::kEnded}};
        if (message) {
            expected.push_back({kCounterFamily, count_event::kShowEndMessage});
        }
        EXPECT_EQ(Notices(owner), expected);
        EXPECT_EQ(log.Calls(), message ? std::vector<std::string>{}
                                       : std::vector<std::string>{"Play C:\\horn.wav"});
        EXPECT_FALSE(counter.shown());
    }
}

class MessageViews : public CountWidgets {
protected:
    std::unique_ptr<bfMessageView> Open(const std::u16string& text, bool playOnce) {
        auto view = std::make_unique<bfMessageView>(owner.window(), kWidgetId, sound);
        view->ShowMessage({u"Tea is ready", text, u"C:\\bell.wav", true, playOnce, false});
        ::SetWindowPos(view->window(), HWND_TOPMOST, 500, 200, 0, 0, SWP_NOSIZE);
        view->Show(true);
        view->StartSound();
        PumpMessages();
        return view;
    }
};

TEST_F(MessageViews, StopEndsALoopingSoundAtOnceAndHidesItself) {
    auto view = Open(u"The water boiled.", false);
    EXPECT_EQ(log.Calls(), std::vector<std::string>{"PlayLooping C:\\bell.wav"});
    EXPECT_TRUE(view->soundLooping());
    ASSERT_TRUE(view->stopButton().visible());
    Click(view->stopButton());
    EXPECT_EQ(log.Calls(), (std::vector<std::string>{"PlayLooping C:\\bell.wav", "StopSound"}));
    EXPECT_FALSE(view->stopButton().visible());
    EXPECT_FALSE(view->soundLooping());
    EXPECT_TRUE(view->shown());
    EXPECT_TRUE(owner.commands.empty());  // the view tells its owner nothing
}

TEST_F(MessageViews, ClosingEndsALoopingSoundAndASoundPlayedOnceHasNoStop) {
    auto view = Open(u"The water boiled.", false);
    Click(view->closeButton());
    EXPECT_EQ(log.Calls(), (std::vector<std::string>{"PlayLooping C:\\bell.wav", "StopSound"}));
    EXPECT_FALSE(view->shown());
    EXPECT_FALSE(::IsWindowVisible(view->window()));

    log.Clear();
    auto once = Open(u"The water boiled.", true);
    EXPECT_EQ(log.Calls(), std::vector<std::string>{"Play C:\\bell.wav"});
    EXPECT_FALSE(once->stopButton().visible());
    ::SendMessageW(once->window(), WM_COMMAND, menu_id::kHide, 0);
    EXPECT_EQ(log.Calls(), std::vector<std::string>{"Play C:\\bell.wav"});
    EXPECT_FALSE(once->shown());
}

TEST_F(MessageViews, AShortTextHidesTheScrollBarAndALongOneScrollsWithIt) {
    auto view = Open(u"Short.", true);
    EXPECT_FALSE(view->scrollBar().visible());
    EXPECT_EQ(view->text().width(), bfMessageView::kTextWidthAlone);

    std::u16string text;
    for (int i = 1; i <= 12; ++i) {
        text += u"Line " + std::u16string(1, static_cast<char16_t>(u'a' + i)) + u"\r\n";
    }
    auto tall = Open(text, true);
    EXPECT_TRUE(tall->scrollBar().visible());
    EXPECT_EQ(tall->text().width(), bfMessageView::kTextWidthWithScrollBar);
    EXPECT_GT(tall->text().textHeight(), bfMessage::kHeight);
    EXPECT_EQ(tall->scrollBar().model().content(), tall->text().textHeight());
    // The scroll bar's lower arrow, clicked for real: one step of 20 pixels.
    const bfVScrollBar& bar = tall->scrollBar();
    const POINT arrow = testing::OnScreen(bar.window(), bar.width() / 2, bar.height() - 4);
    ASSERT_TRUE(testing::MoveMouseTo(arrow.x, arrow.y));
    testing::SendMouseInput(MOUSEEVENTF_LEFTDOWN);
    testing::SendMouseInput(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return tall->text().scrollOffset() == 20; }));
    EXPECT_EQ(tall->text().lines().y(), -20);
    RECT label{};
    ::GetWindowRect(tall->text().lines().window(), &label);
    EXPECT_EQ(label.top, testing::OnScreen(tall->text().window(), 0, -20).y);
}

TEST_F(MessageViews, AViewThatDeletesItselfOnCloseLeavesNothingBehind) {
    // One first: what the platform keeps once made is made now.
    auto* first = new bfMessageView(owner.window(), kWidgetId, sound);
    first->ShowMessage({u"Tea", u"Ready.", u"C:\\bell.wav", true, false, true});
    first->Show(true);
    ::SendMessageW(first->window(), WM_COMMAND, menu_id::kHide, 0);
    PumpMessages();
    const testing::CensusCounts before = testing::GdiCensus::Now();

    auto* view = new bfMessageView(owner.window(), kWidgetId, sound);
    view->ShowMessage({u"Tea", u"Ready.", u"C:\\bell.wav", true, false, true});
    ::SetWindowPos(view->window(), HWND_TOPMOST, 500, 200, 0, 0, SWP_NOSIZE);
    view->Show(true);
    view->StartSound();
    PumpMessages();
    const HWND window = view->window();
    Click(view->closeButton());  // the view is deleted when its posted request arrives
    ASSERT_TRUE(PumpUntil([window] { return !::IsWindow(window); }));
    EXPECT_EQ(testing::GdiCensus::Now(), before);
    EXPECT_EQ(log.Calls().back(), "StopSound");
}

TEST_F(CountWidgets, AHundredOfEachWidgetGiveBackEveryGdiAndUserObject) {
    const auto makeAll = [this] {
        std::vector<std::unique_ptr<bfAbstractWidget>> widgets;
        for (int i = 0; i < 100; ++i) {
            auto timer =
                std::make_unique<bfTimer>(owner.window(), static_cast<WORD>(i), sound, time, time);
            timer->ApplyRecord(TimerRecord(30));
            timer->Show(true);
            timer->SetRunning(true);
            auto counter =
                std::make_unique<bfCounter>(owner.window(), static_cast<WORD>(i), sound, time);
            counter->ApplyRecord(
                CounterRecord({2024, 5, 17, 11, 0, 0, 0}, {2024, 5, 17, 13, 0, 0, 0}));
            counter->Show(true);
            counter->SetRunning(true);
            auto view =
                std::make_unique<bfMessageView>(owner.window(), static_cast<WORD>(i), sound);
            view->ShowMessage(
                {u"Tea", u"A long text.\n\n\n\n\n\n\n\n\n\n\nThe end.", u"", false, true, false});
            view->Show(true);
            widgets.push_back(std::move(timer));
            widgets.push_back(std::move(counter));
            widgets.push_back(std::move(view));
        }
        time.Advance();
        PumpUntil([] { return false; }, 200);
        return widgets;
    };
    makeAll();
    PumpMessages();
    const testing::CensusCounts before = testing::GdiCensus::Now();
    {
        const auto widgets = makeAll();
        const testing::CensusCounts alive = testing::GdiCensus::Now();
        EXPECT_GE(alive.windows, before.windows + 300);
        EXPECT_GE(alive.menus, before.menus + 300);
    }
    PumpMessages();
    EXPECT_EQ(testing::GdiCensus::Now(), before);
}

}  // namespace
}  // namespace tockly
