#pragma once
// The system clipboard as plain Unicode text (CF_UNICODETEXT), for the text controls.

#include <windows.h>

#include "toolkit/text_clipboard.h"

namespace tockly {

class Win32TextClipboard final : public TextClipboard {
public:
    // `owner` becomes the clipboard owner when text is written.
    explicit Win32TextClipboard(HWND owner) noexcept : owner_(owner) {}

    std::optional<std::u16string> ReadText() override;
    bool WriteText(std::u16string_view text) override;

private:
    HWND owner_;
};

}  // namespace tockly
