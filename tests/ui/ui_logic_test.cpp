// The main window's navigation, command routing, placement and tray schedule, without windows.

#include <gtest/gtest.h>

#include <set>

#include "ui/main_window_layout.h"
#include "ui/navigation.h"
#include "ui/tray_menu.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using namespace menu_button;

constexpr int kPageButtons[] = {kSettings,     kInformations, kStickyNotes, kStopwatch,
                                kApplications, kPrintScreens, kInternet,    kPower,
                                kTimer,        kCounter};

int PressedPageButtons(const Navigation& navigation) {
    int pressed = 0;
    for (const int id : kPageButtons) {
        pressed += navigation.ButtonPressed(id) ? 1 : 0;
    }
    return pressed;
}

std::set<int> VisibleButtons(const Navigation& navigation) {
    std::set<int> visible;
    for (int id = kFirst; id <= kLast; ++id) {
        if (navigation.ButtonVisible(id)) {
            visible.insert(id);
        }
    }
    return visible;
}

TEST(NavigationTest, TheColumnShowsTheButtonsOfItsLevelWithSettingsInformationsAndThePin) {
    Navigation navigation;
    EXPECT_EQ(VisibleButtons(navigation), (std::set<int>{1, 2, 3, 4, 5, 6, 14}));
    navigation.Press(kTasks);
    EXPECT_EQ(VisibleButtons(navigation), (std::set<int>{1, 2, 7, 8, 9, 10, 11, 14}));
    navigation.Press(kBack);
    navigation.Press(kCounting);
    EXPECT_EQ(VisibleButtons(navigation), (std::set<int>{1, 2, 7, 12, 13, 14}));
    // A button of another level cannot be pressed while it is hidden.
    EXPECT_EQ(navigation.Press(kApplications), Navigation::Step{});
    EXPECT_TRUE(navigation.homeVisible());
}

TEST(NavigationTest, TasksThenBackKeepsTheOpenPageAndExactlyItsButtonPressed) {
    Navigation navigation;
    const Navigation::Step opened = navigation.Press(kStopwatch);
    EXPECT_EQ(opened.opened, PageKind::Stopwatch);
    EXPECT_TRUE(opened.repaintFrame);
    navigation.Press(kTasks);
    navigation.Press(kBack);
    EXPECT_EQ(navigation.openPage(), PageKind::Stopwatch);
    EXPECT_TRUE(navigation.ButtonPressed(kStopwatch));
    EXPECT_EQ(PressedPageButtons(navigation), 1);

    navigation.Press(kTasks);
    navigation.Press(kPower);
    EXPECT_EQ(navigation.openPage(), PageKind::Power);
    EXPECT_FALSE(navigation.ButtonPressed(kStopwatch));
    // Settings stays reachable inside a category and takes over.
    const Navigation::Step settings = navigation.Press(kSettings);
    EXPECT_EQ(settings.opened, PageKind::Settings);
    EXPECT_FALSE(settings.repaintFrame);
    EXPECT_EQ(navigation.level(), MenuLevel::Tasks);
    EXPECT_EQ(PressedPageButtons(navigation), 1);
    // The open page's button again changes nothing.
    EXPECT_EQ(navigation.Press(kSettings), Navigation::Step{});
}

TEST(NavigationTest, HomeResetAndTheTrayOpenPagesAtTheLevelOfTheirButtons) {
    Navigation navigation;
    navigation.Press(kInformations);
    const Navigation::Step home = navigation.Home();
    EXPECT_TRUE(home.homeShown);
    EXPECT_EQ(PressedPageButtons(navigation), 0);

    EXPECT_EQ(navigation.OpenFromTray(PageKind::Timer).opened, PageKind::Timer);
    EXPECT_EQ(navigation.level(), MenuLevel::Counting);
    EXPECT_TRUE(navigation.ButtonPressed(kTimer));
    navigation.OpenFromTray(PageKind::Internet);
    EXPECT_EQ(navigation.level(), MenuLevel::Tasks);
    EXPECT_EQ(PressedPageButtons(navigation), 1);
    navigation.OpenFromTray(PageKind::StickyNote);
    EXPECT_EQ(navigation.level(), MenuLevel::Top);

    navigation.Press(kPin);
    navigation.Press(kTasks);
    navigation.Reset();
    EXPECT_EQ(navigation.level(), MenuLevel::Top);
    EXPECT_TRUE(navigation.homeVisible());
    EXPECT_TRUE(navigation.pinned()) << "the pin is the user's; hiding does not release it";
}

TEST(NavigationTest, ThePinAndAnOpenDialogKeepTheWindowUp) {
    Navigation navigation;
    EXPECT_FALSE(navigation.keepOnTop());
    EXPECT_TRUE(navigation.Press(kPin).pinChanged);
    EXPECT_TRUE(navigation.keepOnTop());
    EXPECT_TRUE(navigation.ButtonPressed(kPin));
    navigation.Press(kPin);
    EXPECT_FALSE(navigation.keepOnTop());
    navigation.SetDialogOpen(true);
    EXPECT_TRUE(navigation.keepOnTop());
    navigation.SetDialogOpen(false);
    EXPECT_FALSE(navigation.keepOnTop());
}

TEST(CommandRouteTest, EveryTabledIdReachesItsPage) {
    const auto page = [](PageKind kind) { return CommandRoute{CommandTarget::Page, kind}; };
    EXPECT_EQ(RouteCommand(1).target, CommandTarget::Navigation);
    EXPECT_EQ(RouteCommand(14).target, CommandTarget::Navigation);
    for (const int id : {200, 202, 203, 204, 206}) {
        EXPECT_EQ(RouteCommand(id), page(PageKind::Settings)) << id;
    }
    EXPECT_EQ(RouteCommand(205).target, CommandTarget::Home);
    EXPECT_EQ(RouteCommand(207).target, CommandTarget::Retranslate);
    EXPECT_EQ(RouteCommand(402), page(PageKind::Application));
    EXPECT_EQ(RouteCommand(422), page(PageKind::Application));
    EXPECT_EQ(RouteCommand(503), page(PageKind::PrintScreen));
    EXPECT_EQ(RouteCommand(621), page(PageKind::Internet));
    EXPECT_EQ(RouteCommand(701), page(PageKind::Power));
    EXPECT_EQ(RouteCommand(913), page(PageKind::Timer));
    EXPECT_EQ(RouteCommand(1001), page(PageKind::Counter));
    EXPECT_EQ(RouteCommand(1022), page(PageKind::Counter));
    EXPECT_EQ(RouteCommand(802), page(PageKind::StickyNote));
    EXPECT_EQ(RouteCommand(1201), page(PageKind::StickyNote));
    EXPECT_EQ(RouteCommand(1104), page(PageKind::Stopwatch));
    EXPECT_EQ(RouteCommand(1202), page(PageKind::Stopwatch));
    for (std::size_t kind = 0; kind < kTaskPages.size(); ++kind) {
        EXPECT_EQ(RouteCommand(2000 + static_cast<int>(kind)), page(kTaskPages[kind]));
    }
    // A page's file dialog: the guard, also where the id sits inside a page's range (528).
    for (const int id : {423, 528, 914, 1023}) {
        EXPECT_EQ(RouteCommand(id).target, CommandTarget::DialogGuard) << id;
    }
    EXPECT_EQ(RouteCommand(20000).target, CommandTarget::Tray);
    EXPECT_EQ(RouteCommand(20019).target, CommandTarget::Tray);
    for (const int id : {0, 15, 1203, 2008, 20020}) {
        EXPECT_EQ(RouteCommand(id).target, CommandTarget::None) << id;
    }
}

TEST(CommandRouteTest, TheTrayMenuCommandsAndTheirPages) {
    EXPECT_EQ(TrayCommandOf(menu_id::kTraySettings),
              (TrayCommand{TrayAction::OpenPage, PageKind::Settings}));
    EXPECT_EQ(TrayCommandOf(menu_id::kTrayPowerManagement),
              (TrayCommand{TrayAction::OpenPage, PageKind::Power}));
    EXPECT_EQ(TrayCommandOf(menu_id::kTrayStopwatch),
              (TrayCommand{TrayAction::OpenPage, PageKind::Stopwatch}));
    EXPECT_EQ(TrayCommandOf(menu_id::kTrayQuickStopwatch).action, TrayAction::QuickStopwatch);
    EXPECT_EQ(TrayCommandOf(menu_id::kTrayExit).action, TrayAction::Exit);
    // The submenus carry no command.
    for (const int id : {20006, 20009, 20014}) {
        EXPECT_EQ(TrayCommandOf(id).action, TrayAction::None) << id;
    }
    // Every item gets a text and an icon.
    EXPECT_EQ(TrayMenuItems().size(), 20u);
    EXPECT_EQ(TrayMenuSetup().icons.size(), 20u);
}

TEST(PlacementTest, TheWindowSitsInTheBottomRightCornerOfTheWorkArea) {
    EXPECT_EQ(MainWindowPosition({0, 0, 1280, 760}), (WindowPosition{570, 502}));
    // A task bar at the top or the right: still inside the work area.
    EXPECT_EQ(MainWindowPosition({0, 40, 1280, 800}), (WindowPosition{570, 542}));
    EXPECT_EQ(MainWindowPosition({0, 0, 1220, 800}), (WindowPosition{510, 542}));
}

TEST(TrayRestoreScheduleTest, TheIconIsAddedAgainTwelveTimesInTheFirstMinuteAndNeverAfter) {
    TrayRestoreSchedule schedule;
    int adds = 0;
    int tick = 0;
    for (; tick < 20; ++tick) {
        const TrayRestoreSchedule::Tick result = schedule.OnTick();
        adds += result.addIcon ? 1 : 0;
        if (result.stopTimer) {
            break;
        }
    }
    EXPECT_EQ(adds, 12);
    EXPECT_EQ(tick, 11) << "the timer stops at the twelfth tick, 60 seconds";
    EXPECT_EQ(schedule.seconds(), 60u);
    EXPECT_FALSE(schedule.OnTick().addIcon);
}

TEST(StopwatchStartTest, TheStartingTimeSitsInTheFourthToSixthValuesWithTwoFlagsSet) {
    const StopwatchStart start = StopwatchStart::At(2, 30, 15);
    EXPECT_EQ(start.values, (std::array<std::int32_t, 7>{0, 0, 0, 2, 30, 15, 0}));
    EXPECT_EQ(start.flags, (std::array<std::uint8_t, 2>{1, 1}));
}

TEST(MenuButtonSpecTest, ButtonsStayInTheMenuColumnAndUseTheirSkinsAtLeastAsWide) {
    for (const MenuButtonSpec& spec : MenuButtonSpecs()) {
        EXPECT_LE(spec.x + spec.width, kVerticalRule.left) << spec.id;
        EXPECT_LE(spec.y + spec.height, kMainWindowHeight) << spec.id;
        const skin::PieceSkin skin = MenuSkinMetrics(spec.skin);
        EXPECT_EQ(spec.height, skin.height) << spec.id;
        EXPECT_GE(spec.width, 2 * skin.pieceWidth + 1) << spec.id;
        EXPECT_EQ(FindMenuButton(spec.id), &spec);
    }
    EXPECT_EQ(MenuIconFile(*FindMenuButton(kPin)), u"data\\bitmaps_menu\\icons\\15_pin_icon.bmp");
}

}  // namespace
}  // namespace tockly
