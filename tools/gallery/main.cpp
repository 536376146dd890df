// toolkit-gallery OUTPUT.bmp [SKIN_FOLDER]: shows every skinned control in every state on one
// window, saves a picture of it, and prints what it measured. Skin files are taken from
// SKIN_FOLDER (the folder with "data\bitmaps"), by default the program's own folder.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "bitmap_file.h"
#include "gallery_window.h"
#include "shell/error_guard.h"
#include "toolkit/skin_cache.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: toolkit-gallery OUTPUT.bmp [SKIN_FOLDER]\n");
        return 2;
    }
    const std::wstring output = argv[1];
    if (argc > 2) {
        tockly::SetSkinFileFolder(argv[2]);
    }
    return tockly::RunGuarded([&output] {
        tockly::gallery::GalleryWindow gallery;
        // Let the window and every control paint before the picture is taken.
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        const tockly::gallery::Picture picture = gallery.TakePicture();
        if (picture.pixels.empty() ||
            std::all_of(picture.pixels.begin(), picture.pixels.end(),
                        [&picture](std::uint32_t pixel) { return pixel == picture.pixels[0]; })) {
            std::fprintf(stderr, "the window showed nothing\n");
            return 1;
        }
        if (!tockly::gallery::WriteBmp(output, picture.width, picture.height, picture.pixels)) {
            std::fprintf(stderr, "cannot write the picture\n");
            return 1;
        }
        std::printf("%zu controls; one full repaint of the window and all of them: %.2f ms\n",
                    gallery.controlCount(), gallery.RepaintMilliseconds(50));
        std::printf("skin bitmaps alive (shared): %zu\n", tockly::LiveSkinBitmapCount());
        return 0;
    });
}
