#pragma once
// The keys the toolkit's editing and list models understand, independent of virtual-key codes, so
// that the models run and are tested without <windows.h>. The Win32 controls translate WM_KEYDOWN.

namespace tockly {

enum class EditKey {
    Backspace,
    Delete,
    Home,
    End,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Enter,
    Escape,
    Space,
    Tab,
    LetterA,
    LetterC,
    LetterV,
    LetterX,
    Other,
};

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
};

}  // namespace tockly
