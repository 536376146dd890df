// The forms of the four system tasks: the checks a create or change must pass and the field a
// refusal names, the controls each choice enables, the record built from a form with the
// settings' widget defaults, and the form loaded from a record.

#include <gtest/gtest.h>

#include "execution/task_counter_model.h"
#include "support/fake_path_probe.h"
#include "ui/forms/application_form.h"
#include "ui/forms/internet_form.h"
#include "ui/forms/power_form.h"
#include "ui/forms/print_screen_form.h"

namespace tockly {
namespace {

using testing::FakePathProbe;

constexpr TimePoint kNow{2024, 3, 10, 14, 30, 0, 0};
constexpr TimePoint kLater{2024, 3, 12, 8, 15, 30, 0};

SettingsValues Settings() {
    SettingsValues settings;
    settings.widgetTransparency = 30;
    settings.widgetsAlwaysOnTop = true;
    settings.showProgressBar = false;
    settings.removeTaskAfterEnd = true;
    return settings;
}

FakePathProbe Files() {
    FakePathProbe paths;
    paths.kinds = {{u"C:\\Tools\\app.exe", PathKind::File},
                   {u"C:\\Tools", PathKind::Folder},
                   {u"D:\\Shots", PathKind::Folder}};
    return paths;
}

void SetTime(TimeEntry& entry, const TimePoint& time) {
    entry.SetYear(time.year);
    entry.SetMonth(time.month);
    entry.SetDay(time.day);
    entry.SetHour(time.hour);
    entry.SetMinute(time.minute);
    entry.SetSecond(time.second);
}

class ApplicationFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Reset(u"Application 1", kNow, Settings());
        form.ProgramChosen(u"C:\\Tools\\app.exe");
        form.SetParameters(u"-x 1");
    }

    ApplicationForm form;
    FakePathProbe paths = Files();
    FixedClock clock{kNow};
};

TEST_F(ApplicationFormTest, ANewTaskTakesTheFormAndTheSettingsWidgetDefaults) {
    SetTime(form.EditTime(), kLater);
    const FormOutcome<ApplicationTask> made = form.Create(clock, paths, Settings());
    ASSERT_TRUE(made.accepted());
    ApplicationTask expected;
    expected.title = u"Application 1";
    expected.start = kNow;
    expected.target = kLater;
    expected.programPath = u"C:\\Tools\\app.exe";
    expected.parameters = u"-x 1";
    expected.startIn = u"C:\\Tools";
    expected.showProgressBar = false;
    expected.removeAfterEnd = true;
    expected.alwaysOnTop = true;
    expected.transparency = 30;
    EXPECT_EQ(*made.record, expected);
}

TEST_F(ApplicationFormTest, ARefusalNamesTheFirstFieldThatFails) {
    paths.kinds[u"C:\\Tools\\app.exe"] = PathKind::Folder;
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::ProgramPath)
        << "a folder is no program";
    paths.kinds.erase(u"C:\\Tools\\app.exe");
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::ProgramPath);
    EXPECT_TRUE(form.mark().marked(FormField::ProgramPath));
    form.SetParameters(u"-y");
    EXPECT_TRUE(form.mark().marked(FormField::ProgramPath)) << "another field keeps the mark";
    form.SetProgramPath(u"C:\\Tools\\other.exe");
    EXPECT_EQ(form.mark().field(), FormField::None) << "changing the field clears its mark";

    paths.kinds[u"C:\\Tools\\other.exe"] = PathKind::File;
    form.SetStartIn(u"C:\\Nowhere");
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::StartIn);
    form.SetStartIn(u"");
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::StartIn);
    form.SetStartIn(u"C:\\Tools");

    form.EditTime().SetSecond(59);
    form.EditTime().SetMinute(29);
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::Target)
        << "one second before now";
    form.EditTime().SetMinute(30);
    form.EditTime().SetSecond(0);
    EXPECT_TRUE(form.Create(clock, paths, Settings()).accepted()) << "this second passes";
    EXPECT_EQ(form.mark().field(), FormField::None);
}

TEST_F(ApplicationFormTest, EndingAProcessNeedsANumberForItsId) {
    form.SetMode(ApplicationAction::EndProcess);
    EXPECT_TRUE(form.processRowShown());
    EXPECT_FALSE(form.programRowsShown());
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::ProcessId) << "empty";
    for (const std::u16string_view text : {u"12a", u"-4", u"0", u"4294967296", u"1 2"}) {
        form.SetProcessId(std::u16string(text));
        EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::ProcessId);
    }
    form.SetProcessId(u" 4242 ");
    const FormOutcome<ApplicationTask> made = form.Create(clock, paths, Settings());
    ASSERT_TRUE(made.accepted());
    EXPECT_EQ(made.record->processId, u" 4242 ");
    EXPECT_EQ(made.record->action, 1);
    EXPECT_TRUE(made.record->programPath.empty()) << "the other mode's fields are not stored";
    EXPECT_TRUE(made.record->startIn.empty());

    form.ProcessChosen(4294967295u);
    EXPECT_EQ(form.processId(), u"4294967295");
}

TEST_F(ApplicationFormTest, ChangingTheModeEmptiesTheChosenModesFields) {
    form.SetMode(ApplicationAction::EndProcess);
    form.SetProcessId(u"77");
    EXPECT_EQ(form.programPath(), u"C:\\Tools\\app.exe") << "the hidden rows keep their text";
    form.SetMode(ApplicationAction::StartProgram);
    EXPECT_TRUE(form.programPath().empty());
    EXPECT_TRUE(form.parameters().empty());
    EXPECT_TRUE(form.startIn().empty());
    form.SetProgramPath(u"x");
    form.SetMode(ApplicationAction::StartProgram);
    EXPECT_EQ(form.programPath(), u"x") << "choosing the mode it has changes nothing";
    form.SetMode(ApplicationAction::EndProcess);
    EXPECT_TRUE(form.processId().empty());
}

TEST(ProgramFolderTest, BrowsingAProgramGivesItsFolder) {
    EXPECT_EQ(FolderOfProgram(u"C:\\Tools\\app.exe"), u"C:\\Tools");
    EXPECT_EQ(FolderOfProgram(u"D:/games/x/run.exe"), u"D:/games/x");
    EXPECT_EQ(FolderOfProgram(u"C:\\app.exe"), u"C:\\") << "the root, not the drive's folder";
    EXPECT_EQ(FolderOfProgram(u"app.exe"), u"");
}

TEST_F(ApplicationFormTest, AChangeKeepsTheWidgetsStateAndRestartsFromNow) {
    ApplicationTask stored;
    stored.title = u"old";
    stored.start = {2024, 1, 1, 0, 0, 0, 0};
    stored.target = {2024, 1, 2, 0, 0, 0, 0};
    stored.programPath = u"C:\\Tools\\app.exe";
    stored.startIn = u"C:\\Tools";
    stored.shown = true;
    stored.running = true;
    stored.expanded = true;
    stored.alwaysOnTop = true;
    stored.x = 640;
    stored.y = -12;
    stored.transparency = 70;
    form.Load(stored);
    form.SetTitle(u"new");
    SetTime(form.EditTime(), kLater);
    const FormOutcome<ApplicationTask> changed = form.Change(stored, clock, paths);
    ASSERT_TRUE(changed.accepted());
    ApplicationTask expected = stored;
    expected.title = u"new";
    expected.start = kNow;
    expected.target = kLater;
    EXPECT_EQ(*changed.record, expected);
}

TEST(PrintScreenFormTest, TheModeEnablesTheSpanAndTheRemoveCheck) {
    PrintScreenForm form;
    form.Reset(u"Print screen 1", u"shot", kNow, Settings());
    EXPECT_EQ(form.repetitionMode(), RepetitionMode::Once);
    EXPECT_FALSE(form.executeForEnabled());
    EXPECT_TRUE(form.removeAfterEndEnabled());
    EXPECT_EQ(form.repeatPeriod().Span(), (Duration{0, 0, 0, 1}));
    EXPECT_TRUE(form.executeFor().allZero());

    form.SetRepetitionMode(RepetitionMode::Repeat);
    EXPECT_FALSE(form.executeForEnabled());
    EXPECT_FALSE(form.removeAfterEndEnabled()) << "an endless task never ends";
    form.SetRepetitionMode(RepetitionMode::RepeatForSpan);
    EXPECT_TRUE(form.executeForEnabled());
    EXPECT_TRUE(form.removeAfterEndEnabled());
    EXPECT_FALSE(form.executeFor().allZero()) << "the enabled span never shows 0";
    form.EditRepeatPeriod().Set(SpanPart::Seconds, 0);
    EXPECT_EQ(form.repeatPeriod().Span(), (Duration{0, 0, 0, 1})) << "the period never shows 0";
}

TEST(PrintScreenFormTest, TheFolderAndTheFileNamesAreChecked) {
    PrintScreenForm form;
    form.Reset(u"Print screen 1", u"shot", kNow, Settings());
    const FakePathProbe paths = Files();
    const FixedClock clock(kNow);
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::SaveIn)
        << "refused until a folder is chosen";
    form.SetSaveIn(u"C:\\Tools\\app.exe");
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::SaveIn);
    form.SetSaveIn(u"D:\\Shots");
    for (const std::u16string_view prefix : {u"", u"a/b", u"a:b", u"what?", u"x\ty"}) {
        form.SetFilePrefix(std::u16string(prefix));
        EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::FilePrefix);
    }
    form.SetFilePrefix(u"desk top.2024");
    form.EditTime().SetHour(13);
    EXPECT_EQ(form.Create(clock, paths, Settings()).refused, FormField::Target);
    form.EditTime().SetHour(14);
    EXPECT_TRUE(form.Create(clock, paths, Settings()).accepted());
}

TEST(PrintScreenFormTest, TheWidgetsMenuChecksTheItemOfTheEnteredSpans) {
    PrintScreenForm form;
    form.Reset(u"Print screen 1", u"shot", kNow, Settings());
    form.SetSaveIn(u"D:\\Shots");
    form.SetFormat(2);
    form.EditRepeatPeriod().Set(SpanPart::Minutes, 15);
    form.EditRepeatPeriod().Set(SpanPart::Seconds, 0);
    form.SetRepetitionMode(RepetitionMode::RepeatForSpan);
    form.EditExecuteFor().Set(SpanPart::Minutes, 30);
    form.EditExecuteFor().Set(SpanPart::Seconds, 0);
    const FormOutcome<PrintScreenTask> made = form.Create(FixedClock(kNow), Files(), Settings());
    ASSERT_TRUE(made.accepted());
    EXPECT_EQ(made.record->repeatChoice, 0) << "15 minutes";
    EXPECT_EQ(made.record->executeForChoice, 1) << "30 minutes";
    EXPECT_EQ(made.record->formatChoice, 2);
    EXPECT_EQ(RepeatChoiceOf({0, 0, 0, 5}), 5);
    EXPECT_EQ(RepeatChoiceOf({0, 0, 0, 6}), -1);
    EXPECT_EQ(ExecuteForChoiceOf({0, 0, 60, 0}), 0) << "an hour, however entered";
    form.SetFormat(7);
    EXPECT_EQ(form.format(), 0) << "an unknown format is PNG";
}

TEST(InternetFormTest, AnEntryMustBeChosen) {
    InternetForm form;
    const FixedClock clock(kNow);
    form.Reset(u"Internet 1", kNow, Settings());
    EXPECT_EQ(form.chosenEntry(), -1);
    EXPECT_EQ(form.Create(clock, Settings()).refused, FormField::Entry)
        << "an empty phone book: nothing to connect";

    form.SetEntries({u"Office", u"Home"});
    form.Reset(u"Internet 1", kNow, Settings());
    EXPECT_EQ(form.chosenEntry(), 0) << "a new task has the first entry";
    form.ChooseEntry(1);
    form.SetEntries({u"Home", u"Mobile"});
    EXPECT_EQ(form.chosenEntry(), 0) << "the chosen name stays chosen";
    form.SetEntries({u"Mobile"});
    EXPECT_EQ(form.chosenEntry(), -1) << "it has left the phone book";
    form.ChooseEntry(3);
    EXPECT_EQ(form.chosenEntry(), -1);

    InternetTask stored;
    stored.entryName = u"Gone";
    stored.target = kLater;
    form.Load(stored);
    EXPECT_EQ(form.Change(stored, clock).refused, FormField::Entry);
    EXPECT_TRUE(form.mark().marked(FormField::Entry));
    form.ChooseEntry(0);
    EXPECT_FALSE(form.mark().marked(FormField::Entry));
    const FormOutcome<InternetTask> changed = form.Change(stored, clock);
    ASSERT_TRUE(changed.accepted());
    EXPECT_EQ(changed.record->entryName, u"Mobile");
}

TEST(InternetFormTest, InTakesTheTargetFromNowAndTheDelay) {
    InternetForm form;
    form.SetEntries({u"Office"});
    form.Reset(u"Internet 1", kNow, Settings());
    form.SetAction(NetworkAction::Disconnect);
    form.ChooseSpan(kNow);
    form.EditSpan().Set(SpanPart::Hours, 2);
    form.EditSpan().Set(SpanPart::Seconds, 0);
    const FormOutcome<InternetTask> made = form.Create(FixedClock(kNow), Settings());
    ASSERT_TRUE(made.accepted());
    EXPECT_EQ(made.record->atInChoice, kTargetEnteredIn);
    EXPECT_EQ(made.record->start, kNow);
    EXPECT_EQ(made.record->target, (TimePoint{2024, 3, 10, 16, 30, 0, 0}));
    EXPECT_EQ(made.record->delay, (Duration{0, 2, 0, 0}));
    EXPECT_EQ(made.record->action, 1);

    form.ChooseClockTime();
    SetTime(form.EditTime(), kLater);
    const FormOutcome<InternetTask> at = form.Create(FixedClock(kNow), Settings());
    ASSERT_TRUE(at.accepted());
    EXPECT_EQ(at.record->atInChoice, kTargetEnteredAt);
    EXPECT_EQ(at.record->target, kLater);
    EXPECT_EQ(at.record->delay, Duration{});
}

TEST(PowerFormTest, AnActionIsChosenAndTheDelayCountsDays) {
    PowerForm form;
    const FixedClock clock(kNow);
    form.Reset(u"Power 1", kNow, Settings());
    EXPECT_EQ(form.action(), 0);
    form.ChooseAction(-1);
    EXPECT_EQ(form.Create(clock, Settings()).refused, FormField::Action);
    form.ChooseAction(7);
    EXPECT_EQ(form.Create(clock, Settings()).refused, FormField::Action);
    form.ChooseAction(6);
    form.SetForce(true);
    form.ChooseSpan(kNow);
    form.EditSpan().Set(SpanPart::Days, 1);
    form.EditSpan().Set(SpanPart::Minutes, 30);
    form.EditSpan().Set(SpanPart::Seconds, 0);
    const FormOutcome<PowerTask> made = form.Create(clock, Settings());
    ASSERT_TRUE(made.accepted());
    EXPECT_EQ(made.record->action, 6);
    EXPECT_TRUE(made.record->force);
    EXPECT_EQ(made.record->target, (TimePoint{2024, 3, 11, 15, 0, 0, 0}));
    EXPECT_EQ(made.record->delay, (Duration{1, 0, 30, 0}));

    form.ChooseClockTime();
    form.EditTime().SetMinute(29);
    EXPECT_EQ(form.Create(clock, Settings()).refused, FormField::Target);
    EXPECT_TRUE(form.mark().marked(FormField::Target));
    form.ChooseSpan(kNow);
    EXPECT_FALSE(form.mark().marked(FormField::Target)) << "the marked boxes are disabled";
}

}  // namespace
}  // namespace tockly
