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
    const bool held = lParam == 0;
    return {.shift = !held && (::GetKeyState(VK_SHIFT) & 0x8000) != 0,
            .ctrl = held || (::GetKeyState(VK_CONTROL) & 0x8000) != 0};
}

}  // namespace tockly
