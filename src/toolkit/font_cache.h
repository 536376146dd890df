#pragma once
// Caption fonts, made once per face, height, weight and slant and shared by every control that
// uses them; the font is deleted when its last user lets go.

#include <windows.h>

#include <compare>
#include <memory>
#include <string>

#include "support/gdi_handles.h"

namespace tockly {

struct FontSpec {
    std::wstring face = L"Tahoma";
    int height = 15;
    int weight = FW_NORMAL;
    bool italic = false;

    auto operator<=>(const FontSpec&) const = default;
};

class SharedFontObject {
public:
    explicit SharedFontObject(UniqueFont font) noexcept : font_(std::move(font)) {}
    HFONT handle() const noexcept { return font_.get(); }

private:
    UniqueFont font_;
};

using SharedFont = std::shared_ptr<const SharedFontObject>;

// A TrueType font in ClearType quality; null when the platform cannot make it.
SharedFont AcquireFont(const FontSpec& wanted);

}  // namespace tockly
