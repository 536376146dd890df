#include "widgets/worker_loop.h"

#include <algorithm>
#include <tuple>

namespace tockly {
namespace {

constexpr int kMillisecondsPerSecond = 1000;

auto WholeSecond(const TimePoint& time) noexcept {
    return std::tie(time.year, time.month, time.day, time.hour, time.minute, time.second);
}

}  // namespace

int MillisecondsToNextSecond(const TimePoint& now) noexcept {
    return kMillisecondsPerSecond - std::clamp(now.millisecond, 0, kMillisecondsPerSecond - 1);
}

bool InAnotherSecond(const TimePoint& now, const TimePoint& last) noexcept {
    return WholeSecond(now) != WholeSecond(last);
}

void RunWorkerLoop(WorkerLoopHost& host) {
    TimePoint last = host.Now();
    for (;;) {
        host.WaitForStop(MillisecondsToNextSecond(host.Now()));
        const TimePoint now = host.Now();
        const bool newSecond = InAnotherSecond(now, last);
        if (newSecond) {
            last = now;
        }
        if (!host.Turn(now, newSecond)) {
            return;
        }
    }
}

}  // namespace tockly
