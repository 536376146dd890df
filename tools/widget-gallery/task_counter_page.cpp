// The task counter of each system task, collapsed and expanded, without and with its progress
// strip, and each one's menu opened with its submenus (real windows, real menus).

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "execution/task_counter.h"
#include "gallery_pages.h"
#include "menu_scene.h"
#include "support/fake_system_actions.h"
#include "widgets/menu_ids.h"

namespace tockly::gallery {
namespace {

constexpr int kPageWidth = 1180;
constexpr int kMargin = 24;
constexpr int kColumnStep = 228;
constexpr int kRowStep = 176;
constexpr POINT kScreenAt{60, 60};
constexpr POINT kMenuAt{150, 90};

// The gallery's present: 22:27:55, so that each task shows a count of its own.
const FixedClock kClock(TimePoint{2024, 5, 17, 22, 27, 55, 0});

SystemTaskRecord Sample(SystemTaskType type) {
    const TimePoint started{2024, 5, 17, 22, 0, 0, 0};
    switch (type) {
        case SystemTaskType::PrintScreen: {
            PrintScreenTask task;
            task.title = u"Design review log";
            task.saveIn = u"D:\\Screenshots\\Design review";
            task.filePrefix = u"review";
            task.shotCounter = 7;
            task.formatChoice = 0;
            task.repetitionMode = 2;
            task.repeatPeriod = {0, 0, 5, 0};
            task.repeatChoice = 1;
            task.executeFor = {0, 1, 0, 0};
            task.executeForChoice = 0;
            task.start = started;
            task.target = {2024, 5, 17, 22, 15, 0, 0};
            return task;
        }
        case SystemTaskType::Internet: {
            InternetTask task;
            task.title = u"Office VPN";
            task.entryName = u"Office VPN (Hamburg)";
            task.atInChoice = kTargetEnteredAt;
            task.start = started;
            task.target = {2024, 5, 17, 23, 0, 0, 0};
            return task;
        }
        case SystemTaskType::Power: {
            PowerTask task;
            task.title = u"Shut the office PC down";
            task.action = 6;
            task.force = true;
            task.atInChoice = kTargetEnteredIn;
            task.start = started;
            task.target = {2024, 5, 18, 0, 30, 0, 0};
            return task;
        }
        case SystemTaskType::Application:
            break;
    }
    ApplicationTask task;
    task.title = u"Nightly backup";
    task.programPath = u"C:\\Program Files\\Backup Tools\\backup.exe";
    task.parameters = u"--full --verify --target=E:\\Backups";
    task.startIn = u"C:\\Program Files\\Backup Tools";
    task.start = started;
    task.target = {2024, 5, 17, 23, 30, 0, 0};
    return task;
}

struct Variant {
    bool expanded;
    bool strip;
    const wchar_t* caption;
};

struct Counter {
    testing::FakeSystemActions actions;
    std::unique_ptr<bfTaskCounter> widget;
};

std::unique_ptr<Counter> ShowCounter(SystemTaskType type, const Variant& variant) {
    auto counter = std::make_unique<Counter>();
    counter->widget =
        std::make_unique<bfTaskCounter>(nullptr, 1, type, counter->actions.actions, kClock);
    bfTaskCounter& widget = *counter->widget;
    SystemTaskRecord record = Sample(type);
    std::visit(
        [&variant](auto& task) {
            task.showProgressBar = variant.strip;
            task.alwaysOnTop = true;
        },
        record);
    widget.SetRecord(std::move(record));
    widget.MoveTo(kScreenAt.x, kScreenAt.y);
    widget.Show(true);
    widget.ApplyRecord();
    widget.SetCollapsed(!variant.expanded);
    ::UpdateWindow(widget.window());
    PumpMessages();
    return counter;
}

const wchar_t* TypeName(SystemTaskType type) {
    switch (type) {
        case SystemTaskType::PrintScreen:
            return L"Print screen";
        case SystemTaskType::Internet:
            return L"Internet connection";
        case SystemTaskType::Power:
            return L"Session and power";
        case SystemTaskType::Application:
            break;
    }
    return L"Application";
}

constexpr SystemTaskType kTypes[] = {SystemTaskType::Application, SystemTaskType::PrintScreen,
                                     SystemTaskType::Internet, SystemTaskType::Power};

// ---- Menus ----

struct MenuShot {
    SystemTaskType type;
    const wchar_t* caption;
    int downs;  // to the item to highlight (a separator is passed over)
    bool openSubmenu;
    int downsInSubmenu;
};

// A task counter whose message map the menu capture may use.
class MenuCamera final : public bfTaskCounter {
public:
    using bfAbstractWindow::messages;
    using bfTaskCounter::bfTaskCounter;
};

Canvas TakeMenu(const MenuShot& shot) {
    testing::FakeSystemActions actions;
    MenuCamera widget(nullptr, 1, shot.type, actions.actions, kClock);
    SystemTaskRecord record = Sample(shot.type);
    std::visit([](auto& task) { task.showProgressBar = true; }, record);
    widget.SetRecord(std::move(record));
    widget.MoveTo(kScreenAt.x, kScreenAt.y);
    widget.Show(true);
    widget.ApplyRecord();
    widget.SetTransparency(shot.type == SystemTaskType::Application ? 20 : 0);
    ::SetForegroundWindow(widget.window());
    PumpMessages();
    std::optional<Canvas> scene =
        CaptureOpenMenu(widget.window(), widget.messages(), *widget.menu(), kMenuAt,
                        MenuKeys(shot.downs, shot.openSubmenu, shot.downsInSubmenu));
    return scene ? std::move(*scene) : Canvas(1, 1);
}

}  // namespace

Canvas TaskCounterPage() {
    const Variant variants[] = {
        {false, false, L"collapsed"},
        {false, true, L"collapsed, progress strip"},
        {true, false, L"expanded"},
        {true, true, L"expanded, progress strip"},
    };
    const MenuShot shots[] = {
        {SystemTaskType::Application, L"Application: Transparency open", 3, true, 7},
        {SystemTaskType::PrintScreen, L"Print screen: Repeat every open", 4, true, 1},
        {SystemTaskType::PrintScreen, L"Print screen: Execute for open", 5, true, 0},
        {SystemTaskType::PrintScreen, L"Print screen: File format open", 6, true, 0},
        {SystemTaskType::Internet, L"Internet: Connect", 4, false, 0},
        {SystemTaskType::Power, L"Session and power: Force (checked)", 4, false, 0},
    };

    // The menus first, to know the page's height.
    const int menusTop = 56 + 4 * kRowStep + 40;
    PictureRows rows(kMargin, kPageWidth - kMargin, menusTop + 32);
    for (const MenuShot& shot : shots) {
        rows.Add(TakeMenu(shot), shot.caption);
    }

    Canvas page(kPageWidth, rows.bottom() + kMargin);
    page.Text(kMargin, 14, L"Tockly widget gallery: the task counter", kHeadingFont, kHeadingColor);
    int y = 56;
    for (const SystemTaskType type : kTypes) {
        page.Text(kMargin, y, TypeName(type), kSectionFont, kHeadingColor);
        int x = kMargin;
        for (const Variant& variant : variants) {
            const auto counter = ShowCounter(type, variant);
            page.Paste(Canvas::Capture(counter->widget->window()), x, y + 26);
            page.Text(x, y + 26 + counter->widget->height() + 4, variant.caption, kCaptionFont,
                      kCaptionColor);
            x += kColumnStep;
        }
        y += kRowStep;
    }
    page.Text(kMargin, menusTop, L"Their menus, with the check marks of the task's choices",
              kSectionFont, kHeadingColor);
    rows.DrawOn(page);
    return page;
}

}  // namespace tockly::gallery
