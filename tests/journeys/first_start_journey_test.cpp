// A first start: the tray icon docks, its click shows the main window in the corner, the home
// page's button makes a sticky note that the user types into, moves, resizes and gives the yellow
// theme through its menu; the tray menu's Exit ends the program, and the next start shows the
// note again where it was, as large, as yellow and with the same text.

#include "journey.h"

namespace tockly::journeys {
namespace {

// What the note's text box (the rich edit inside it) holds.
std::wstring NoteText(HWND note) {
    std::wstring text;
    ::EnumChildWindows(
        note,
        [](HWND child, LPARAM data) -> BOOL {
            wchar_t name[64] = {};
            ::GetClassNameW(child, name, 64);
            if (std::wstring_view(name).find(L"RichEdit") == std::wstring_view::npos) {
                return TRUE;
            }
            // Asked of the control itself: GetWindowTextW does not ask another process's windows.
            wchar_t content[256] = {};
            DWORD_PTR copied = 0;
            ::SendMessageTimeoutW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(content),
                                  SMTO_ABORTIFHUNG, 5000, &copied);
            *reinterpret_cast<std::wstring*>(data) = content;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

std::optional<TopWindow> TheOnlyWidget(const Tockly& tockly) {
    std::vector<TopWindow> widgets;
    testing::WaitUntil([&] {
        widgets = VisibleWidgets(tockly.id());
        return widgets.size() == 1;
    });
    if (widgets.size() != 1) {
        return std::nullopt;
    }
    return widgets[0];
}

TEST(FirstStartJourney, ANoteTypedMovedResizedAndThemedIsBackAfterTheTrayMenusExit) {
    ForgetEverything();
    Person person;
    RECT noteAt{};
    {
        Tockly tockly;
        ASSERT_TRUE(tockly.started());
        ASSERT_TRUE(person.ClickTrayIcon()) << "the icon never docked";
        HWND mainWindow = tockly.ShownMainWindow();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_TRUE(testing::InTheWorkAreasBottomRightCorner(mainWindow));
        person.Shot("first-start-main-window");

        HWND create = tockly.Control(L"Create sticky note");
        ASSERT_NE(create, nullptr);
        ASSERT_TRUE(person.ClickCentre(create));
        std::optional<TopWindow> note = TheOnlyWidget(tockly);
        ASSERT_TRUE(note) << "one note is shown";

        // Typed into its text box, then resized by its bottom-right corner and moved by its title
        // band.
        ASSERT_TRUE(person.Click(note->window, 60, 80));
        ASSERT_TRUE(person.Type("Buy milk at 5"));
        ASSERT_TRUE(person.Drag(note->window, note->width() - 3, note->height() - 3, 60, 40));
        note = TheOnlyWidget(tockly);
        ASSERT_TRUE(note);
        EXPECT_EQ(note->width(), 185 + 60) << "resized by the drag";
        ASSERT_TRUE(person.Drag(note->window, note->width() - 38, 12, -200, -150));
        // Its menu, opened on the title band between the title and the buttons: Change theme
        // style is the third item, Yellow theme the third of its submenu.
        ASSERT_TRUE(person.RightClick(note->window, note->width() - 38, 12));
        ASSERT_NE(tockly.OpenMenu(), nullptr) << "the note's menu opened";
        ASSERT_TRUE(person.Keys("Down Down Down Right Down Down Return"));
        note = TheOnlyWidget(tockly);
        ASSERT_TRUE(note);
        noteAt = note->rect;
        person.Shot("first-start-note");

        // Exit is the last item of the tray menu.
        ASSERT_TRUE(person.RightClickTrayIcon());
        ASSERT_NE(tockly.OpenMenu(), nullptr) << "the tray menu opened";
        ASSERT_TRUE(person.Keys("Up Return"));
        EXPECT_EQ(tockly.process().WaitForExit(), 0u);
    }
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->stickyNote.size(), 1u);
    const StickyNoteTask& record = saved->stickyNote[0];
    EXPECT_EQ(record.content, u"Buy milk at 5");
    EXPECT_EQ(record.theme, 2) << "yellow";
    EXPECT_EQ(record.x, noteAt.left);
    EXPECT_EQ(record.y, noteAt.top);
    EXPECT_EQ(record.width, noteAt.right - noteAt.left);
    EXPECT_EQ(record.height, noteAt.bottom - noteAt.top);
    EXPECT_LT(noteAt.left, 1280 - 710 - 100) << "moved away from where it was made";

    Tockly again;
    ASSERT_TRUE(again.started());
    const std::optional<TopWindow> note = TheOnlyWidget(again);
    ASSERT_TRUE(note) << "the note is shown again";
    EXPECT_EQ(note->rect.left, noteAt.left);
    EXPECT_EQ(note->rect.top, noteAt.top);
    EXPECT_EQ(note->width(), noteAt.right - noteAt.left);
    EXPECT_EQ(note->height(), noteAt.bottom - noteAt.top);
    EXPECT_EQ(NoteText(note->window), L"Buy milk at 5");
    person.Shot("first-start-again");
    ASSERT_TRUE(again.process().PostQuit());
    EXPECT_EQ(again.process().WaitForExit(), 0u);
    const std::optional<TaskStore> resaved = SavedStore();
    ASSERT_TRUE(resaved);
    EXPECT_EQ(resaved->stickyNote, saved->stickyNote) << "the second exit saves the same note";
}

}  // namespace
}  // namespace tockly::journeys
