#pragma once
// The language files of the "language" folder: which files are offered, under which name, and
// the texts they give. Their bytes are user data and may be damaged or hand-edited: nothing here
// trusts their length, their encoding or their lines.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tockly {

// Only the first bytes of a file are read when the folder is scanned; its LANGUAGE line must end
// within them for the file to be offered.
inline constexpr std::size_t kLanguageHeadBytes = 498;

// A language file is far smaller than this (the English one is about 16 KB). A bigger file is
// treated like one that cannot be read, so that a stray huge file costs neither memory nor time.
inline constexpr std::size_t kMaxLanguageFileBytes = 1024 * 1024;

// Entries of the language folder whose name contains "lng" (anywhere, not only as extension)
// are language files; those whose name contains "bmp" are pictures. A name can be both.
bool IsLanguageFileName(std::u16string_view fileName);
bool IsLanguagePictureName(std::u16string_view fileName);

// The display name under which the scan offers a file, from the first kLanguageHeadBytes of
// it (fewer when the file is shorter; more are ignored): the value of its LANGUAGE line.
// nullopt when that line is missing, empty or not ended by CR LF within those bytes.
std::optional<std::u16string> OfferedLanguageName(std::span<const std::uint8_t> fileBytes);

// The text of every keyed number from a whole language file (UTF-16LE without byte-order mark,
// the line rules of "settings.ini"): the file's value for the key name, else the English text.
// A number with neither (LANGUAGE in a file that lacks it) has no entry.
std::map<std::int32_t, std::u16string> ReadLanguageTexts(std::span<const std::uint8_t> fileBytes);

}  // namespace tockly
