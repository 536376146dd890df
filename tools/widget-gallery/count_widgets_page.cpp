// The timer, the counter and the end-of-count message view in their states, and each one's menu
// opened.

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gallery_pages.h"
#include "menu_capture.h"
#include "support/fake_system_actions.h"
#include "widgets/counter.h"
#include "widgets/message_view.h"
#include "widgets/timer.h"

namespace tockly::gallery {
namespace {

constexpr int kPageWidth = 1180;
constexpr int kMargin = 24;
constexpr int kGap = 30;
constexpr int kCaptionHeight = 20;
// Where the widgets stand on the screen while they are captured.
constexpr int kScreenX = 60;
constexpr int kScreenY = 60;

// The widgets play no sound here.
SoundPlayer& silence() {
    static testing::CallLog log;
    static testing::RecordingSoundPlayer sound(log);
    return sound;
}

// A clock that never reaches a new second: a widget on it runs and changes nothing.
const Clock& StandingClock() {
    static const FixedClock clock(TimePoint{2024, 5, 17, 9, 30, 0, 0});
    return clock;
}

TimerTask Timer(const char16_t* title, int remaining, bool strip) {
    TimerTask record;
    record.title = title;
    record.duration = {0, 0, 25, 0};
    record.remainingSeconds = remaining;
    record.showProgressBar = strip;
    record.x = kScreenX;
    record.y = kScreenY;
    return record;
}

CounterTask Counter(const char16_t* title, const TimePoint& start, const TimePoint& target,
                    bool strip) {
    CounterTask record;
    record.title = title;
    record.start = start;
    record.target = target;
    record.showProgressBar = strip;
    record.x = kScreenX;
    record.y = kScreenY;
    return record;
}

std::unique_ptr<bfTimer> ShowTimer(const TimerTask& record, bool running) {
    auto timer = std::make_unique<bfTimer>(nullptr, 1, silence(), StandingClock());
    timer->ApplyRecord(record);
    timer->Show(true);
    timer->SetRunning(running);
    PumpMessages();
    return timer;
}

std::unique_ptr<bfCounter> ShowCounter(const CounterTask& record) {
    auto counter = std::make_unique<bfCounter>(nullptr, 1, silence(), StandingClock());
    counter->ApplyRecord(record);
    counter->Show(true);
    PumpMessages();
    return counter;
}

std::unique_ptr<bfMessageView> ShowView(const char16_t* title, const char16_t* text, bool looping) {
    auto view = std::make_unique<bfMessageView>(nullptr, 1, silence());
    view->ShowMessage({title, text, u"bell.wav", looping, !looping, false});
    ::SetWindowPos(view->window(), HWND_TOPMOST, kScreenX, kScreenY, 0, 0, SWP_NOSIZE);
    view->Show(true);
    view->StartSound();
    ::UpdateWindow(view->window());
    PumpMessages();
    return view;
}

// The widget with its menu opened at a point of it, as the screen shows them.
struct MenuCapture {
    inline static WNDPROC widgetProcedure = nullptr;
    inline static std::function<void()> onIdle;

    // Sees the widget's messages before its own procedure: the menu's idle moments.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && onIdle) {
            onIdle();
        }
        return ::CallWindowProcW(widgetProcedure, window, message, wParam, lParam);
    }

    static Canvas Take(bfAbstractWidget& widget) {
        ::SetForegroundWindow(widget.window());
        PumpMessages();
        std::optional<Canvas> scene;
        int idles = 0;
        onIdle = [&] {
            if (++idles == 1) {
                scene.emplace(CaptureWithOpenMenus(widget.window()));
            }
            ::EndMenu();
        };
        widgetProcedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            widget.window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
        if (widget.menu() != nullptr) {
            widget.menu()->Show(widget.window(), kScreenX + 120, kScreenY + 30);
        }
        PumpMessages();
        ::SetWindowLongPtrW(widget.window(), GWLP_WNDPROC,
                            reinterpret_cast<LONG_PTR>(widgetProcedure));
        onIdle = nullptr;
        return scene ? std::move(*scene) : Canvas(1, 1);
    }
};

struct Shot {
    Canvas picture;
    std::wstring caption;
};

// Lays the shots out in rows under a heading; the row's bottom.
int PlaceRow(Canvas& page, int y, const wchar_t* heading, const std::vector<Shot>& shots) {
    page.Text(kMargin, y, heading, kSectionFont, kHeadingColor);
    y += 30;
    int x = kMargin;
    int bottom = y;
    for (const Shot& shot : shots) {
        page.Text(x, y, shot.caption, kCaptionFont, kCaptionColor);
        page.Paste(shot.picture, x, y + kCaptionHeight);
        bottom = std::max(bottom, y + kCaptionHeight + shot.picture.height());
        x += std::max(shot.picture.width(), 180) + kGap;
    }
    return bottom + 24;
}

}  // namespace

Canvas CountWidgetsPage() {
    std::vector<Shot> timers;
    {
        auto running = ShowTimer(Timer(u"Tea", 1234, true), true);
        timers.push_back({Canvas::Capture(running->window()), L"running (pause icon)"});
        running->SetRunning(false);
        auto paused = ShowTimer(Timer(u"Pasta", 501, true), false);
        timers.push_back({Canvas::Capture(paused->window()), L"paused (play icon)"});
        auto ended = ShowTimer(Timer(u"Laundry", 0, true), false);
        timers.push_back({Canvas::Capture(ended->window()), L"ended: strip empty"});
        auto bare = ShowTimer(Timer(u"Stretch", 360000, false), false);
        timers.push_back({Canvas::Capture(bare->window()), L"no strip, 100 hours"});
    }
    std::vector<Shot> counters;
    {
        auto strip = ShowCounter(Counter(u"Train leaves", {2024, 5, 17, 8, 0, 0, 0},
                                         {2024, 5, 17, 10, 15, 30, 0}, true));
        counters.push_back({Canvas::Capture(strip->window()), L"counter with its strip"});
        auto bare = ShowCounter(
            Counter(u"Holidays", {2024, 5, 1, 0, 0, 0, 0}, {2024, 5, 18, 1, 1, 1, 0}, false));
        counters.push_back({Canvas::Capture(bare->window()), L"counter without strip"});
    }
    std::vector<Shot> views;
    {
        auto shortText = ShowView(u"Tea", u"The tea is ready.\r\nTake the bag out.", true);
        views.push_back(
            {Canvas::Capture(shortText->window()), L"short text, looping sound: Stop shown"});
        auto longText = ShowView(
            u"Laundry",
            u"The washing machine has finished its programme. Hang the shirts up before they "
            u"crease, and take the towels to the dryer in the cellar.\r\n\r\nRemember: "
            u"the wool jumper dries flat on the rack, never in the dryer. Extraordinarily "
            u"long words like Donaudampfschifffahrt break inside.\r\nThe end.",
            false);
        views.push_back({Canvas::Capture(longText->window()), L"long text with its scroll bar"});
    }
    std::vector<Shot> menus;
    {
        auto timer = ShowTimer(Timer(u"Tea", 1234, true), false);
        menus.push_back({MenuCapture::Take(*timer), L"timer menu"});
        auto counter = ShowCounter(Counter(u"Train leaves", {2024, 5, 17, 8, 0, 0, 0},
                                           {2024, 5, 17, 10, 15, 30, 0}, false));
        menus.push_back({MenuCapture::Take(*counter), L"counter menu"});
        auto view = ShowView(u"Tea", u"The tea is ready.", false);
        menus.push_back({MenuCapture::Take(*view), L"message view menu"});
    }

    Canvas page(kPageWidth, 1000);
    page.Text(kMargin, 14, L"Tockly widget gallery: timer, counter and end-of-count message",
              kHeadingFont, kHeadingColor);
    int y = 56;
    y = PlaceRow(page, y, L"Timer", timers);
    y = PlaceRow(page, y, L"Counter", counters);
    y = PlaceRow(page, y, L"End-of-count message", views);
    y = PlaceRow(page, y, L"Their menus", menus);
    Canvas fitted(kPageWidth, y);
    fitted.Paste(page, 0, 0);
    return fitted;
}

}  // namespace tockly::gallery
