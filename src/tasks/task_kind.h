#pragma once
// The eight kinds of task. Their order is also the order of the task lists and of the sections of
// the task store file.

#include <array>
#include <cstdint>
#include <string_view>

namespace tockly {

enum class TaskKind : std::int32_t {
    Application = 0,
    PrintScreen = 1,
    Internet = 2,
    Power = 3,
    Timer = 4,
    Counter = 5,
    StickyNote = 6,
    Stopwatch = 7,
};

inline constexpr std::size_t kTaskKindCount = 8;

inline constexpr std::array<std::string_view, kTaskKindCount> kTaskKindNames = {
    "Application", "PrintScreen", "Internet",   "Power",
    "Timer",       "Counter",     "StickyNote", "Stopwatch"};

inline constexpr std::string_view TaskKindName(TaskKind kind) {
    return kTaskKindNames[static_cast<std::size_t>(kind)];
}

}  // namespace tockly
