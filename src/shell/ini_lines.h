#pragma once
// The line rules shared by "settings.ini" and the language files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tockly {

// Splits at every CR LF pair. Text after the last pair is not a line; lone CR or LF characters
// stay inside their line. Empty lines and lines beginning with "[" or ";" are dropped.
std::vector<std::u16string_view> SplitIniLines(std::u16string_view text);

// The rest of the first line that begins with `key` + "=" and has at least one character after
// the "=", unchanged; nullopt when no line qualifies.
std::optional<std::u16string> FindIniValue(const std::vector<std::u16string_view>& lines,
                                           std::u16string_view key);

// Reads a decimal integer the way stream extraction does: leading blanks skipped, an optional
// sign, then digits up to the first character that cannot continue the number. nullopt when no
// digit comes first or the number does not fit 32 bits.
std::optional<std::int32_t> ParseLeadingInt(std::u16string_view text);

}  // namespace tockly
