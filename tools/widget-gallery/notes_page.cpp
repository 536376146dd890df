// The sticky note in its three themes and the stopwatch in its states, with their menus open.

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gallery_pages.h"
#include "menu_capture.h"
#include "support/fake_file_dialogs.h"
#include "widgets/sticky_note.h"
#include "widgets/stopwatch.h"

namespace tockly::gallery {
namespace {

constexpr int kPageWidth = 1180;
constexpr int kMargin = 24;
constexpr int kCaptionHeight = 20;
// Where a widget stands on the screen while it is captured.
constexpr POINT kScreenAt{60, 60};

const std::u16string kShopping =
    u"Milk, eggs, butter\r\nCall Anna at five\r\nWater the plants\r\nBook the train to "
    u"Lyon\r\nSend the quarterly report\r\nPay the rent\r\nFix the bike's back light\r\n"
    u"Birthday card for Tom\r\nReturn the library books\r\nDentist on Thursday\r\n"
    u"Renew the passport\r\nPlan the weekend\r\nBuy a present for Mia\r\nClean the "
    u"windows\r\nCall the plumber";

void Settle(HWND window) {
    ::UpdateWindow(window);
    PumpMessages();
}

// A note as its creator leaves it, at the gallery's place on the screen.
std::unique_ptr<bfStickyNote> ShowNote(int theme, int width, int height, const char16_t* title,
                                       const std::u16string& content) {
    auto note = std::make_unique<bfStickyNote>(nullptr, 1);
    StickyNoteTask record;
    record.title = title;
    record.content = content;
    record.theme = theme;
    record.x = kScreenAt.x;
    record.y = kScreenAt.y;
    record.width = width;
    record.height = height;
    note->ApplyRecord(record);
    note->Show(true);
    Settle(note->window());
    return note;
}

struct Watches {
    ManualMonotonicClock clock;
    testing::FakeFileDialogs dialogs;
};

std::unique_ptr<bfStopwatch> ShowStopwatch(Watches& world, const StopwatchTask& record,
                                           bool running) {
    auto watch =
        std::make_unique<bfStopwatch>(nullptr, 1, StopwatchWorld{world.clock, world.dialogs});
    StopwatchTask placed = record;
    placed.x = kScreenAt.x;
    placed.y = kScreenAt.y;
    watch->ApplyRecord(placed);
    watch->Show(true);
    watch->SetRunning(running);
    Settle(watch->window());
    return watch;
}

// A window of the gallery's own that owns a widget's menu while it is open: the menu asks it to
// measure and draw the items, and tells it when it is idle, which is when the keys go in and the
// picture is taken.
class MenuOwner {
public:
    MenuOwner() {
        static const ATOM atom = [] {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.lpfnWndProc = &MenuOwner::Procedure;
            windowClass.hInstance = ::GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"TocklyGalleryMenuOwner";
            return ::RegisterClassExW(&windowClass);
        }();
        window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, MAKEINTATOM(atom), L"", WS_POPUP, 0, 0, 1, 1,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    }
    ~MenuOwner() { ::DestroyWindow(window_); }
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;

    // Opens `widget`'s menu beside it, presses `keys` and captures the widget with the open menus.
    Canvas Open(const bfAbstractWidget& widget, const std::vector<WORD>& keys) {
        menu_ = widget.menu();
        widget_ = widget.window();
        keys_ = keys;
        idles_ = 0;
        scene_.reset();
        ::SetForegroundWindow(window_);
        RECT rect{};
        ::GetWindowRect(widget_, &rect);
        if (menu_ != nullptr) {
            menu_->Show(window_, rect.left + 90, rect.top + 16);
        }
        PumpMessages();
        return scene_ ? std::move(*scene_) : Canvas(1, 1);
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(
                                    reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<MenuOwner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && self->menu_ != nullptr && wParam == 0) {
            if (message == WM_MEASUREITEM &&
                self->menu_->Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            if (message == WM_DRAWITEM &&
                self->menu_->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
        }
        if (self != nullptr && message == WM_ENTERIDLE && wParam == MSGF_MENU) {
            self->Idle();
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    void Idle() {
        ++idles_;
        if (idles_ == 1 && !keys_.empty()) {
            PressMenuKeys(keys_);
            return;
        }
        if (!scene_) {
            scene_.emplace(CaptureWithOpenMenus(widget_));
        }
        ::EndMenu();
    }

    HWND window_ = nullptr;
    const OwnerDrawnMenu* menu_ = nullptr;
    HWND widget_ = nullptr;
    std::vector<WORD> keys_;
    int idles_ = 0;
    std::optional<Canvas> scene_;
};

// Pictures laid out in rows under their captions.
class Sheet {
public:
    void Section(const wchar_t* title) {
        NewRow();
        y_ += rowHeight_ > 0 ? 12 : 0;
        sections_.push_back({title, y_});
        y_ += 30;
        rowHeight_ = 0;
    }
    void Add(Canvas picture, const wchar_t* caption) {
        if (x_ + picture.width() > kPageWidth - kMargin && x_ > kMargin) {
            NewRow();
        }
        const int width = picture.width();
        rowHeight_ = std::max(rowHeight_, picture.height() + kCaptionHeight);
        placed_.push_back({std::move(picture), caption, x_, y_});
        x_ += std::max(width, 200) + 28;
    }
    Canvas Compose(const wchar_t* heading) {
        NewRow();
        Canvas page(kPageWidth, y_ + kMargin);
        page.Text(kMargin, 14, heading, kHeadingFont, kHeadingColor);
        for (const auto& [title, y] : sections_) {
            page.Text(kMargin, y, title, kSectionFont, kHeadingColor);
        }
        for (const Placed& shot : placed_) {
            page.Text(shot.x, shot.y, shot.caption, kCaptionFont, kCaptionColor);
            page.Paste(shot.picture, shot.x, shot.y + kCaptionHeight);
        }
        return page;
    }

private:
    struct Placed {
        Canvas picture;
        const wchar_t* caption;
        int x;
        int y;
    };
    void NewRow() {
        if (rowHeight_ > 0) {
            y_ += rowHeight_ + 16;
        }
        x_ = kMargin;
        rowHeight_ = 0;
    }

    std::vector<Placed> placed_;
    std::vector<std::pair<const wchar_t*, int>> sections_;
    int x_ = kMargin;
    int y_ = 56;
    int rowHeight_ = 0;
};

StopwatchTask Laps(int count) {
    StopwatchTask record;
    record.title = u"Morning run";
    for (int i = 1; i <= count; ++i) {
        record.checkpoints.push_back(StopwatchTime(i * 287 + i * i * 3));
    }
    record.elapsed = count > 0 ? record.checkpoints.back() : Duration{};
    return record;
}

}  // namespace

Canvas NotesPage() {
    Sheet sheet;
    sheet.Section(L"Sticky notes: the three themes, a long content with its scroll bar");
    const struct {
        int theme;
        const wchar_t* caption;
        int scrollTo;
    } themes[] = {
        {0, L"dark theme", 0}, {1, L"light theme, scrolled down", 6}, {2, L"yellow theme", 0}};
    for (const auto& theme : themes) {
        const auto note = ShowNote(theme.theme, 230, 200, u"Shopping & errands", kShopping);
        note->content().ScrollToLine(theme.scrollTo);
        Settle(note->window());
        sheet.Add(Canvas::Capture(note->window()), theme.caption);
    }
    {
        const auto smallest =
            ShowNote(2, kStickyNoteMinWidth, kStickyNoteMinHeight, u"Ideas", u"Short and sweet");
        sheet.Add(Canvas::Capture(smallest->window()), L"the smallest size, short content");
    }

    sheet.Section(L"Stopwatch: stopped, running, and with its list of checkpoints");
    Watches world;
    {
        StopwatchTask record;
        record.title = u"Tea";
        record.listCollapsed = true;
        const auto watch = ShowStopwatch(world, record, false);
        sheet.Add(Canvas::Capture(watch->window()), L"stopped at zero");
    }
    {
        StopwatchTask record = Laps(0);
        record.elapsed = {0, 0, 12, 37};
        record.listCollapsed = true;
        const auto watch = ShowStopwatch(world, record, true);
        sheet.Add(Canvas::Capture(watch->window()), L"running (the pause button)");
        watch->SetRunning(false);
    }
    {
        StopwatchTask record = Laps(6);
        record.listCollapsed = false;
        const auto watch = ShowStopwatch(world, record, false);
        sheet.Add(Canvas::Capture(watch->window()), L"list open, newest first");
    }
    {
        StopwatchTask record = Laps(6);
        record.listCollapsed = false;
        const auto watch = ShowStopwatch(world, record, false);
        for (int i = 0; i < 4; ++i) {
            ::SendMessageW(watch->window(), WM_COMMAND, MAKEWPARAM(bfStopwatch::kDownButtonId, 0),
                           reinterpret_cast<LPARAM>(&watch->button(bfStopwatch::kDownButtonId)));
        }
        Settle(watch->window());
        sheet.Add(Canvas::Capture(watch->window()), L"list down to the oldest");
    }

    sheet.Section(L"Their menus");
    MenuOwner owner;
    for (const int theme : {0, 2}) {
        const auto note = ShowNote(theme, 210, 180, u"Groceries", kShopping);
        // Down to "Change theme style" and into it.
        sheet.Add(owner.Open(*note, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}),
                  theme == 0 ? L"sticky note: Change theme style (dark)"
                             : L"sticky note: Change theme style (yellow)");
    }
    {
        StopwatchTask record = Laps(3);
        const auto watch = ShowStopwatch(world, record, false);
        watch->SetAlwaysOnTop(true);
        watch->SetTransparency(20);
        sheet.Add(owner.Open(*watch, {VK_DOWN, VK_DOWN, VK_DOWN}), L"stopwatch");
    }
    return sheet.Compose(L"Tockly widget gallery: sticky notes and stopwatch");
}

}  // namespace tockly::gallery
