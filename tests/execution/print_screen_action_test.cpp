#include "execution/print_screen_action.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/fake_system_actions.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::int32_t kOnce = 0;
constexpr std::int32_t kRepeat = 1;
constexpr std::int32_t kRepeatForSpan = 2;
constexpr ShotDecision kNothing{};
constexpr ShotDecision kShot{.takeShot = true};
constexpr ShotDecision kLastShot{.takeShot = true, .finished = true};
constexpr ShotDecision kFinished{.finished = true};

TEST(ScheduleShot, WaitsForTheTargetInEveryMode) {
    for (const std::int32_t mode : {kOnce, kRepeat, kRepeatForSpan, 3, -1}) {
        EXPECT_EQ(ScheduleShot(mode, 5, -1, 100), kNothing) << mode;
    }
}

TEST(ScheduleShot, OnceTakesOneShotAndFinishes) {
    EXPECT_EQ(ScheduleShot(kOnce, 0, 0, 0), kLastShot);
    // A target already passed when the counter starts: the shot is taken at the first check.
    EXPECT_EQ(ScheduleShot(kOnce, 5, 12, 0), kLastShot);
}

TEST(ScheduleShot, RepeatShootsOnWholePeriodsAndNeverFinishes) {
    // Period 5 s and the target 12 s ago: the next shot falls when the elapsed time reaches 15.
    EXPECT_EQ(ScheduleShot(kRepeat, 5, 12, 0), kNothing);
    EXPECT_EQ(ScheduleShot(kRepeat, 5, 13, 0), kNothing);
    EXPECT_EQ(ScheduleShot(kRepeat, 5, 15, 0), kShot);
    EXPECT_EQ(ScheduleShot(kRepeat, 5, 0, 0), kShot);
    EXPECT_EQ(ScheduleShot(kRepeat, 900, 900 * 10'000, 0), kShot);
}

TEST(ScheduleShot, RepeatForASpanFinishesWhenTheSpanIsOver) {
    // One minute every 15 s: shots at 0, 15, 30, 45 and, the span being a whole multiple of the
    // period, a last one at 60.
    EXPECT_EQ(ScheduleShot(kRepeatForSpan, 15, 45, 15), kShot);
    EXPECT_EQ(ScheduleShot(kRepeatForSpan, 15, 50, 10), kNothing);
    EXPECT_EQ(ScheduleShot(kRepeatForSpan, 15, 60, 0), kLastShot);
    // The first check after the end of a span that is no multiple of the period.
    EXPECT_EQ(ScheduleShot(kRepeatForSpan, 15, 61, 0), kFinished);
}

TEST(ScheduleShot, AnUnknownModeDoesNothing) {
    EXPECT_EQ(ScheduleShot(3, 5, 10, 0), kNothing);
    EXPECT_EQ(ScheduleShot(-1, 5, 10, 0), kNothing);
}

// Only a damaged or hand-made store holds such a period: no division by zero, one shot.
TEST(ScheduleShot, APeriodThatIsNotPositiveTakesOneShot) {
    for (const std::int64_t period : {std::int64_t{0}, std::int64_t{-5}}) {
        EXPECT_EQ(ScheduleShot(kRepeat, period, 0, 0), kLastShot);
        EXPECT_EQ(ScheduleShot(kRepeat, period, 7, 0), kLastShot);
        EXPECT_EQ(ScheduleShot(kRepeatForSpan, period, 7, 30), kLastShot);
    }
}

TEST(RepeatPeriodSeconds, IsExactForAnyParts) {
    PrintScreenTask task;
    task.repeatPeriod = {.days = 3, .hours = 1, .minutes = 2, .seconds = 5};
    EXPECT_EQ(RepeatPeriodSeconds(task), 3725);  // the days are not part of a period
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    task.repeatPeriod = {.hours = kMax, .minutes = kMax, .seconds = kMax};
    const std::int64_t largest = (std::int64_t{kMax} * 60 + kMax) * 60 + kMax;
    EXPECT_EQ(RepeatPeriodSeconds(task), largest);
    EXPECT_EQ(ScheduleShot(kRepeat, largest, largest, 0), kShot);
    EXPECT_EQ(ScheduleShot(kRepeat, largest, largest - 1, 0), kNothing);
    // Parts that add up to 0 or less, as a damaged store may hold them.
    task.repeatPeriod = {.hours = 1, .minutes = -60};
    EXPECT_EQ(RepeatPeriodSeconds(task), 0);
}

TEST(ScreenshotPath, JoinsFolderPrefixNumberAndExtension) {
    EXPECT_EQ(ScreenshotPath(u"C:\\Shots", u"screen", 7, ScreenshotFormat::Jpeg),
              u"C:\\Shots\\screen_7.jpeg");
    EXPECT_EQ(ScreenshotPath(u"C:\\Shots\\", u"screen", 0, ScreenshotFormat::Png),
              u"C:\\Shots\\screen_0.png");
    EXPECT_EQ(ScreenshotPath(u"D:/shots/", u"s", 12, ScreenshotFormat::Bmp), u"D:/shots/s_12.bmp");
    // An empty folder is the working folder.
    EXPECT_EQ(ScreenshotPath(u"", u"screen", 3, ScreenshotFormat::Png), u"screen_3.png");
    EXPECT_EQ(ScreenshotPath(u"C:\\", u"", -2147483647 - 1, ScreenshotFormat::Png),
              u"C:\\_-2147483648.png");
    // Any characters go through as they are.
    EXPECT_EQ(ScreenshotPath(u"C:\\Zrzuty ekranu – ąęł", u"日本", 1, ScreenshotFormat::Bmp),
              u"C:\\Zrzuty ekranu – ąęł\\日本_1.bmp");
}

TEST(ScreenshotFormatOf, TakesTheThreeChoicesAndPngForAnyOther) {
    EXPECT_EQ(ScreenshotFormatOf(0), ScreenshotFormat::Png);
    EXPECT_EQ(ScreenshotFormatOf(1), ScreenshotFormat::Jpeg);
    EXPECT_EQ(ScreenshotFormatOf(2), ScreenshotFormat::Bmp);
    EXPECT_EQ(ScreenshotFormatOf(-1), ScreenshotFormat::Png);
    EXPECT_EQ(ScreenshotFormatOf(3), ScreenshotFormat::Png);
}

PrintScreenTask ShotTask(std::int32_t mode, std::int32_t periodSeconds) {
    PrintScreenTask task;
    task.saveIn = u"C:\\Shots";
    task.filePrefix = u"screen";
    task.formatChoice = 1;
    task.repetitionMode = mode;
    task.repeatPeriod.seconds = periodSeconds;
    task.shotCounter = 7;
    return task;
}

TEST(TakeScreenshot, NamesTheShotAfterTheCounterThenCountsIt) {
    testing::FakeSystemActions fake;
    PrintScreenTask task = ShotTask(kOnce, 0);
    fake.screen.result = false;  // a failed save counts the shot all the same
    EXPECT_FALSE(TakeScreenshot(fake.screen, task));
    EXPECT_EQ(task.shotCounter, 8);
    fake.screen.result = true;
    EXPECT_TRUE(TakeScreenshot(fake.screen, task));
    EXPECT_EQ(task.shotCounter, 9);
    // The largest counter stays where it is instead of wrapping.
    task.shotCounter = std::numeric_limits<std::int32_t>::max();
    task.formatChoice = -1;
    TakeScreenshot(fake.screen, task);
    EXPECT_EQ(task.shotCounter, std::numeric_limits<std::int32_t>::max());
    EXPECT_THAT(fake.log.Calls(),
                ElementsAre("SaveScreenshot C:\\Shots\\screen_7.jpeg as jpeg",
                            "SaveScreenshot C:\\Shots\\screen_8.jpeg as jpeg",
                            "SaveScreenshot C:\\Shots\\screen_2147483647.png as png"));
}

// The step as the worker calls it, once per second from two seconds before the target.
std::vector<ActionStep> RunSeconds(testing::FakeSystemActions& fake, PrintScreenTask& task,
                                   std::int64_t spanSeconds, int checks) {
    std::vector<ActionStep> results;
    for (std::int64_t elapsed = -2; elapsed < checks - 2; ++elapsed) {
        const std::int64_t sinceTarget = elapsed < 0 ? -1 : elapsed;
        const std::int64_t remaining = std::max<std::int64_t>(spanSeconds - elapsed, 0);
        results.push_back(RunPrintScreenStep(fake.screen, task, sinceTarget, remaining));
        if (results.back() == ActionStep::Done) {
            break;
        }
    }
    return results;
}

TEST(RunPrintScreenStep, TakesTheScheduledShotsUntilTheTaskIsDone) {
    {
        testing::FakeSystemActions fake;
        PrintScreenTask task = ShotTask(kOnce, 5);
        const auto results = RunSeconds(fake, task, 0, 10);
        EXPECT_THAT(results,
                    ElementsAre(ActionStep::Continue, ActionStep::Continue, ActionStep::Done));
        EXPECT_THAT(fake.log.Calls(),
                    ElementsAre("SaveScreenshot C:\\Shots\\screen_7.jpeg as jpeg"));
    }
    {
        testing::FakeSystemActions fake;
        PrintScreenTask task = ShotTask(kRepeat, 5);
        const auto results = RunSeconds(fake, task, 0, 14);
        EXPECT_EQ(results, std::vector<ActionStep>(14, ActionStep::Continue));
        EXPECT_THAT(fake.log.Calls(),
                    ElementsAre("SaveScreenshot C:\\Shots\\screen_7.jpeg as jpeg",
                                "SaveScreenshot C:\\Shots\\screen_8.jpeg as jpeg",
                                "SaveScreenshot C:\\Shots\\screen_9.jpeg as jpeg"));
        EXPECT_EQ(task.shotCounter, 10);
    }
    {
        testing::FakeSystemActions fake;
        PrintScreenTask task = ShotTask(kRepeatForSpan, 5);
        const auto results = RunSeconds(fake, task, 10, 100);
        EXPECT_EQ(results.size(), 13u);  // two before the target, then 0 to 10
        EXPECT_EQ(results.back(), ActionStep::Done);
        EXPECT_EQ(fake.log.Calls().size(), 3u);  // at 0, 5 and 10
    }
    {
        testing::FakeSystemActions fake;
        PrintScreenTask task = ShotTask(kRepeat, 0);
        EXPECT_THAT(RunSeconds(fake, task, 0, 10),
                    ElementsAre(ActionStep::Continue, ActionStep::Continue, ActionStep::Done));
        EXPECT_EQ(fake.log.Calls().size(), 1u);
    }
}

}  // namespace
}  // namespace tockly
