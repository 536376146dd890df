#pragma once
// The system's rich edit library, "riched20.dll", loaded once from the system folder only (never
// from the program's folder or the current folder, where a planted copy could be picked up).

#include <windows.h>

namespace tockly {

inline constexpr wchar_t kRichEditClass[] = L"RichEdit20W";

// Loads the library on first use and keeps it for the life of the process; false when it cannot
// be loaded.
[[nodiscard]] bool LoadRichEditLibrary() noexcept;

}  // namespace tockly
