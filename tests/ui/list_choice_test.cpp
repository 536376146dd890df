// The process chooser without its window: the rows' texts, the list's geometry, selection and
// choosing.

#include "ui/forms/list_choice.h"

#include <gtest/gtest.h>

namespace tockly {
namespace {

TEST(ProcessRowsTest, EachRowNumbersTheProcessAndNamesItsImage) {
    const std::vector<ProcessRow> rows =
        ProcessRows({{4, u"\\Device\\HarddiskVolume2\\Windows\\System32\\smss.exe"},
                     {4294967292u, u"C:/tools/run me.exe"},
                     {12, u"plain.exe"}});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (ProcessRow{4, u"1   PID: 4  process: smss.exe"}));
    EXPECT_EQ(rows[1], (ProcessRow{4294967292u, u"2   PID: 4294967292  process: run me.exe"}));
    EXPECT_EQ(rows[2].text, u"3   PID: 12  process: plain.exe");
}

TEST(ListChoiceTest, ASecondClickOnTheSelectedRowChoosesIt) {
    ListChoice list;
    list.Reset(3);
    EXPECT_EQ(list.Choose(), std::nullopt) << "nothing selected: nothing chosen";
    const ListChoice::Click first = list.ClickRow(1);
    EXPECT_EQ(first.outcome, ListChoice::Outcome::Selected);
    EXPECT_EQ(first.previous, -1);
    const ListChoice::Click next = list.ClickRow(2);
    EXPECT_EQ(next.outcome, ListChoice::Outcome::Selected);
    EXPECT_EQ(next.previous, 1) << "the row whose look goes back";
    EXPECT_EQ(list.ClickRow(2).outcome, ListChoice::Outcome::Chosen);
    EXPECT_EQ(list.Choose(), 2);
    EXPECT_EQ(list.ClickRow(3).outcome, ListChoice::Outcome::Ignored);
    EXPECT_EQ(list.ClickRow(-1).outcome, ListChoice::Outcome::Ignored);
    list.Reset(5);
    EXPECT_EQ(list.selected(), -1) << "a rebuilt list selects nothing";
}

TEST(ListGeometryTest, TheOffsetStaysWithinTheRows) {
    EXPECT_EQ(ListRowTop(0), 4);
    EXPECT_EQ(ListRowTop(2), 40);
    EXPECT_EQ(ListContentHeight(300), 5408);
    EXPECT_EQ(ClampListOffset(10000, 300), 5408 - 250);
    EXPECT_EQ(ClampListOffset(-5, 300), 0);
    EXPECT_EQ(ClampListOffset(40, 10), 0) << "ten rows fit";
}

}  // namespace
}  // namespace tockly
