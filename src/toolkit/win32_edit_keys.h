#pragma once
// Translation of WM_KEYDOWN into the editing models' keys.

#include <windows.h>

#include "toolkit/edit_keys.h"

namespace tockly {

[[nodiscard]] EditKey TranslateVirtualKey(WPARAM virtualKey) noexcept;

// The modifier state of a WM_KEYDOWN. Ctrl counts only without Alt (Ctrl with Alt is AltGr). A key
// message with lParam 0 comes from the program itself (a context menu command, a repeat timer) and
// counts as if Ctrl were held.
[[nodiscard]] KeyModifiers KeyDownModifiers(LPARAM lParam) noexcept;

}  // namespace tockly
