#pragma once
// Text in Tockly's files is UTF-16 little-endian; the portable core holds it as std::u16string
// (wchar_t is 32 bits wide on Linux, so std::wstring would not mean the same text there).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tockly {

// Decodes UTF-16LE bytes; an odd trailing byte is ignored.
std::u16string DecodeUtf16Le(std::span<const std::uint8_t> bytes);

// Appends the UTF-16LE bytes of `text` to `out`.
void AppendUtf16Le(std::u16string_view text, std::vector<std::uint8_t>& out);
std::vector<std::uint8_t> EncodeUtf16Le(std::u16string_view text);

// Conversions for tools and tests; invalid sequences become U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace tockly
