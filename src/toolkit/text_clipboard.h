#pragma once
// Plain text in and out of the system clipboard, as the editing models see it. The Win32 layer
// implements it with CF_UNICODETEXT; tests hand in a fake that can also refuse like a busy
// clipboard.

#include <optional>
#include <string>
#include <string_view>

namespace tockly {

class TextClipboard {
public:
    virtual ~TextClipboard() = default;
    // The clipboard's text, or nothing when there is none or the clipboard cannot be opened.
    [[nodiscard]] virtual std::optional<std::u16string> ReadText() = 0;
    // Replaces the clipboard's content with `text`; false when that failed.
    [[nodiscard]] virtual bool WriteText(std::u16string_view text) = 0;
};

}  // namespace tockly
