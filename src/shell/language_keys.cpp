#include "shell/language_keys.h"

#include <algorithm>
#include <array>

namespace tockly {
namespace {

constexpr std::array kEntries = {
#define TOCKLY_KEYED_ENTRY(name, number, english) LanguageEntry{number, u"" #name, english},
#define TOCKLY_BUILT_IN_ENTRY(name, number, english) LanguageEntry{number, u"", english},
    TOCKLY_LANGUAGE_KEYS(TOCKLY_KEYED_ENTRY, TOCKLY_BUILT_IN_ENTRY)
#undef TOCKLY_BUILT_IN_ENTRY
#undef TOCKLY_KEYED_ENTRY
};

// Lookups search the table by number, so it must stay in ascending order without repeats.
constexpr bool StrictlyAscending() {
    for (std::size_t i = 1; i < kEntries.size(); ++i) {
        if (kEntries[i - 1].number >= kEntries[i].number) {
            return false;
        }
    }
    return true;
}
static_assert(StrictlyAscending(), "language entries must be in ascending number");

}  // namespace

std::span<const LanguageEntry> LanguageEntries() {
    return kEntries;
}

const LanguageEntry* FindLanguageEntry(std::int32_t number) {
    const auto found = std::lower_bound(
        kEntries.begin(), kEntries.end(), number,
        [](const LanguageEntry& entry, std::int32_t wanted) { return entry.number < wanted; });
    return found != kEntries.end() && found->number == number ? &*found : nullptr;
}

std::optional<std::u16string_view> EnglishText(std::int32_t number) {
    const LanguageEntry* entry = FindLanguageEntry(number);
    if (entry == nullptr || entry->english.empty()) {
        return std::nullopt;
    }
    return entry->english;
}

}  // namespace tockly
