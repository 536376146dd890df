#include "toolkit/skin_cache.h"

#include <compare>
#include <optional>
#include <span>
#include <utility>

#include "platform/win32_program_environment.h"
#include "support/critical_section.h"
#include "toolkit/shared_object_cache.h"
#include "toolkit/skin_pixels.h"

namespace tockly {
namespace {

struct SkinKey {
    bool fromFile = false;
    std::wstring name;
    int width = 0;
    int height = 0;
    bool mirrored = false;

    auto operator<=>(const SkinKey&) const = default;
};

SharedObjectCache<SkinKey, SkinBitmap>& Cache() {
    static SharedObjectCache<SkinKey, SkinBitmap> cache;
    return cache;
}

// The folder relative skin file names are taken from; empty until first asked for or set.
struct SkinFolder {
    CriticalSection lock;
    std::wstring path;
};

SkinFolder& Folder() {
    static SkinFolder folder;
    return folder;
}

// The folder of the program's own path, asked of the real seam when the start-up has not said.
std::wstring ProgramFolderOf(ProgramEnvironment& program) {
    const std::optional<std::u16string> folder = program.ProgramFolder();
    return folder ? ToWide(*folder) : std::wstring(L".");
}

bool IsAbsolute(std::wstring_view name) {
    return (name.size() >= 2 && name[1] == L':') ||
           (!name.empty() && (name[0] == L'\\' || name[0] == L'/'));
}

void MirrorDibSection(HBITMAP bitmap) {
    DIBSECTION section{};
    if (::GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) ||
        section.dsBm.bmBits == nullptr || section.dsBm.bmBitsPixel != 32) {
        return;
    }
    ::GdiFlush();
    const int width = section.dsBm.bmWidth;
    const int height = section.dsBm.bmHeight < 0 ? -section.dsBm.bmHeight : section.dsBm.bmHeight;
    auto* pixels = static_cast<std::uint32_t*>(section.dsBm.bmBits);
    MirrorPixelRows(std::span(pixels, static_cast<std::size_t>(width) * height), width, height);
}

UniqueBitmap LoadSkinBitmap(const SkinKey& key) {
    if (key.fromFile) {
        const std::wstring path = SkinFilePath(key.name);
        UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(
            nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
        if (bitmap && key.mirrored) {
            MirrorDibSection(bitmap.get());
        }
        return bitmap;
    }
    return UniqueBitmap(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                          key.name.c_str(), IMAGE_BITMAP, key.width,
                                                          key.height, LR_CREATEDIBSECTION)));
}

SharedBitmap Acquire(const SkinKey& key) {
    if (key.name.empty()) {
        return nullptr;
    }
    return Cache().Acquire(key, [&key]() -> SharedBitmap {
        UniqueBitmap loaded = LoadSkinBitmap(key);
        if (!loaded) {
            return nullptr;
        }
        return std::make_shared<const SkinBitmap>(std::move(loaded));
    });
}

}  // namespace

SkinBitmap::SkinBitmap(UniqueBitmap bitmap) noexcept : bitmap_(std::move(bitmap)) {
    BITMAP info{};
    if (bitmap_ && ::GetObjectW(bitmap_.get(), sizeof(info), &info) != 0) {
        width_ = info.bmWidth;
        height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    }
}

SharedBitmap LoadSkinResource(std::wstring_view name, int width, int height) {
    return Acquire({false, std::wstring(name), width, height, false});
}

SharedBitmap LoadSkinFile(std::wstring_view name, bool mirrored) {
    return Acquire({true, std::wstring(name), 0, 0, mirrored});
}

SharedBitmap AdoptBitmap(UniqueBitmap bitmap) {
    if (!bitmap) {
        return nullptr;
    }
    return std::make_shared<const SkinBitmap>(std::move(bitmap));
}

void SetSkinFileFolder(std::wstring folder) {
    SkinFolder& skins = Folder();
    CriticalSectionLock hold(skins.lock);
    skins.path = std::move(folder);
}

void SetSkinFileFolder(ProgramEnvironment& program) {
    SetSkinFileFolder(ProgramFolderOf(program));
}

std::wstring SkinFilePath(std::wstring_view name) {
    if (IsAbsolute(name)) {
        return std::wstring(name);
    }
    SkinFolder& skins = Folder();
    std::wstring folder;
    {
        CriticalSectionLock hold(skins.lock);
        if (skins.path.empty()) {
            Win32ProgramEnvironment program;
            skins.path = ProgramFolderOf(program);
        }
        folder = skins.path;
    }
    return folder + L"\\" + std::wstring(name);
}

std::size_t LiveSkinBitmapCount() {
    return Cache().LiveCount();
}

}  // namespace tockly
