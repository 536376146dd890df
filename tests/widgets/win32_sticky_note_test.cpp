// The sticky note with real windows, messages and input: the user's writing reaches the record
// exactly (every script, line breaks, texts far beyond a rich edit's default limit, typed with real
// keys), themes recolour without touching it, each of the eight zones resizes by a real mouse drag
// and stops at the smallest size, the title band moves the note, the scroll bar follows the
// content, and the owner hears what it must. A hundred notes give back every GDI and USER object.

#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/win32_test_paths.h"
#include "toolkit/gdi_census.h"
#include "toolkit/real_input.h"
#include "toolkit/test_parent.h"
#include "widgets/menu_ids.h"
#include "widgets/owner_notice_log.h"
#include "widgets/sticky_note.h"

namespace tockly {
namespace {

using testing::Notice;
using testing::Notices;
using testing::TestParent;

constexpr WORD kNoteId = 7;

// Text in many scripts, with line breaks: Latin with accents, Greek, Cyrillic, Hebrew and Arabic
// (right to left), Devanagari and Thai (combining marks), Chinese, Japanese, Korean, emoji outside
// the basic plane (surrogate pairs, a joined family), and a combining accent on its own letter.
const std::u16string kEveryScript =
    u"Déjà vu, naïve café — ¿qué?\r\n"
    u"Ελληνικά: καλημέρα\r\n"
    u"Русский: съешь же ещё этих булок\r\n"
    u"עברית: שלום עולם\r\n"
    u"العربية: مرحبا بالعالم\r\n"
    u"हिन्दी: नमस्ते दुनिया\r\n"
    u"ไทย: สวัสดีชาวโลก\r\n"
    u"中文：你好，世界。日本語：こんにちは。한국어: 안녕하세요\r\n"
    u"Emoji: 🍵 🎉 👨‍👩‍👧 𝄞 𠀋\r\n"
    u"e\u0301 a\u030A\r\n"
    u"\r\n"
    u"last line after an empty one";

std::u16string LongContent(std::size_t units) {
    std::u16string text;
    for (int line = 1; text.size() < units; ++line) {
        text += u"Line " + std::u16string(1, static_cast<char16_t>(u'A' + line % 26)) + u": " +
                kEveryScript.substr(0, 60) + u"\r\n";
    }
    text.resize(units);
    if (text.back() == u'\r' || (text.back() >= 0xD800 && text.back() <= 0xDBFF)) {
        text.back() = u'.';  // no half line break or half surrogate pair at the end
    }
    return text;
}

StickyNoteTask SampleRecord() {
    StickyNoteTask record;
    record.title = u"Groceries 🛒";
    record.content = kEveryScript;
    record.theme = 1;
    record.shown = true;
    record.alwaysOnTop = true;
    record.x = 320;
    record.y = 140;
    record.width = 260;
    record.height = 240;
    record.transparency = 20;
    return record;
}

const Notice kChanged = testing::ChangedNotice(kNoteId);
Notice Event(int code) {
    return testing::EventNotice(WidgetFamily::StickyNote, kNoteId, code);
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

// Types text as a keyboard does for characters it has no key for: each UTF-16 unit as a unicode
// key stroke, which the message loop turns into WM_CHAR.
bool TypeText(std::u16string_view text) {
    std::vector<INPUT> inputs;
    for (const char16_t unit : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = unit;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return testing::DeliverInput();
}

class StickyNoteTest : public ::testing::Test {
protected:
    void SetUp() override { SetSkinFileFolder(testing::BinaryFolder()); }

    std::unique_ptr<bfStickyNote> Make(const StickyNoteTask& record = SampleRecord()) {
        auto note = std::make_unique<bfStickyNote>(owner.window(), kNoteId);
        note->ApplyRecord(record);
        note->Show(true);
        note->SetTransparency(record.transparency);
        note->SetReportChanges(true);
        ::SetForegroundWindow(note->window());
        testing::HandleQueuedMessages();
        owner.Clear();
        return note;
    }

    TestParent owner{200, 100};
};

TEST_F(StickyNoteTest, IsMadeAtItsSmallestSizeWithItsMenuAndDarkTheme) {
    bfStickyNote note(owner.window(), kNoteId);
    RECT client{};
    ::GetClientRect(note.window(), &client);
    EXPECT_EQ(client.right, 185);
    EXPECT_EQ(client.bottom, 175);
    ASSERT_NE(note.menu(), nullptr);
    EXPECT_TRUE(note.menu()->IsChecked(menu_id::kDarkTheme));
    EXPECT_FALSE(note.menu()->IsChecked(menu_id::kLightTheme));
    EXPECT_EQ(note.theme(), 0);
    EXPECT_EQ(note.content().textColor(), RGB(255, 255, 255));
    EXPECT_EQ(note.content().backgroundColor(), RGB(41, 41, 41));
    EXPECT_EQ(note.scrollBar().barWidth(), 13);
    EXPECT_FALSE(note.running());
    // The smallest size a record may ask for is the note's smallest.
    StickyNoteTask tiny = SampleRecord();
    tiny.width = 20;
    tiny.height = -5;
    note.ApplyRecord(tiny);
    EXPECT_EQ(note.width(), 185);
    EXPECT_EQ(note.height(), 175);
}

TEST_F(StickyNoteTest, TheRecordComesBackExactlyWithTheWritingOfEveryScript) {
    const auto note = Make();
    EXPECT_EQ(note->Record(), SampleRecord());
    EXPECT_TRUE(note->menu()->IsChecked(menu_id::kLightTheme));
    // A content from elsewhere keeps every line break, and what a note saves comes back the same.
    const std::pair<std::u16string, std::u16string> foreign[] = {
        {u"a\nb\rc", u"a\r\nb\r\nc"},
        {u"two\r\r\nbreaks", u"two\r\n\r\nbreaks"},
        {std::u16string(u"after\0nul", 9), u"after\uFFFDnul"},
    };
    for (const auto& [stored, kept] : foreign) {
        StickyNoteTask record = SampleRecord();
        record.content = stored;
        note->ApplyRecord(record);
        EXPECT_EQ(note->Record().content, kept);
        record.content = kept;
        note->ApplyRecord(record);
        EXPECT_EQ(note->Record().content, kept);
    }
    // A note of another theme than there are: dark.
    StickyNoteTask odd = SampleRecord();
    odd.theme = 7;
    note->ApplyRecord(odd);
    EXPECT_EQ(note->Record().theme, 0);
}

TEST_F(StickyNoteTest, ALongContentIsKeptWholeAndSoIsTypingAtItsEnd) {
    // Far beyond the 32,767 units a rich edit takes by default.
    StickyNoteTask record = SampleRecord();
    record.content = LongContent(200'000);
    const auto note = Make(record);
    // What the user may type: on Windows a rich edit refuses keys past its limit (Wine's does
    // not), so the limit must allow every text a note may hold.
    const auto limit =
        static_cast<std::size_t>(::SendMessageW(note->content().richEdit(), EM_GETLIMITTEXT, 0, 0));
    EXPECT_GE(limit, bfStickyNote::kMostContentUnits);
    EXPECT_GT(limit, record.content.size());
    EXPECT_EQ(note->Record().content.size(), record.content.size());
    EXPECT_EQ(note->Record().content, record.content);

    // Typed at the end with real keys.
    ASSERT_TRUE(testing::ClickAt(note->content().window(), 20, 20));
    ASSERT_TRUE(testing::TypeKey(VK_END, {VK_CONTROL}));
    ASSERT_TRUE(TypeText(u"!"));
    EXPECT_EQ(note->Record().content, record.content + u"!");
}

TEST_F(StickyNoteTest, TypingWithRealKeysReachesTheRecordExactlyBeforeTheEditEnds) {
    StickyNoteTask record = SampleRecord();
    record.content.clear();
    const auto note = Make(record);
    ASSERT_TRUE(testing::ClickAt(note->content().window(), 30, 20));
    ASSERT_TRUE(testing::TypeKeys({'T', 'E', 'A'}));
    ASSERT_TRUE(testing::TypeKey(VK_RETURN));
    ASSERT_TRUE(TypeText(u"Чай 茶 🍵 שלום"));
    ASSERT_TRUE(testing::TypeKey(VK_RETURN));
    ASSERT_TRUE(testing::TypeKey(VK_RETURN));
    ASSERT_TRUE(TypeText(u"e\u0301nd"));
    const std::u16string typed = u"tea\r\nЧай 茶 🍵 שלום\r\n\r\ne\u0301nd";
    EXPECT_EQ(note->Record().content, typed);
    // The record holds it while the box still has the keyboard (no edit ended yet) ...
    EXPECT_TRUE(note->content().editFocused());
    EXPECT_TRUE(owner.commands.empty());
    // ... and the end of the edit asks for a save that finds it.
    std::u16string saved;
    owner.onCommand = [&](const testing::CommandRecord& command) {
        if (command.lParam == kSettingsChanged) {
            saved = note->Record().content;
        }
    };
    ASSERT_TRUE(testing::ClickAt(note->window(), 100, 10));  // the title band
    ASSERT_TRUE(testing::PumpUntil([&] { return !saved.empty(); }));
    EXPECT_EQ(saved, typed);
}

TEST_F(StickyNoteTest, ThemeChangesRecolourWithoutTouchingTheContentOrWhereItIsScrolled) {
    StickyNoteTask record = SampleRecord();
    record.content = LongContent(3000);
    const auto note = Make(record);
    note->content().ScrollToLine(12);
    testing::HandleQueuedMessages();
    const TextBoxScroll scrolled = note->content().scrollState();
    ASSERT_GT(scrolled.firstVisible, 5);

    struct Look {
        int command;
        COLORREF text;
        COLORREF background;
    };
    const Look looks[] = {{menu_id::kYellowTheme, RGB(0, 0, 0), RGB(253, 253, 196)},
                          {menu_id::kDarkTheme, RGB(255, 255, 255), RGB(41, 41, 41)},
                          {menu_id::kLightTheme, RGB(0, 0, 0), RGB(235, 235, 235)},
                          {menu_id::kLightTheme, RGB(0, 0, 0), RGB(235, 235, 235)}};
    for (const Look& look : looks) {
        owner.Clear();
        ::SendMessageW(note->window(), WM_COMMAND, MAKEWPARAM(look.command, 0), 0);
        testing::HandleQueuedMessages();
        EXPECT_EQ(note->theme(), look.command - menu_id::kDarkTheme);
        for (int item = menu_id::kDarkTheme; item <= menu_id::kYellowTheme; ++item) {
            EXPECT_EQ(note->menu()->IsChecked(item), item == look.command) << item;
        }
        EXPECT_EQ(note->content().textColor(), look.text);
        EXPECT_EQ(note->content().backgroundColor(), look.background);
        EXPECT_EQ(note->title().textColor(), look.text);
        EXPECT_EQ(note->Record().content, record.content);
        EXPECT_EQ(note->content().scrollState(), scrolled);
        EXPECT_EQ(note->scrollBar().position(), scrolled.firstVisible);
        EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
    }
    // What the rich edit draws: the text in the theme's colour on its background.
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    ::SendMessageW(note->content().richEdit(), EM_GETCHARFORMAT, SCF_ALL,
                   reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.crTextColor, RGB(0, 0, 0));
}

TEST_F(StickyNoteTest, TheScrollBarFollowsTheContentAndMovesIt) {
    StickyNoteTask record = SampleRecord();
    record.content = u"A short note";
    const auto note = Make(record);
    testing::HandleQueuedMessages();
    // Nothing hidden: the bar has nowhere to go.
    EXPECT_LE(note->scrollBar().model().content(), note->scrollBar().model().page());
    EXPECT_EQ(note->scrollBar().position(), 0);

    record.content = LongContent(2000);
    note->ApplyRecord(record);
    testing::HandleQueuedMessages();
    const TextBoxScroll state = note->content().scrollState();
    EXPECT_EQ(note->scrollBar().model().content(), state.lines);
    EXPECT_EQ(note->scrollBar().model().page(), state.visibleLines);
    // The bar moves the content ...
    note->scrollBar().SetPosition(8);
    ::SendMessageW(note->window(), WM_COMMAND, MAKEWPARAM(bfStickyNote::kScrollBarId, 8),
                   reinterpret_cast<LPARAM>(&note->scrollBar()));
    testing::HandleQueuedMessages();
    EXPECT_EQ(note->content().scrollState().firstVisible, 8);
    // ... and the note's scroll command moves both.
    ::SendMessageW(note->window(), WM_COMMAND, bfStickyNote::kScrollContentCommand, -3);
    testing::HandleQueuedMessages();
    EXPECT_EQ(note->content().scrollState().firstVisible, 5);
    EXPECT_EQ(note->scrollBar().position(), 5);
    // A real wheel turn over the content scrolls it, and the bar follows.
    ASSERT_TRUE(testing::TurnWheelAt(note->content().window(), 40, 40, -WHEEL_DELTA));
    ASSERT_TRUE(testing::PumpUntil([&] { return note->content().scrollState().firstVisible > 5; }));
    testing::HandleQueuedMessages();
    EXPECT_EQ(note->scrollBar().position(), note->content().scrollState().firstVisible);
}

// A point of each zone of a note at its record's size (260 x 240) and where the pointer goes.
struct Drag {
    NoteZone zone;
    int x;
    int y;
};

const Drag kDrags[] = {
    {NoteZone::Left, 1, 120},          {NoteZone::Right, 258, 120},
    {NoteZone::Top, 100, 1},  // over the title's top rows: the title hands the press on
    {NoteZone::Top, 222, 1},  // between the title and the buttons
    {NoteZone::Bottom, 130, 238},      {NoteZone::TopLeft, 1, 1},
    {NoteZone::TopRight, 258, 2},      {NoteZone::BottomLeft, 2, 238},
    {NoteZone::BottomRight, 259, 239},
};

class StickyNoteDrag : public StickyNoteTest {
protected:
    // Presses at (x, y) of the note, moves the pointer by (dx, dy) in steps and lets go; the
    // window's rectangle then.
    NoteRect DragBy(bfStickyNote& note, int x, int y, int dx, int dy) {
        POINT start{x, y};
        ::ClientToScreen(note.window(), &start);
        EXPECT_TRUE(testing::PointAt(note.window(), x, y));
        EXPECT_TRUE(testing::MouseButton(MOUSEEVENTF_LEFTDOWN));
        for (int step = 1; step <= 4; ++step) {
            ::SetCursorPos(start.x + dx * step / 4, start.y + dy * step / 4);
            EXPECT_TRUE(testing::DeliverInput());
        }
        EXPECT_TRUE(testing::MouseButton(MOUSEEVENTF_LEFTUP));
        const RECT rect = WindowRect(note.window());
        return {rect.left, rect.top, rect.right, rect.bottom};
    }
};

TEST_F(StickyNoteDrag, EveryZoneResizesByARealDragAndStopsAtTheSmallestSize) {
    for (const Drag& drag : kDrags) {
        for (const int inward : {40, 400}) {  // one within the smallest size, one far past it
            const auto note = Make();
            const RECT before = WindowRect(note->window());
            const NoteRect start{before.left, before.top, before.right, before.bottom};
            // Inward: towards the middle on each side the zone moves.
            const int dx = drag.x < 130 ? inward : -inward;
            const int dy = drag.y < 120 ? inward : -inward;
            const NoteRect got = DragBy(*note, drag.x, drag.y, dx, dy);
            const NoteRect wanted = ResizeNote(drag.zone, start, dx, dy);
            EXPECT_EQ(got, wanted) << static_cast<int>(drag.zone) << " at " << drag.x << ","
                                   << drag.y << " by " << inward;
            EXPECT_GE(got.width(), 185);
            EXPECT_GE(got.height(), 175);
            EXPECT_EQ(note->width(), got.width());
            EXPECT_EQ(note->height(), got.height());
            EXPECT_EQ(note->x(), got.left);
            EXPECT_EQ(note->y(), got.top);
            EXPECT_EQ(note->resizing(), NoteZone::None);
            // Resized to its smallest, the note keeps all its writing, and says it changed.
            EXPECT_EQ(note->Record().content, kEveryScript);
            EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
            if (inward == 400) {
                EXPECT_TRUE(got.width() == 185 || got.width() == start.width());
                EXPECT_TRUE(got.height() == 175 || got.height() == start.height());
                // The sides the drag did not move stayed where they were.
                EXPECT_EQ(got.right == start.right, drag.x < 130 || drag.zone == NoteZone::Top ||
                                                        drag.zone == NoteZone::Bottom);
            }
            // And it grows back by a drag outward.
            owner.Clear();
            const NoteRect regrown = DragBy(*note, drag.x < 130 ? drag.x : note->width() - 2,
                                            drag.y < 120 ? drag.y : note->height() - 2, -dx, -dy);
            EXPECT_GE(regrown.width(), got.width());
            EXPECT_GE(regrown.height(), got.height());
        }
    }
}

TEST_F(StickyNoteDrag, TheTitleBandMovesTheNoteAndTheBodyDoesNothing) {
    const auto note = Make();
    const RECT before = WindowRect(note->window());
    const NoteRect moved = DragBy(*note, 205, 12, 60, 45);  // the band beside the title
    EXPECT_EQ(moved.left, before.left + 60);
    EXPECT_EQ(moved.top, before.top + 45);
    EXPECT_EQ(moved.width(), before.right - before.left);
    EXPECT_EQ(note->x(), moved.left);
    EXPECT_EQ(Notices(owner), std::vector<Notice>{kChanged});
    owner.Clear();
    // The title itself moves it too.
    const NoteRect again = DragBy(*note, 60, 12, -30, 10);
    EXPECT_EQ(again.left, moved.left - 30);
    EXPECT_EQ(again.top, moved.top + 10);
    owner.Clear();
    // The gap between the band and the content is body: nothing moves, nobody is told.
    const NoteRect still = DragBy(*note, 100, 25, 50, 50);
    EXPECT_EQ(still, again);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(StickyNoteTest, TheButtonsTitleAndContentTellTheOwnerWhatItMustKnow) {
    const auto note = Make();
    // Plus: a new note beside this one.
    const bfButton& plus = note->plusButton();
    ASSERT_TRUE(testing::ClickAt(plus.window(), plus.width() / 2, plus.height() / 2));
    EXPECT_EQ(Notices(owner), std::vector<Notice>{Event(bfStickyNote::kNewNoteEvent)});

    // The title, made editable by a double click and typed into.
    owner.Clear();
    const HWND title = note->title().window();
    ASSERT_TRUE(testing::ClickAt(title, 20, 10));
    ASSERT_TRUE(testing::ClickAt(title, 20, 10));
    owner.Clear();  // a click on the title is a move of the note by nothing, which it reports
    ASSERT_TRUE(testing::TypeKey(VK_END));
    ASSERT_TRUE(TypeText(u"!"));
    EXPECT_EQ(note->Record().title, u"Groceries 🛒!");
    EXPECT_EQ(Notices(owner),
              (std::vector<Notice>{Event(bfStickyNote::kTitleEditedEvent), kChanged}));
    // While changes are not reported, a title edit tells nothing.
    owner.Clear();
    note->SetReportChanges(false);
    ASSERT_TRUE(TypeText(u"?"));
    EXPECT_EQ(note->Record().title, u"Groceries 🛒!?");
    EXPECT_TRUE(owner.commands.empty());
    note->SetReportChanges(true);

    // The hide button.
    const bfButton& hide = note->hideButton();
    ASSERT_TRUE(testing::ClickAt(hide.window(), hide.width() / 2, hide.height() / 2));
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{Event(widget_event::kHidden), kChanged}));
    EXPECT_FALSE(::IsWindowVisible(note->window()));
    EXPECT_FALSE(note->Record().shown);

    // Menu commands: remove, always on top and transparency, the layout command.
    owner.Clear();
    for (const int command :
         {menu_id::kRemove, menu_id::kAlwaysOnTop, TOCKLY_MENU_TRANSPARENCY_50,
          int{bfStickyNote::kLayoutCommand}, int{bfStickyNote::kContentEditEndedCommand}}) {
        ::SendMessageW(note->window(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
    EXPECT_EQ(Notices(owner), (std::vector<Notice>{Event(widget_event::kRemoveRequest), kChanged,
                                                   kChanged, kChanged}));
    EXPECT_FALSE(note->Record().alwaysOnTop);
    EXPECT_EQ(note->Record().transparency, 50);
}

TEST_F(StickyNoteTest, TheMenuTakesTheLanguageTexts) {
    const auto note = Make();
    note->SetTexts({u"Immer oben", u"Transparenz", u"Design ändern", u"Dunkel", u"Hell", u"Gelb",
                    u"Verbergen", u"Entfernen"});
    OwnerDrawnMenu& menu = *note->menu();
    EXPECT_EQ(menu.ItemText(MenuPlace::Command(menu_id::kAlwaysOnTop)), u"Immer oben");
    EXPECT_EQ(menu.ItemText(MenuPlace::Position({1})), u"Transparenz");
    EXPECT_EQ(menu.ItemText(MenuPlace::Position({3})), u"Design ändern");
    EXPECT_EQ(menu.ItemText(MenuPlace::Command(menu_id::kDarkTheme)), u"Dunkel");
    EXPECT_EQ(menu.ItemText(MenuPlace::Command(menu_id::kLightTheme)), u"Hell");
    EXPECT_EQ(menu.ItemText(MenuPlace::Command(menu_id::kYellowTheme)), u"Gelb");
    EXPECT_EQ(menu.ItemText(MenuPlace::Command(menu_id::kHide)), u"Verbergen");
    EXPECT_EQ(menu.ItemText(MenuPlace::Command(menu_id::kRemove)), u"Entfernen");
}

TEST_F(StickyNoteTest, AHundredNotesGiveBackEveryGdiAndUserObject) {
    const auto hundred = [this] {
        std::vector<std::unique_ptr<bfStickyNote>> notes;
        for (int i = 0; i < 100; ++i) {
            StickyNoteTask record = SampleRecord();
            record.content = u"Call Anna\r\nBook the train";
            record.theme = i % 3;
            record.x = 300 + i % 10 * 20;
            notes.push_back(std::make_unique<bfStickyNote>(owner.window(), static_cast<WORD>(i)));
            notes.back()->ApplyRecord(record);
            notes.back()->Show(true);
        }
        testing::HandleQueuedMessages();
        for (auto& note : notes) {
            note->SetTheme((note->theme() + 1) % 3);
            ::UpdateWindow(note->window());
        }
        return notes;
    };
    hundred();  // what the platform keeps once made is made now
    testing::HandleQueuedMessages();
    const testing::CensusCounts before = testing::GdiCensus::Now();
    {
        const auto notes = hundred();
        EXPECT_GE(testing::GdiCensus::Now().windows, before.windows + 100 * 6);
    }
    testing::HandleQueuedMessages();
    EXPECT_EQ(testing::GdiCensus::Now(), before);
}

}  // namespace
}  // namespace tockly
