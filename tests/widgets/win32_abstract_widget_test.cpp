// The widget base with real windows and messages: the window, transparency and always on top,
// the common menu commands with their check marks and the notifications they send the owner,
// drag to move with real mouse input, the real popup menu, and the worker: started once, joined
// on destruction, ending by itself, and stopped a thousand times in the middle of every step
// without ever hanging. A hundred widgets give back every GDI, USER and kernel object.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "support/win32_test_paths.h"
#include "toolkit/dib_section.h"
#include "toolkit/gdi_census.h"
#include "toolkit/test_parent.h"
#include "widgets/hang_guard.h"
#include "widgets/menu_ids.h"
#include "widgets/owner_notice_log.h"
#include "widgets/plain_widget.h"
#include "widgets/widget_test_support.h"

namespace tockly {
namespace {

using testing::Notice;
using testing::Notices;
using testing::PlainWidget;
using testing::PumpMessages;
using testing::PumpUntil;
using testing::TestParent;

constexpr WORD kWidgetId = 42;
constexpr WORD kCounterFamily = static_cast<WORD>(WidgetFamily::Counter);

const Notice kChanged = testing::ChangedNotice(kWidgetId);
Notice Event(int code) {
    return testing::EventNotice(WidgetFamily::Counter, kWidgetId, code);
}

BYTE LayeredAlpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    ::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
    return (flags & LWA_ALPHA) != 0 ? alpha : 0;
}

bool Topmost(HWND window) {
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// The menu sends its commands like this (wParam = id, lParam 0).
void Choose(const bfAbstractWidget& widget, int id) {
    ::SendMessageW(widget.window(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

class WidgetBase : public ::testing::Test {
protected:
    void SetUp() override { SetSkinFileFolder(testing::BinaryFolder()); }

    std::unique_ptr<PlainWidget> Make(const Clock& clock = WidgetClock()) {
        auto widget = std::make_unique<PlainWidget>(owner.window(), kWidgetId, clock);
        widget->MoveTo(420, 120);
        return widget;
    }

    TestParent owner{400, 300};
};

TEST_F(WidgetBase, IsALayeredToolWindowWhoseUnmappedMessagesReachTheDefaultProcedure) {
    auto widget = Make();
    const HWND window = widget->window();
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CLIPCHILDREN | WS_CHILD | WS_CAPTION),
              WS_POPUP | WS_CLIPCHILDREN);
    const LONG extended = ::GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_EQ(extended & (WS_EX_LAYERED | WS_EX_TOOLWINDOW), WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, PlainWidget::kWidth);
    EXPECT_EQ(client.bottom, PlainWidget::kBodyHeight);
    EXPECT_EQ(::GetWindow(window, GW_OWNER), owner.window());
    EXPECT_FALSE(::IsWindowVisible(window));

    EXPECT_EQ(::SendMessageW(window, WM_ERASEBKGND, 0, 0), 1);  // painting covers everything
    const POINT inside = testing::OnScreen(window, 5, 5);
    EXPECT_EQ(::SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
    ::SetWindowTextW(window, L"unmapped");
    EXPECT_EQ(testing::WindowText(window), L"unmapped");

    // Built with its menu, transparency 0 with "0%" checked, report changes off.
    ASSERT_NE(widget->menu(), nullptr);
    EXPECT_EQ(widget->transparency(), 0);
    for (int id = menu_id::kTransparency90; id <= menu_id::kTransparency0; ++id) {
        EXPECT_EQ(widget->menu()->IsChecked(id), id == menu_id::kTransparency0) << id;
    }
    EXPECT_FALSE(widget->reportChanges());
    EXPECT_FALSE(widget->running());
}

TEST_F(WidgetBase, EachTransparencyItemGivesItsAlphaOnlyWhileShown) {
    auto widget = Make();
    widget->Show(true);
    EXPECT_EQ(LayeredAlpha(widget->window()), 255);
    // 90% ... 0%, as the items come.
    const BYTE alphas[] = {25, 51, 76, 102, 127, 153, 178, 204, 229, 255};
    for (int id = menu_id::kTransparency90; id <= menu_id::kTransparency0; ++id) {
        Choose(*widget, id);
        EXPECT_EQ(widget->transparency(), (menu_id::kTransparency0 - id) * 10);
        EXPECT_EQ(LayeredAlpha(widget->window()), alphas[id - menu_id::kTransparency90]) << id;
        for (int other = menu_id::kTransparency90; other <= menu_id::kTransparency0; ++other) {
            EXPECT_EQ(widget->menu()->IsChecked(other), other == id);
        }
    }
    Choose(*widget, TOCKLY_MENU_TRANSPARENCY_50);
    widget->Show(false);
    Choose(*widget, TOCKLY_MENU_TRANSPARENCY_80);
    EXPECT_EQ(widget->transparency(), 80);  // stored
    EXPECT_TRUE(widget->menu()->IsChecked(TOCKLY_MENU_TRANSPARENCY_80));
    EXPECT_EQ(LayeredAlpha(widget->window()), 127);  // not applied
    widget->Show(true);
    EXPECT_EQ(LayeredAlpha(widget->window()), 127);  // until applied again
    widget->SetTransparency(widget->transparency());
    EXPECT_EQ(LayeredAlpha(widget->window()), 51);
}

TEST_F(WidgetBase, AlwaysOnTopAndTheProgressBarToggleWithTheirCheckMarks) {
    auto widget = Make();
    widget->Show(true);
    Choose(*widget, menu_id::kAlwaysOnTop);
    EXPECT_TRUE(widget->alwaysOnTop());
    EXPECT_TRUE(widget->topmost());
    EXPECT_TRUE(Topmost(widget->window()));
    EXPECT_TRUE(widget->menu()->IsChecked(menu_id::kAlwaysOnTop));
    Choose(*widget, menu_id::kAlwaysOnTop);
    EXPECT_FALSE(widget->alwaysOnTop());
    EXPECT_FALSE(Topmost(widget->window()));
    EXPECT_FALSE(widget->menu()->IsChecked(menu_id::kAlwaysOnTop));

    Choose(*widget, menu_id::kShowProgressBar);
    EXPECT_TRUE(widget->showProgressBar());
    EXPECT_TRUE(widget->menu()->IsChecked(menu_id::kShowProgressBar));
    EXPECT_EQ(widget->height(), PlainWidget::kBodyHeight + PlainWidget::kStripHeight);
    Choose(*widget, menu_id::kShowProgressBar);
    EXPECT_FALSE(widget->menu()->IsChecked(menu_id::kShowProgressBar));
    EXPECT_EQ(widget->height(), PlainWidget::kBodyHeight);
}

TEST_F(WidgetBase, CommandsTellTheOwnerInOrderAndSettingsChangesOnlyWhileReported) {
    auto widget = Make();
    widget->Show(true);
    const int commands[] = {menu_id::kAlwaysOnTop, menu_id::kShowProgressBar,
                            TOCKLY_MENU_TRANSPARENCY_40, menu_id::kHide, menu_id::kRemove};
    widget->SetReportChanges(true);
    for (const int id : commands) {
        Choose(*widget, id);
    }
    EXPECT_EQ(Notices(owner),
              (std::vector<Notice>{kChanged, kChanged, kChanged, Event(widget_event::kHidden),
                                   kChanged, Event(widget_event::kRemoveRequest)}));
    EXPECT_FALSE(::IsWindowVisible(widget->window()));
    EXPECT_FALSE(widget->shown());

    owner.Clear();
    widget->Show(true);
    widget->SetReportChanges(false);
    for (const int id : commands) {
        Choose(*widget, id);
    }
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{Event(widget_event::kHidden),
                                                   Event(widget_event::kRemoveRequest)}));

    // A widget that keeps "Always on top" and "Hide" to itself (the stopwatch, the timer).
    owner.Clear();
    widget->Show(true);
    widget->SetReportChanges(true);
    widget->SetCommonReports({.alwaysOnTop = false, .hide = false});
    Choose(*widget, menu_id::kAlwaysOnTop);
    Choose(*widget, menu_id::kHide);
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{Event(widget_event::kHidden)}));
}

TEST_F(WidgetBase, AnOwnerMayDestroyTheWidgetWhileItIsTold) {
    for (const int id : {menu_id::kRemove, menu_id::kHide}) {
        std::unique_ptr<PlainWidget> widget = Make();
        widget->Show(true);
        widget->SetReportChanges(true);
        owner.onCommand = [&widget](const testing::CommandRecord& record) {
            if (record.id == kCounterFamily) {
                widget.reset();
            }
        };
        const HWND window = widget->window();
        Choose(*widget, id);
        EXPECT_EQ(widget, nullptr);
        EXPECT_FALSE(::IsWindow(window));
        owner.onCommand = nullptr;
    }
}

class RealMouse : public WidgetBase {
protected:
    void SetUp() override {
        WidgetBase::SetUp();
        widget = Make();
        widget->MoveTo(300, 200);
        widget->Show(true);
        widget->SetAlwaysOnTop(true);
        widget->SetReportChanges(true);
        PumpMessages();
        owner.Clear();
    }

    // Presses the left button at a client point of the widget, moves the mouse by (dx, dy) in
    // three steps and lets go.
    void Drag(int x, int y, int dx, int dy) {
        const POINT start = testing::OnScreen(widget->window(), x, y);
        ASSERT_TRUE(testing::MoveMouseTo(start.x, start.y));
        testing::SendMouseInput(MOUSEEVENTF_LEFTDOWN);
        ASSERT_TRUE(PumpUntil([this] { return ::GetCapture() == widget->window(); }));
        for (int step = 1; step <= 3; ++step) {
            ASSERT_TRUE(testing::MoveMouseTo(start.x + dx * step / 3, start.y + dy * step / 3));
        }
        testing::SendMouseInput(MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(PumpUntil([this] { return ::GetCapture() != widget->window(); }));
        PumpMessages();
    }

    POINT WindowCorner() const {
        RECT rect{};
        ::GetWindowRect(widget->window(), &rect);
        return {rect.left, rect.top};
    }

    std::unique_ptr<PlainWidget> widget;
};

TEST_F(RealMouse, ADragInTheDragAreaKeepsThePressedPointUnderTheCursor) {
    Drag(180, 50, 120, 75);  // right of the labels: the body itself
    EXPECT_EQ(WindowCorner().x, 420);
    EXPECT_EQ(WindowCorner().y, 275);
    EXPECT_EQ(widget->x(), 420);
    EXPECT_EQ(widget->y(), 275);
    EXPECT_FALSE(widget->dragging());
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});

    // Report changes off: the widget moves and tells nobody.
    owner.Clear();
    widget->SetReportChanges(false);
    Drag(180, 50, -20, -25);
    EXPECT_EQ(WindowCorner().x, 400);
    EXPECT_EQ(WindowCorner().y, 250);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(RealMouse, APressOutsideTheDragAreaMovesNothing) {
    widget->SetDragArea({0, 0, PlainWidget::kWidth, 20});
    Drag(180, 50, 60, 40);
    EXPECT_EQ(WindowCorner().x, 300);
    EXPECT_EQ(WindowCorner().y, 200);
    EXPECT_TRUE(owner.commands.empty());
    Drag(180, 10, 60, 40);  // the strip along the top is the drag area
    EXPECT_EQ(WindowCorner().x, 360);
    EXPECT_EQ(WindowCorner().y, 240);
}

TEST_F(RealMouse, APressOnADragLabelDragsTheWidget) {
    const int x = widget->countdown().x() + 30;
    const int y = widget->countdown().y() + 12;
    Drag(x, y, 90, -60);
    EXPECT_EQ(WindowCorner().x, 390);
    EXPECT_EQ(WindowCorner().y, 140);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
}

TEST_F(RealMouse, ARightClickOpensTheOwnerDrawnMenuAndTheKeyboardChoosesFromIt) {
    // While the menu is open: where its first item is, what is drawn there, then Down and Enter.
    RECT firstItem{};
    COLORREF background = CLR_INVALID;
    int idles = 0;
    const HMENU menu = widget->menu()->handle();
    widget->messages().Set(WM_ENTERIDLE, [&](UINT, WPARAM reason, LPARAM menuWindow) -> LRESULT {
        if (reason != MSGF_MENU) {
            return 0;
        }
        if (++idles == 1) {
            const HWND popup = reinterpret_cast<HWND>(menuWindow);
            ::GetMenuItemRect(nullptr, menu, 0, &firstItem);
            POINT corner{firstItem.right - 3, firstItem.top + 2};
            ::ScreenToClient(popup, &corner);
            const HDC dc = ::GetDC(popup);
            background = ::GetPixel(dc, corner.x, corner.y);
            ::ReleaseDC(popup, dc);
            testing::PressKey(VK_DOWN);
            testing::PressKey(VK_RETURN);
        } else if (idles > 500) {
            ::EndMenu();  // never leave a menu open behind a failing test
        }
        return 0;
    });
    const POINT at = testing::OnScreen(widget->window(), 100, 40);
    ASSERT_TRUE(testing::MoveMouseTo(at.x, at.y));
    testing::SendMouseInput(MOUSEEVENTF_RIGHTDOWN);
    testing::SendMouseInput(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(PumpUntil([&] { return !widget->alwaysOnTop(); }));  // "Always on top"
    EXPECT_FALSE(Topmost(widget->window()));
    EXPECT_FALSE(widget->menu()->IsChecked(menu_id::kAlwaysOnTop));
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});

    // The system asked the menu for the item's size and let it draw the item.
    EXPECT_EQ(firstItem.bottom - firstItem.top,
              widget->menu()->MeasuredSize(MenuPlace::Command(menu_id::kAlwaysOnTop))->height);
    EXPECT_EQ(background, RGB(55, 55, 55));  // the menu's tile, not the system's menu colour
}

// The owner on a helper thread of the test (the widget's user-interface thread there).
struct StopRun {
    int stops = 0;
    int inStep = 0;
    int textRefreshes = 0;
};

DWORD WINAPI StopAThousandTimes(void* result) {
    StopRun& run = *static_cast<StopRun*>(result);
    TestParent owner(200, 100);
    testing::SteppingClock stepping;
    FixedClock frozen(TimePoint{2024, 5, 17, 12, 0, 0, 0});  // every wait is a whole second
    std::mt19937 random(2024);
    KernelHandle entered(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    std::unique_ptr<PlainWidget> widget;
    for (int i = 0; i < 1000; ++i) {
        const int phase = i % 4;
        if (i % 100 < 4) {  // a new widget now and then, on the clock its phase needs
            widget = std::make_unique<PlainWidget>(
                owner.window(), kWidgetId,
                phase == 0 ? static_cast<const Clock&>(frozen) : stepping);
            widget->Show(true);
        }
        const int pause = phase == 2 ? 10'000 : 0;
        const int end = static_cast<int>(random() % 3);
        widget->everySecond = [&entered, &random, phase, pause, end](const TimePoint&) {
            WorkerStep step;
            step.uiWork = worker_ui::kTexts | worker_ui::kStrip | worker_ui::kRepaint |
                          (end == 2 ? worker_ui::kHide : 0);
            step.Post(widget_event::kHidden).Post(2);
            step.pauseMilliseconds = pause;
            if (phase == 3) {
                step.end = end == 0 ? WorkerEnd::Continue
                                    : (end == 1 ? WorkerEnd::Stop : WorkerEnd::AwaitRemoval);
            }
            ::SetEvent(entered.get());
            if (phase == 1) {
                ::Sleep(random() % 2);  // the user-interface thread asks to stop meanwhile
            }
            return step;
        };
        widget->SetRunning(true);
        if (phase == 1 || phase == 2) {
            if (::WaitForSingleObject(entered.get(), 5000) == WAIT_OBJECT_0) {
                ++run.inStep;
            }
            if (phase == 2) {
                ::Sleep(1);  // into the pause
            }
        } else {
            ::Sleep(random() % 3);
        }
        widget->SetRunning(false);  // without pumping, as the program stops its widgets
        ++run.stops;
        if (widget->running() || widget->hasWorkerThread()) {
            break;
        }
        PumpMessages();  // the work the worker left for this thread
        if (!widget->shown()) {
            widget->Show(true);
        }
    }
    run.textRefreshes = widget->textRefreshes();
    return 0;
}

TEST(WidgetWorker, StoppedAThousandTimesInTheMiddleOfEveryStepItNeverHangs) {
    SetSkinFileFolder(testing::BinaryFolder());
    StopRun run;
    testing::RunEndingOnHang(&StopAThousandTimes, run);
    EXPECT_EQ(run.stops, 1000);
    EXPECT_EQ(run.inStep, 500);  // every stop of phases 1 and 2 came inside the step
    EXPECT_GT(run.textRefreshes, 0);
}

TEST_F(WidgetBase, StartingTwiceStartsOneWorkerAndStoppingAStoppedOneDoesNothing) {
    testing::SteppingClock clock;
    auto widget = Make(clock);
    std::set<DWORD> workers;
    std::atomic<int> seconds{0};
    widget->everySecond = [&](const TimePoint&) {
        workers.insert(::GetCurrentThreadId());  // under the widget's lock
        ++seconds;
        return WorkerStep{};
    };
    widget->SetRunning(false);
    EXPECT_FALSE(widget->running());
    widget->SetRunning(true);
    widget->SetRunning(true);
    EXPECT_TRUE(widget->running());
    ASSERT_TRUE(PumpUntil([&] { return seconds > 50; }));
    widget->SetRunning(false);
    EXPECT_FALSE(widget->running());
    EXPECT_FALSE(widget->hasWorkerThread());
    EXPECT_EQ(workers.size(), 1u);
    widget->SetRunning(false);
    EXPECT_FALSE(widget->running());
}

// A clock that notes the thread that reads it: the worker's.
class WatchedClock final : public Clock {
public:
    TimePoint Now() const override {
        reader = ::GetCurrentThreadId();
        return stepping_.Now();
    }
    mutable std::atomic<DWORD> reader{0};

private:
    testing::SteppingClock stepping_;
};

TEST_F(WidgetBase, DestroyingARunningWidgetJoinsItsWorker) {
    // The base alone, as a widget whose worker reads nothing of its own.
    class BareWidget : public bfAbstractWidget {
    public:
        BareWidget(HWND owner, const Clock& clock)
            : bfAbstractWidget(owner, kWidgetId, {WidgetFamily::Timer, 198, 86, {}}, clock) {}
    };
    WatchedClock clock;
    auto widget = std::make_unique<BareWidget>(owner.window(), clock);
    EXPECT_EQ(widget->menu(), nullptr);
    widget->SetRunning(true);
    ASSERT_TRUE(PumpUntil([&] {
        const DWORD reader = clock.reader;
        return reader != 0 && reader != ::GetCurrentThreadId();
    }));
    KernelHandle worker(::OpenThread(SYNCHRONIZE, FALSE, clock.reader));
    ASSERT_TRUE(worker);
    EXPECT_EQ(::WaitForSingleObject(worker.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    widget.reset();
    EXPECT_EQ(::WaitForSingleObject(worker.get(), 0), WAIT_OBJECT_0);
}

TEST_F(WidgetBase, AWorkerThatEndsHidesTheWidgetBeforeTheOwnerHearsOfIt) {
    testing::SteppingClock clock;
    auto widget = Make(clock);
    widget->Show(true);
    widget->SetShowProgressBar(true);
    int seconds = 0;
    widget->everySecond = [&](const TimePoint&) {
        WorkerStep step;
        step.uiWork = worker_ui::kTexts | worker_ui::kStrip;
        ++seconds;
        widget->SetCountdownText(L"00 : 00 : 0" + std::to_wstring(3 - seconds));
        widget->SetProgress(3 - seconds, 3);
        if (seconds == 3) {
            step.uiWork |= worker_ui::kHide;
            step.Post(widget_event::kHidden).Post(2);  // `Ended`
            step.pauseMilliseconds = 50;
            step.end = WorkerEnd::Stop;
        }
        return step;
    };
    std::vector<bool> visibleWhenTold;
    owner.onCommand = [&](const testing::CommandRecord&) {
        visibleWhenTold.push_back(::IsWindowVisible(widget->window()) != FALSE);
    };
    widget->SetRunning(true);
    ASSERT_TRUE(PumpUntil([&] { return owner.commands.size() == 2; }));
    EXPECT_FALSE(widget->hasWorkerThread());
    EXPECT_FALSE(widget->running());
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{Event(widget_event::kHidden), Event(2)}));
    EXPECT_EQ(visibleWhenTold, (std::vector<bool>{false, false}));
    EXPECT_FALSE(widget->shown());
    EXPECT_EQ(widget->countdown().Text(), L"00 : 00 : 00");  // set here, on this thread
    EXPECT_GE(widget->textRefreshes(), 1);
    EXPECT_EQ(widget->stripColumns(), 0);
    // It can be started again.
    seconds = 0;
    widget->SetRunning(true);
    EXPECT_TRUE(widget->running());
    widget->SetRunning(false);
}

TEST_F(WidgetBase, AWorkerThatAsksForRemovalLeavesItsThreadForTheOwnerToJoin) {
    testing::SteppingClock clock;
    std::unique_ptr<PlainWidget> widget = Make(clock);
    widget->everySecond = [](const TimePoint&) {
        WorkerStep step;
        step.Post(widget_event::kRemoveRequest);
        step.end = WorkerEnd::AwaitRemoval;
        return step;
    };
    bool runningWhenTold = false;
    bool threadWhenTold = false;
    owner.onCommand = [&](const testing::CommandRecord& record) {
        if (record.lParam == widget_event::kRemoveRequest) {
            runningWhenTold = widget->running();
            threadWhenTold = widget->hasWorkerThread();
            widget->SetRunning(true);  // still running: starts nothing
            widget.reset();
        }
    };
    widget->SetRunning(true);
    ASSERT_TRUE(PumpUntil([&] { return widget == nullptr; }));
    EXPECT_TRUE(runningWhenTold);
    EXPECT_TRUE(threadWhenTold);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{Event(widget_event::kRemoveRequest)});
}

// What a widget leaves drawn by its menu: one item into a memory bitmap.
void DrawFirstMenuItem(const PlainWidget& widget) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_ID;
    const HMENU menu = widget.menu()->handle();
    ::GetMenuItemInfoW(menu, 0, TRUE, &info);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
    ::SendMessageW(widget.window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    const DibSection target = CreateDibSection32(200, 30);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), target.bitmap.get());
    DRAWITEMSTRUCT draw{ODT_MENU,
                        0,
                        info.wID,
                        ODA_DRAWENTIRE,
                        ODS_SELECTED | ODS_CHECKED,
                        reinterpret_cast<HWND>(menu),
                        dc.get(),
                        {0, 0, 200, 30},
                        info.dwItemData};
    ::SendMessageW(widget.window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

std::vector<std::unique_ptr<PlainWidget>> MakeHundred(HWND owner, const Clock& clock) {
    std::vector<std::unique_ptr<PlainWidget>> widgets;
    for (int i = 0; i < 100; ++i) {
        widgets.push_back(std::make_unique<PlainWidget>(owner, static_cast<WORD>(i), clock));
        PlainWidget& widget = *widgets.back();
        widget.MoveTo(300 + (i % 10) * 20, 100 + (i / 10) * 20);
        widget.Show(true);
        widget.SetShowProgressBar(true);
        widget.SetTransparency(30);
        widget.everySecond = [](const TimePoint&) {
            return WorkerStep{.uiWork = worker_ui::kTexts | worker_ui::kStrip};
        };
        widget.SetRunning(true);
        DrawFirstMenuItem(widget);
    }
    // Running workers keep posting: pump for a while, not until the queue is empty.
    PumpUntil([] { return false; }, 200);
    for (auto& widget : widgets) {
        widget->SetRunning(false);
    }
    PumpMessages();
    return widgets;
}

TEST_F(WidgetBase, AHundredWidgetsGiveBackEveryGdiUserAndKernelObject) {
    testing::SteppingClock clock;
    MakeHundred(owner.window(), clock);  // what the platform keeps once made is made now
    PumpMessages();
    const testing::CensusCounts before = testing::GdiCensus::Now();
    DWORD handlesBefore = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesBefore);
    {
        const auto widgets = MakeHundred(owner.window(), clock);
        const testing::CensusCounts alive = testing::GdiCensus::Now();
        EXPECT_GE(alive.windows, before.windows + 300);  // each widget and its two labels
        EXPECT_GE(alive.menus, before.menus + 100);
    }
    PumpMessages();
    EXPECT_EQ(testing::GdiCensus::Now(), before);
    DWORD handlesAfter = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(handlesAfter, handlesBefore);  // threads and their events
}

}  // namespace
}  // namespace tockly
