#pragma once
// For tests that stop workers over and over: the stopping runs on a thread of its own, and a hang
// fails the test and ends the program (a hung thread cannot be ended alone) instead of leaving it
// to the test runner's time-out.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "support/unique_handle.h"

namespace tockly::testing {

// Runs `body(run)` on a thread of its own and waits for it at most `milliseconds`; on a hang the
// test fails with how many stops `run.stops` counted, and the program ends.
template <typename Run>
void RunEndingOnHang(DWORD(WINAPI* body)(void*), Run& run, DWORD milliseconds = 120'000) {
    KernelHandle thread(::CreateThread(nullptr, 0, body, &run, 0, nullptr));
    ASSERT_TRUE(thread);
    if (::WaitForSingleObject(thread.get(), milliseconds) == WAIT_TIMEOUT) {
        ADD_FAILURE() << "a stop hung after " << run.stops << " stops";
        std::fflush(stdout);
        ::TerminateProcess(::GetCurrentProcess(), 1);
    }
}

}  // namespace tockly::testing
