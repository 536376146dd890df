// A sticky note's content as its text box is given it: every line break as CR LF, no NUL.

#include <gtest/gtest.h>

#include <string>

#include "widgets/note_text.h"

namespace tockly {
namespace {

TEST(NoteBoxText, EveryLineBreakBecomesCrLfAndStaysOneLineBreak) {
    EXPECT_EQ(NoteBoxText(u"a\r\nb"), u"a\r\nb");
    EXPECT_EQ(NoteBoxText(u"a\nb"), u"a\r\nb");
    EXPECT_EQ(NoteBoxText(u"a\rb"), u"a\r\nb");
    // CR CR LF is two line breaks, not the rich edit's soft break.
    EXPECT_EQ(NoteBoxText(u"a\r\r\nb"), u"a\r\n\r\nb");
    EXPECT_EQ(NoteBoxText(u"a\n\rb"), u"a\r\n\r\nb");
    EXPECT_EQ(NoteBoxText(u"\r\n\r\n"), u"\r\n\r\n");
    EXPECT_EQ(NoteBoxText(u"end\r"), u"end\r\n");
    EXPECT_EQ(NoteBoxText(u""), u"");
    // What the box gives back is given to it unchanged.
    const std::u16string written = u"Tea \U0001F375\r\n\r\n\u05E9\u05DC\u05D5\u05DD e\u0301\tx";
    EXPECT_EQ(NoteBoxText(written), written);
}

TEST(NoteBoxText, ANulDoesNotEndTheText) {
    const std::u16string withNul(u"z\0w", 3);
    EXPECT_EQ(NoteBoxText(withNul), u"z\uFFFDw");
}

}  // namespace
}  // namespace tockly
