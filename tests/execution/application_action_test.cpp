#include "execution/application_action.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_system_actions.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(MakeProgramStart, GivesTheFileNameAndParametersAsTheCommandLine) {
    EXPECT_EQ(MakeProgramStart(u"C:\\Tools\\app.exe", u"-x 1", u"C:\\Work"),
              (ProgramStart{u"C:\\Tools\\app.exe", u"app.exe -x 1", u"C:\\Work"}));
    // The last separator counts, of either kind.
    EXPECT_EQ(MakeProgramStart(u"C:\\Tools/bin\\x/app.exe", u"a", u"").commandLine, u"app.exe a");
    // A path without a separator is its own file name.
    EXPECT_EQ(MakeProgramStart(u"app.exe", u"a", u"").commandLine, u"app.exe a");
    // No parameters: no command line, the platform gives the program its path.
    EXPECT_EQ(MakeProgramStart(u"C:\\Tools\\app.exe", u"", u"C:\\Work"),
              (ProgramStart{u"C:\\Tools\\app.exe", std::nullopt, u"C:\\Work"}));
    // No folder: the program starts in this program's working folder (an empty folder text
    // would make the start fail).
    EXPECT_EQ(MakeProgramStart(u"C:\\Tools\\app.exe", u"-x", u"").folder, std::nullopt);
    // The parameters go through as written, quotes included.
    EXPECT_EQ(MakeProgramStart(u"C:\\app.exe", u"\"a b\"  c", u"").commandLine,
              u"app.exe \"a b\"  c");
}

TEST(MakeProgramStart, QuotesAFileNameWithBlanks) {
    EXPECT_EQ(
        MakeProgramStart(u"C:\\Program Files\\My Tool\\my tool.exe", u"-x 1", u"").commandLine,
        u"\"my tool.exe\" -x 1");
    EXPECT_EQ(MakeProgramStart(u"C:\\Program Files\\tool.exe", u"-x", u"").commandLine,
              u"tool.exe -x");
    EXPECT_EQ(MakeProgramStart(u"C:\\tab\tname.exe", u"-x", u"").commandLine,
              u"\"tab\tname.exe\" -x");
}

TEST(ProgramFileName, TakesTheTextAfterTheLastSeparator) {
    EXPECT_EQ(ProgramFileName(u"C:\\Tools\\app.exe"), u"app.exe");
    EXPECT_EQ(ProgramFileName(u"/usr/bin/tool"), u"tool");
    EXPECT_EQ(ProgramFileName(u"tool.exe"), u"tool.exe");
    EXPECT_EQ(ProgramFileName(u""), u"");
    // A separator at the end names no program: the file name is the separator itself.
    EXPECT_EQ(ProgramFileName(u"C:\\Tools\\"), u"\\");
}

TEST(ParseProcessId, TakesDecimalDigitsOnly) {
    EXPECT_EQ(ParseProcessId(u"1234"), 1234u);
    EXPECT_EQ(ParseProcessId(u"  42 "), 42u);
    EXPECT_EQ(ParseProcessId(u"0"), 0u);
    EXPECT_EQ(ParseProcessId(u"4294967295"), 4294967295u);
    EXPECT_EQ(ParseProcessId(u"000000000000000000017"), 17u);
    for (const std::u16string_view bad : {u"", u"   ", u"4294967296", u"99999999999999999999999",
                                          u"-1", u"+5", u"12a", u"1 2", u"0x10", u"\u0661\u0662"}) {
        EXPECT_EQ(ParseProcessId(bad), std::nullopt) << ToUtf8(bad);
    }
}

ApplicationTask StartTask() {
    ApplicationTask task;
    task.action = static_cast<std::int32_t>(ApplicationAction::StartProgram);
    task.programPath = u"C:\\Tools\\app.exe";
    task.parameters = u"-x 1";
    task.startIn = u"C:\\Work";
    return task;
}

ApplicationTask EndTask(std::u16string processId) {
    ApplicationTask task;
    task.action = static_cast<std::int32_t>(ApplicationAction::EndProcess);
    task.processId = std::move(processId);
    return task;
}

TEST(RunApplication, StartsOrEndsAtTheTargetAndIsDoneWhateverThePlatformSays) {
    for (const bool succeeds : {true, false}) {
        testing::FakeSystemActions fake;
        fake.processes.result = succeeds;
        EXPECT_EQ(RunApplication(fake.processes, 3, StartTask()), ActionStep::Continue);
        EXPECT_EQ(RunApplication(fake.processes, 3, EndTask(u"77")), ActionStep::Continue);
        EXPECT_THAT(fake.log.Calls(), IsEmpty());

        EXPECT_EQ(RunApplication(fake.processes, 0, StartTask()), ActionStep::Done);
        EXPECT_EQ(RunApplication(fake.processes, 0, EndTask(u"77")), ActionStep::Done);
        // A damaged process id ends nothing, and the task is done all the same.
        EXPECT_EQ(RunApplication(fake.processes, 0, EndTask(u"77x")), ActionStep::Done);
        EXPECT_THAT(fake.log.Calls(),
                    ElementsAre("StartProgram C:\\Tools\\app.exe | app.exe -x 1 | C:\\Work",
                                "EndProcess 77"));
    }
}

TEST(RunApplication, FailsAnUnknownActionWithoutActing) {
    testing::FakeSystemActions fake;
    for (const std::int32_t unknown : {-1, 2, 255}) {
        ApplicationTask task = StartTask();
        task.action = unknown;
        EXPECT_EQ(RunApplication(fake.processes, 0, task), ActionStep::Failed);
    }
    EXPECT_THAT(fake.log.Calls(), IsEmpty());
}

}  // namespace
}  // namespace tockly
