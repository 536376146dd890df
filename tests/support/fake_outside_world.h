#pragma once
// An OutsideWorld for tests of code that asks where the program runs: the program's path and the
// data folder are what the test sets, the clock stands still, and touching the autostart value
// fails the test.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/outside_world.h"

namespace tockly::testing {

class FakeProgramEnvironment : public ProgramEnvironment {
public:
    std::optional<std::u16string> ModulePath() override { return modulePath; }
    std::optional<std::u16string> LocalAppDataFolder() override { return appDataFolder; }

    std::optional<std::u16string> modulePath;
    std::optional<std::u16string> appDataFolder;
};

class RefusingAutostart : public AutostartRegistry {
public:
    bool SetRunValue(std::u16string_view, std::u16string_view) override {
        ADD_FAILURE() << "autostart written";
        return false;
    }
    bool DeleteRunValue(std::u16string_view) override {
        ADD_FAILURE() << "autostart deleted";
        return false;
    }
};

// `world` refers to the members above it, so the bundle stays where it was made.
struct FakeOutsideWorld {
    FakeOutsideWorld() = default;
    FakeOutsideWorld(const FakeOutsideWorld&) = delete;
    FakeOutsideWorld& operator=(const FakeOutsideWorld&) = delete;

    FakeProgramEnvironment program;
    RefusingAutostart autostart;
    FixedClock clock{TimePoint{2024, 1, 1, 12, 0, 0, 0}};
    OutsideWorld world{program, autostart, clock};
};

}  // namespace tockly::testing
