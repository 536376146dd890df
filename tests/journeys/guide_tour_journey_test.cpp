// The tour that the user guide's pictures come from: one task of each of the eight kinds, written
// into the store as a user would have made them, every widget on the desktop, the tray menu, the
// home page, each kind's page with its task chosen in the list, and the settings page. Each
// picture is the window alone, saved under screenshots/guide/ (scripts/journeys --guide copies
// them into docs/images). The journey checks what each picture must show before it takes it.

#include "journey.h"
#include "ui/forms/print_screen_form.h"

#include <map>

namespace tockly::journeys {
namespace {

constexpr std::int64_t kHour = 3600;

// Where each kind's widget stands: the system tasks in the top row, the personal ones below.
POINT Place(int column, int row) {
    return {20 + 235 * column, 40 + 300 * row};
}

template <typename Task>
void PlaceAt(Task& task, int column, int row) {
    const POINT at = Place(column, row);
    task.x = at.x;
    task.y = at.y;
    task.shown = true;
}

TaskStore OneOfEachKind() {
    TaskStore store;
    ApplicationTask application;
    application.title = u"Nightly backup";
    application.programPath = u"C:\\Program Files\\Backup\\backup.exe";
    application.parameters = u"/quiet /all";
    application.startIn = u"C:\\Backups";
    application.start = FromNow(-60);
    application.target = FromNow(2 * kHour);
    application.running = true;
    application.expanded = true;
    application.showProgressBar = true;
    PlaceAt(application, 0, 0);
    store.application = {application};

    PrintScreenTask printScreen;
    printScreen.title = u"Desk every ten minutes";
    printScreen.saveIn = u"C:\\users\\Public\\Pictures";  // its first shot is an hour away
    printScreen.filePrefix = u"desk";
    printScreen.formatChoice = 0;
    printScreen.repeatPeriod = {0, 0, 10, 0};
    printScreen.repeatChoice = RepeatChoiceOf(printScreen.repeatPeriod);
    printScreen.repetitionMode = 1;
    printScreen.start = FromNow(-60);
    printScreen.target = FromNow(kHour);
    printScreen.running = true;
    PlaceAt(printScreen, 1, 0);
    store.printScreen = {printScreen};

    InternetTask internet;
    internet.title = u"Office line";
    internet.entryName = u"Office";
    internet.start = FromNow(-60);
    internet.target = FromNow(kHour / 2);
    internet.running = true;
    PlaceAt(internet, 2, 0);
    store.internet = {internet};

    PowerTask power;
    power.title = u"Off for the night";
    power.action = 6;  // shut down
    power.start = FromNow(-60);
    power.target = FromNow(3 * kHour);
    power.running = true;
    power.showProgressBar = true;
    PlaceAt(power, 3, 0);
    store.power = {power};

    TimerTask timer;
    timer.title = u"Tea";
    timer.duration = {0, 0, 4, 0};
    timer.remainingSeconds = 3 * 60 + 30;
    timer.showMessageAfterEnd = true;
    timer.messageText = u"The tea is ready.";
    timer.showProgressBar = true;
    PlaceAt(timer, 0, 1);
    store.timer = {timer};

    CounterTask counter;
    counter.title = u"Holidays";
    counter.modeChoice = kCountFor;
    counter.period = {2, 0, 0, 0};
    counter.start = FromNow(-6 * kHour);
    counter.target = FromNow(42 * kHour);
    counter.running = true;
    counter.showProgressBar = true;
    PlaceAt(counter, 1, 1);
    store.counter = {counter};

    StopwatchTask stopwatch;
    stopwatch.title = u"Run";
    stopwatch.elapsed = {0, 0, 12, 41};
    stopwatch.checkpoints = {{0, 0, 4, 5}, {0, 0, 8, 20}, {0, 0, 12, 33}};
    PlaceAt(stopwatch, 2, 1);
    store.stopwatch = {stopwatch};

    StickyNoteTask note;
    note.title = u"Shopping";
    note.content = u"Milk\r\nBread\r\nApples";
    note.theme = 2;  // yellow
    note.width = 200;
    note.height = 190;
    PlaceAt(note, 3, 1);
    store.stickyNote = {note};
    return store;
}

// The visible control of the main window whose caption begins so (the long captions break).
HWND ControlStartingWith(const Tockly& tockly, const std::wstring& start) {
    HWND found = nullptr;
    testing::WaitUntil([&] {
        HWND main = MainWindowOf(tockly.id());
        if (main == nullptr) {
            return false;
        }
        for (const std::wstring& text : VisibleTexts(main)) {
            if (text.starts_with(start)) {
                found = FindVisibleControl(main, text);
                return found != nullptr;
            }
        }
        return false;
    });
    return found;
}

RECT RectOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

// A kind's page: the buttons that open it, from the level its column is at.
struct KindPage {
    const char* name;
    std::vector<std::wstring> buttons;
};

TEST(GuideTour, EveryWidgetTheTrayMenuAndEachPageAsTheGuideShowsThem) {
    ForgetEverything();
    WriteStore(OneOfEachKind());

    Person person;
    Tockly tockly;
    ASSERT_TRUE(tockly.started());
    ASSERT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id()).size() == 8; }));
    ::Sleep(1500);  // a second ticks on every counting widget

    const char* const kWidgetNames[2][4] = {
        {"widget-application", "widget-print-screen", "widget-internet", "widget-power"},
        {"widget-timer", "widget-counter", "widget-stopwatch", "widget-sticky-note"}};
    std::map<std::string, RECT> widgets;
    for (const TopWindow& widget : VisibleWidgets(tockly.id())) {
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 4; ++column) {
                const POINT at = Place(column, row);
                if (widget.rect.left == at.x && widget.rect.top == at.y) {
                    widgets[kWidgetNames[row][column]] = widget.rect;
                }
            }
        }
    }
    ASSERT_EQ(widgets.size(), 8u) << "each widget where its task says";
    for (const auto& [name, rect] : widgets) {
        EXPECT_TRUE(person.ShotOf("guide", name, rect)) << name;
    }

    ASSERT_TRUE(person.RightClickTrayIcon());
    const HWND trayMenu = tockly.OpenMenu();
    ASSERT_NE(trayMenu, nullptr) << "the tray menu opened";
    EXPECT_TRUE(person.ShotOf("guide", "tray-menu", RectOf(trayMenu)));
    ASSERT_TRUE(person.Keys("Escape"));
    ASSERT_TRUE(testing::WaitUntil([&] { return OpenMenuOf(tockly.id()) == nullptr; }));

    ASSERT_TRUE(person.ClickTrayIcon());
    const HWND mainWindow = tockly.ShownMainWindow();
    ASSERT_NE(mainWindow, nullptr);
    ASSERT_NE(tockly.Control(L"Create sticky note"), nullptr);
    EXPECT_TRUE(person.ShotOf("guide", "page-home", RectOf(mainWindow)));

    // Each kind's page, its one task chosen by a click on its row: the form then changes it.
    const std::vector<KindPage> pages = {
        {"page-application", {L"Tasks", L"Applications"}},
        {"page-print-screen", {L"Print screens"}},
        {"page-internet", {L"Internet"}},
        {"page-power", {L"User sessions"}},
        {"page-timer", {L"\x2190", L"Counting", L"Timer"}},
        {"page-counter", {L"Counter"}},
        {"page-sticky-note", {L"\x2190", L"Sticky note"}},
        {"page-stopwatch", {L"Stopwatch"}},
    };
    for (const KindPage& page : pages) {
        SCOPED_TRACE(page.name);
        for (const std::wstring& button : page.buttons) {
            if (button == L"\x2190") {
                ASSERT_TRUE(person.Click(mainWindow, 52, 117));  // the back button
                continue;
            }
            const HWND control = ControlStartingWith(tockly, button);
            ASSERT_NE(control, nullptr)
                << "no button " << std::string(button.begin(), button.end());
            ASSERT_TRUE(person.ClickCentre(control));
        }
        ASSERT_NE(tockly.Control(L"Create task"), nullptr) << "the page's form is shown";
        ASSERT_TRUE(person.Click(mainWindow, 560, 66));  // the first row's title
        EXPECT_NE(tockly.Control(L"Change task"), nullptr) << "the row's task is in the form";
        EXPECT_TRUE(person.ShotOf("guide", page.name, RectOf(mainWindow)));
    }

    ASSERT_TRUE(person.ClickCentre(tockly.Control(L"Settings")));
    ASSERT_NE(tockly.Control(L"Change language"), nullptr);
    EXPECT_TRUE(person.ShotOf("guide", "page-settings", RectOf(mainWindow)));

    ASSERT_TRUE(tockly.process().PostQuit());
    EXPECT_EQ(tockly.process().WaitForExit(), 0u);
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->application.size() + saved->printScreen.size() + saved->internet.size() +
                  saved->power.size() + saved->timer.size() + saved->counter.size() +
                  saved->stopwatch.size() + saved->stickyNote.size(),
              8u)
        << "the tour changed no task away";
}

}  // namespace
}  // namespace tockly::journeys
