#include "toolkit/win32_edit_keys.h"

namespace tockly {

EditKey TranslateVirtualKey(WPARAM virtualKey) noexcept {
    switch (virtualKey) {
        case VK_BACK:
            return EditKey::Backspace;
        case VK_DELETE:
            return EditKey::Delete;
        case VK_HOME:
            return EditKey::Home;
        case VK_END:
            return EditKey::End;
        case VK_LEFT:
            return EditKey::Left;
        case VK_RIGHT:
            return EditKey::Right;
        case VK_UP:
            return EditKey::Up;
        case VK_DOWN:
            return EditKey::Down;
        case VK_PRIOR:
            return EditKey::PageUp;
        case VK_NEXT:
            return EditKey::PageDown;
        case VK_RETURN:
            return EditKey::Enter;
        case VK_ESCAPE:
            return EditKey::Escape;
        case VK_SPACE:
            return EditKey::Space;
        case VK_TAB:
            return EditKey::Tab;
        case 'A':
            return EditKey::LetterA;
        case 'C':
            return EditKey::LetterC;
        case 'V':
            return EditKey::LetterV;
        case 'X':
            return EditKey::LetterX;
        default:
            return EditKey::Other;
    }
}

KeyModifiers KeyDownModifiers(LPARAM lParam) noexcept {
    const auto down = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
    if (lParam == 0) {
        return {.shift = false, .ctrl = true};
    }
    // AltGr reaches programs as Ctrl with Alt: with Alt held, Ctrl is no shortcut, so that AltGr+A
    // types its letter instead of selecting everything.
    return {.shift = down(VK_SHIFT), .ctrl = down(VK_CONTROL) && !down(VK_MENU)};
}

}  // namespace tockly
