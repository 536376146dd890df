#pragma once
// What must hold for any bytes read as "settings.ini", checked by the fuzzer and by the replay of
// its corpus.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tockly {

// The first rule the bytes break, or nullopt.
std::optional<std::string> CheckSettingsFileBytes(std::span<const std::uint8_t> bytes);

}  // namespace tockly
