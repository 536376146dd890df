#pragma once
// What the main window is made of and where things go: its size, the fourteen menu buttons with
// their skins, icons and captions, the page area, and which page hears which command. Portable:
// the window (main_window.h) reads these tables.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "shell/language_keys.h"
#include "toolkit/button_skin_files.h"
#include "toolkit/skin_metrics.h"

namespace tockly {

inline constexpr int kMainWindowWidth = 710;
inline constexpr int kMainWindowHeight = 258;
// The first show fades the window to this alpha; later shows keep it.
inline constexpr std::uint8_t kMainWindowAlpha = 247;

// Where a page's task list stands: the page frame is repainted here when a task page opens.
struct AreaRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const noexcept { return right - left; }
    constexpr int height() const noexcept { return bottom - top; }
    constexpr bool Contains(int x, int y) const noexcept {
        return x >= left && x < right && y >= top && y < bottom;
    }
    bool operator==(const AreaRect&) const = default;
};
inline constexpr AreaRect kPageFrame{518, 10, 706, 254};
// The page area right of the rule between menu column and pages.
inline constexpr AreaRect kPageArea{235, 0, kMainWindowWidth, kMainWindowHeight};
// The rules drawn with "40_bkg_4.bmp": under the first row of big buttons, and between the menu
// column and the page area.
inline constexpr AreaRect kHorizontalRule{31, 88, 223, 91};
inline constexpr AreaRect kVerticalRule{231, 10, 234, 248};
inline constexpr int kLogoX = 4;
inline constexpr int kLogoY = 10;

// The home page's two gray plates: the sticky note button (a control) and the stopwatch button
// (painted by the home page itself).
inline constexpr AreaRect kStickyNotePlate{315, 70, 487, 155};
inline constexpr AreaRect kStopwatchPlate{500, 70, 672, 155};

// The menu buttons' control ids.
namespace menu_button {
inline constexpr int kSettings = 1;
inline constexpr int kInformations = 2;
inline constexpr int kTasks = 3;
inline constexpr int kStickyNotes = 4;
inline constexpr int kCounting = 5;
inline constexpr int kStopwatch = 6;
inline constexpr int kBack = 7;
inline constexpr int kApplications = 8;
inline constexpr int kPrintScreens = 9;
inline constexpr int kInternet = 10;
inline constexpr int kPower = 11;
inline constexpr int kTimer = 12;
inline constexpr int kCounter = 13;
inline constexpr int kPin = 14;
inline constexpr int kFirst = kSettings;
inline constexpr int kLast = kPin;
}  // namespace menu_button

// The skin families of data\bitmaps_menu: sets 1 to 4, the gray 172 x 85 face, and the widgets'
// modern 2 x 20 button (the pin).
enum class MenuSkin { Set1, Set2, Set3, Set4, Gray, Modern };

ButtonSkinFiles MenuSkinFiles(MenuSkin skin);
skin::PieceSkin MenuSkinMetrics(MenuSkin skin);

// How a button places its icon and caption: a big button shows the icon above the caption, a
// small one and the home page's gray plates the icon at the left with the caption beside it; the
// back and pin buttons have only the icon.
enum class MenuButtonShape { Big, Small, Plate, IconOnly };

struct MenuButtonSpec {
    int id;
    std::optional<TextId> caption;
    int x;
    int y;
    int width;
    int height;
    std::u16string_view icon;  // file under the program's folder
    MenuSkin skin;
    MenuButtonShape shape;
};

std::span<const MenuButtonSpec> MenuButtonSpecs();
const MenuButtonSpec* FindMenuButton(int id);
// The icon's file under the program's folder ("data\bitmaps_menu\icons\...").
std::u16string MenuIconFile(const MenuButtonSpec& spec);

// The big buttons' caption face and the small buttons' one.
inline constexpr std::wstring_view kBigButtonFace = L"Sans";
inline constexpr std::wstring_view kSmallButtonFace = L"Georgia";

// The pages of the page area, and where a command goes.
enum class PageKind {
    Settings,
    Information,
    Application,
    PrintScreen,
    Internet,
    Power,
    Timer,
    Counter,
    StickyNote,
    Stopwatch,
};
inline constexpr std::size_t kPageKindCount = 10;

// The eight task pages in the order of the task kinds (and of their lists, 2000 + kind).
inline constexpr std::array<PageKind, 8> kTaskPages = {
    PageKind::Application, PageKind::PrintScreen, PageKind::Internet,   PageKind::Power,
    PageKind::Timer,       PageKind::Counter,     PageKind::StickyNote, PageKind::Stopwatch};

// The five pages whose forms take a time of day, which follow the 12/24-hour convention.
bool TakesTimeOfDay(PageKind page) noexcept;

// The button that opens a page and marks it pressed while it is open.
int ButtonOfPage(PageKind page) noexcept;
std::optional<PageKind> PageOfButton(int button) noexcept;

// Commands the main window routes by LOWORD(wParam).
inline constexpr int kCommandHome = 205;
inline constexpr int kCommandRetranslate = 207;
inline constexpr int kCommandQuickStickyNote = 1201;
inline constexpr int kCommandQuickStopwatch = 1202;
inline constexpr int kFirstListNotification = 2000;

enum class CommandTarget { None, Navigation, Page, Home, Retranslate, DialogGuard, Tray };

struct CommandRoute {
    CommandTarget target = CommandTarget::None;
    PageKind page = PageKind::Settings;  // for CommandTarget::Page

    bool operator==(const CommandRoute&) const = default;
};

CommandRoute RouteCommand(int id) noexcept;

// Where the main window stands: its bottom-right corner in the work area's bottom-right corner,
// so that a task bar on any edge leaves it whole.
struct WindowPosition {
    int x = 0;
    int y = 0;
    bool operator==(const WindowPosition&) const = default;
};
WindowPosition MainWindowPosition(const AreaRect& workArea) noexcept;

// The tray icon is added again every 5 seconds during the first minute: a notification area that
// starts after the program (at log-on) would not show it otherwise.
class TrayRestoreSchedule {
public:
    static constexpr unsigned kTimerId = 50000;
    static constexpr unsigned kIntervalMs = 5000;
    static constexpr unsigned kStepSeconds = 5;
    static constexpr unsigned kLastSecond = 60;

    struct Tick {
        bool addIcon = false;
        bool stopTimer = false;
        bool operator==(const Tick&) const = default;
    };
    // One tick of the timer.
    Tick OnTick() noexcept;
    unsigned seconds() const noexcept { return seconds_; }

private:
    unsigned seconds_ = 0;
};

// What command 1202 carries: seven 32-bit values (the fourth, fifth and sixth are the starting
// hours, minutes and seconds), then two bytes both 1. The sender owns it; the stopwatch page
// copies what it needs while the command is handled.
struct StopwatchStart {
    std::array<std::int32_t, 7> values{};
    std::array<std::uint8_t, 2> flags{1, 1};

    static StopwatchStart At(std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
        StopwatchStart start;
        start.values[3] = hours;
        start.values[4] = minutes;
        start.values[5] = seconds;
        return start;
    }
    std::int32_t hours() const noexcept { return values[3]; }
    std::int32_t minutes() const noexcept { return values[4]; }
    std::int32_t seconds() const noexcept { return values[5]; }
    bool operator==(const StopwatchStart&) const = default;
};

}  // namespace tockly
