// The system tasks at their second, in the real program with the real platform: an application
// task starts our probe program with its parameters in its working folder, a kill task ends a
// process by its id, and the power tasks reach the platform's lock and suspend calls (seen in the
// platform's own trace). The tasks are written into the store before the start, due a few seconds
// later: the editor pages have journeys of their own.
//
// Under Wine, LockWorkStation and SetSuspendState do nothing (they fail and succeed as stubs), so
// the program really calls them here. ExitWindowsEx, which Wine answers by ending the session's
// programs, is never reached: the ending action is a forced hibernation.

#include "journey.h"
#include "platform_trace.h"

namespace tockly::journeys {
namespace {

ApplicationTask DueApplication(std::u16string title, std::int32_t action, std::int64_t inSeconds) {
    ApplicationTask task;
    task.title = std::move(title);
    task.action = action;
    task.start = FromNow(-60);
    task.target = FromNow(inSeconds);
    task.shown = true;
    task.running = true;
    task.expanded = action == 0;
    task.x = 20;
    task.y = 20 + 150 * action;
    return task;
}

std::u16string Utf16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

std::wstring ReadRecord(const std::wstring& file) {
    const auto bytes = testing::FileBytes(file);
    if (!bytes) {
        return {};
    }
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes->data()),
                        bytes->size() / sizeof(wchar_t));
}

TEST(SystemTasksJourney, AnApplicationTaskStartsItsProgramAndAKillTaskEndsAProcessAtTheirSecond) {
    ForgetEverything();
    const std::wstring probe = testing::HostPathToWindows(TOCKLY_PROGRAM_START_PROBE);
    const std::wstring folder = testing::MakeScratchFolder(L"journey-start-in");
    const std::wstring record = folder + L"\\record.txt";
    ::SetEnvironmentVariableW(L"TOCKLY_START_RECORD", record.c_str());
    testing::ChildProcess victim(probe, L"--wait");
    ASSERT_TRUE(victim.started());
    ASSERT_TRUE(testing::WaitUntil([&] { return testing::PathExists(record); }));
    ::DeleteFileW(record.c_str());

    TaskStore store;
    ApplicationTask start = DueApplication(u"Start the probe", 0, 5);
    start.programPath = Utf16(probe);
    start.parameters = u"--first \"two words\"";
    start.startIn = Utf16(folder);
    start.removeAfterEnd = true;
    ApplicationTask kill = DueApplication(u"End the probe", 1, 5);
    kill.processId = Utf16(std::to_wstring(victim.id()));
    store.application = {start, kill};
    WriteStore(store);

    Person person;
    Tockly tockly;
    ASSERT_TRUE(tockly.started());
    EXPECT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id()).size() == 2; }));
    ::Sleep(1000);
    person.Shot("application-tasks-counting");
    EXPECT_EQ(victim.WaitForExit(15000), 0u) << "ended by the kill task, with exit code 0";
    ASSERT_TRUE(testing::WaitUntil([&] { return testing::PathExists(record); }));
    // The file name and the parameters, then the working folder, then the arguments as split.
    const std::wstring received = ReadRecord(record);
    const std::wstring expected = L"program_start_probe.exe --first \"two words\"\n" + folder +
                                  L"\nprogram_start_probe.exe\n--first\ntwo words";
    EXPECT_EQ(received, expected);
    // Both hide at their end; the started task is removed after its end, the kill task kept as
    // ended.
    EXPECT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id()).empty(); }));
    EXPECT_TRUE(testing::WaitUntil([] {
        const std::optional<TaskStore> saved = SavedStore();
        return saved && saved->application.size() == 1;
    })) << "saved as they end";
    ASSERT_TRUE(tockly.process().PostQuit());
    EXPECT_EQ(tockly.process().WaitForExit(), 0u);
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->application.size(), 1u);
    EXPECT_EQ(saved->application[0].title, u"End the probe");
    EXPECT_FALSE(saved->application[0].running);
    ::SetEnvironmentVariableW(L"TOCKLY_START_RECORD", nullptr);
}

PowerTask DuePower(std::u16string title, std::int32_t action, bool force, std::int64_t inSeconds) {
    PowerTask task;
    task.title = std::move(title);
    task.action = action;
    task.force = force;
    task.start = FromNow(-60);
    task.target = FromNow(inSeconds);
    task.shown = true;
    task.running = true;
    task.x = 20;
    task.y = 20 + 150 * (action != 0);
    return task;
}

TEST(SystemTasksJourney, PowerTasksLockAndHibernateForcedThroughThePlatformsOwnCalls) {
    ForgetEverything();
    TaskStore store;
    store.power = {DuePower(u"Lock", 0, false, 4), DuePower(u"Hibernate", 4, true, 5)};
    WriteStore(store);
    PlatformTrace trace(
        L"user32.LockWorkStation;user32.ExitWindowsEx;powrprof.SetSuspendState;"
        L"advapi32.AdjustTokenPrivileges");
    ASSERT_TRUE(trace.available()) << "the journeys run under with_trace.sh";

    Person person;
    Tockly tockly;
    ASSERT_TRUE(tockly.started());
    EXPECT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id()).size() == 2; }));
    person.Shot("power-tasks-counting");
    // The refused lock asks to be removed; the hibernation, which the platform carried out (as
    // far as its answer tells), ends the task and keeps it, as remove-after-end is off.
    EXPECT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id()).empty(); },
                                   std::chrono::seconds(20)));
    EXPECT_TRUE(testing::WaitUntil([] {
        const std::optional<TaskStore> saved = SavedStore();
        return saved && saved->power.size() == 1;
    })) << "saved as they end";
    ASSERT_TRUE(tockly.process().PostQuit());
    EXPECT_EQ(tockly.process().WaitForExit(), 0u);
    const std::string calls = trace.Lines("LockWorkStation") + trace.Lines("SetSuspendState") +
                              trace.Lines("ExitWindowsEx") + trace.Lines("AdjustTokenPrivileges");
    EXPECT_EQ(trace.Calls("LockWorkStation"), 1) << calls;
    EXPECT_EQ(trace.Calls("SetSuspendState", "(00000001,00000001,00000000)"), 1)
        << "hibernate, forced, wake-up events enabled\n"
        << calls;
    EXPECT_EQ(trace.Calls("ExitWindowsEx"), 0) << calls;
    // The privilege is switched on before the suspension and off after it.
    EXPECT_EQ(trace.Calls("AdjustTokenPrivileges"), 2) << calls;
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->power.size(), 1u);
    EXPECT_EQ(saved->power[0].title, u"Hibernate");
    EXPECT_FALSE(saved->power[0].running);
    EXPECT_FALSE(saved->power[0].shown);
}

}  // namespace
}  // namespace tockly::journeys
