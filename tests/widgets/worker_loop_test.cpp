// The worker's pace against a simulated clock: it sleeps to each second boundary, works once per
// change of the second within 100 ms of the boundary whatever its waits overshoot or fall short,
// and ends at once when stopped in a wait.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "widgets/worker_loop.h"

namespace tockly {
namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

// Milliseconds since midnight of one day, as the clock shows them.
TimePoint At(std::int64_t milliseconds) {
    return {2024,
            3,
            9,
            static_cast<std::int32_t>(milliseconds / 3'600'000),
            static_cast<std::int32_t>(milliseconds / 60'000 % 60),
            static_cast<std::int32_t>(milliseconds / 1000 % 60),
            static_cast<std::int32_t>(milliseconds % 1000)};
}

// A worker in simulated time: every wait ends `lateness()` after its time (early when negative),
// except that a stop ends it at once; work takes `workMilliseconds` of the clock.
class SimulatedWorker : public WorkerLoopHost {
public:
    explicit SimulatedWorker(std::int64_t start) : now_(start) {}

    std::int64_t now_;
    std::int64_t stopAt = kNever;
    std::int64_t endedAt = -1;
    int lastTurnLimit = 1000;
    std::int64_t workMilliseconds = 0;
    std::vector<int> latenesses = {0};
    std::vector<std::int64_t> works;
    int waits = 0;

    TimePoint Now() override { return At(now_); }

    void WaitForStop(int milliseconds) override {
        const int late = latenesses[static_cast<std::size_t>(waits) % latenesses.size()];
        ++waits;
        const std::int64_t wakes = std::max(now_, now_ + milliseconds + late);
        now_ = stopAt > now_ && stopAt < wakes ? stopAt : wakes;
    }

    bool Turn(const TimePoint&, bool newSecond) override {
        if (now_ >= stopAt) {
            endedAt = now_;
            return false;
        }
        if (newSecond) {
            works.push_back(now_);
            now_ += workMilliseconds;
        }
        return --lastTurnLimit > 0;
    }
};

TEST(WorkerPace, MillisecondsToTheNextBoundary) {
    EXPECT_EQ(MillisecondsToNextSecond(At(10'000)), 1000);
    EXPECT_EQ(MillisecondsToNextSecond(At(10'250)), 750);
    EXPECT_EQ(MillisecondsToNextSecond(At(10'999)), 1);
    EXPECT_FALSE(InAnotherSecond(At(10'999), At(10'000)));
    EXPECT_TRUE(InAnotherSecond(At(11'000), At(10'999)));
    // A whole minute later the second's field is the same, but the second is another.
    EXPECT_TRUE(InAnotherSecond(At(70'500), At(10'500)));
}

TEST(WorkerPace, WorksOncePerSecondWithin100MillisecondsOfTheBoundaryWakingAboutOnceASecond) {
    // Waits that end on time, late by a timer tick or two, and early by one.
    const std::vector<std::vector<int>> waitErrors = {{0}, {16, 31, 2, 40}, {-15, 16, -1, 0}};
    for (const std::vector<int>& errors : waitErrors) {
        SimulatedWorker worker(10 * 3'600'000 + 59 * 60'000 + 58'400);  // 10:59:58.400
        worker.latenesses = errors;
        worker.workMilliseconds = 3;
        worker.stopAt = worker.now_ + 60'000;
        RunWorkerLoop(worker);

        ASSERT_EQ(worker.works.size(), 60u);
        // The first work at the first boundary after the start, not at the start.
        EXPECT_EQ(worker.works.front() / 1000, 10 * 3600 + 59 * 60 + 59);
        for (std::size_t i = 0; i < worker.works.size(); ++i) {
            EXPECT_LT(worker.works[i] % 1000, 100) << "work " << i << " came late";
            if (i > 0) {
                EXPECT_EQ(worker.works[i] / 1000, worker.works[i - 1] / 1000 + 1);
            }
        }
        // One wake a second, two where a wait ended early: not ten polls.
        EXPECT_LE(worker.waits, 2 * 61);
        EXPECT_GE(worker.waits, 60);
    }
}

TEST(WorkerPace, AStopInTheMiddleOfAWaitEndsTheWorkerAtOnce) {
    SimulatedWorker worker(5'000);
    worker.stopAt = 7'420;  // between two boundaries
    RunWorkerLoop(worker);
    EXPECT_EQ(worker.endedAt, 7'420);
    EXPECT_EQ(worker.works.size(), 2u);
    EXPECT_EQ(worker.waits, 3);  // no wait after the stop
}

TEST(WorkerPace, AStallLongerThanASecondSkipsTheSecondsItMissed) {
    SimulatedWorker worker(1'500);
    worker.workMilliseconds = 2'600;  // every second's work outlasts two boundaries
    worker.stopAt = 12'000;
    RunWorkerLoop(worker);
    // 2.000 (busy until 4.600), 5.000 (until 7.600), 8.000, 11.000.
    EXPECT_EQ(worker.works, (std::vector<std::int64_t>{2'000, 5'000, 8'000, 11'000}));
}

}  // namespace
}  // namespace tockly
