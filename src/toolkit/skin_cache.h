#pragma once
// Skin bitmaps, loaded once and shared by every control that uses the same resource or file.
//
// Ownership: a SharedBitmap is a counted reference. The cache itself holds no reference, only a
// note of the live bitmaps, so the bitmap is deleted exactly once, when its last user lets go, and
// a screen full of controls of one kind costs one GDI bitmap per skin piece. Loading is locked, so
// a widget's worker may change an icon too.

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/program_environment.h"
#include "support/gdi_handles.h"
#include "support/wide_text.h"

namespace tockly {

class SkinBitmap {
public:
    explicit SkinBitmap(UniqueBitmap bitmap) noexcept;

    HBITMAP handle() const noexcept { return bitmap_.get(); }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }

private:
    UniqueBitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
};

using SharedBitmap = std::shared_ptr<const SkinBitmap>;

// A bitmap resource of the program (LR_CREATEDIBSECTION), at its own size unless one is given.
// Null when there is no such resource: a control then simply draws without it.
SharedBitmap LoadSkinResource(std::wstring_view name, int width = 0, int height = 0);

// A bitmap file (LR_LOADFROMFILE | LR_CREATEDIBSECTION); a relative name is taken from the skin
// folder. `mirrored` flips it left to right once, at load time.
SharedBitmap LoadSkinFile(std::wstring_view name, bool mirrored = false);

// The portable core names skins in UTF-16.
inline SharedBitmap LoadSkinResource(std::u16string_view name) {
    return LoadSkinResource(std::wstring_view(ToWide(name)));
}
inline SharedBitmap LoadSkinFile(std::u16string_view name, bool mirrored = false) {
    return LoadSkinFile(std::wstring_view(ToWide(name)), mirrored);
}

// A bitmap made elsewhere, handed over to shared ownership (not cached).
SharedBitmap AdoptBitmap(UniqueBitmap bitmap);

// Relative skin file names are looked up under this folder: the program's own folder, whatever
// the current directory is (an autostarted program starts elsewhere). The start-up hands in its
// seam; until a folder is set, the first lookup asks the real one (Win32ProgramEnvironment).
void SetSkinFileFolder(std::wstring folder);
void SetSkinFileFolder(ProgramEnvironment& program);
std::wstring SkinFilePath(std::wstring_view name);

// The bitmaps of the cache that are alive now.
std::size_t LiveSkinBitmapCount();

}  // namespace tockly
