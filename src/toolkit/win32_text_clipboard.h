#pragma once
// The system clipboard as plain Unicode text (CF_UNICODETEXT), for the text controls.

#include <windows.h>

#include "toolkit/text_clipboard.h"

namespace tockly {

class Win32TextClipboard final : public TextClipboard {
public:
    // Makes the global memory the clipboard takes (GlobalAlloc; a test may hand in one that fails).
    using GlobalAllocator = HGLOBAL(WINAPI*)(UINT flags, SIZE_T bytes);

    // `owner` becomes the clipboard owner when text is written.
    explicit Win32TextClipboard(HWND owner, GlobalAllocator allocate = &::GlobalAlloc) noexcept
        : owner_(owner), allocate_(allocate) {}

    std::optional<std::u16string> ReadText() override;
    bool WriteText(std::u16string_view text) override;

private:
    HWND owner_;
    GlobalAllocator allocate_;
};

}  // namespace tockly
