// widget-gallery OUTPUT_FOLDER [SKIN_FOLDER]: shows the widget base and the widget menus on real
// windows and saves each page of the gallery as OUTPUT_FOLDER\widget-gallery-<page>.bmp. Skin
// files are taken from SKIN_FOLDER (the folder with "data\bitmaps"), by default the program's
// own folder.

#include <windows.h>

#include <cstdio>
#include <string>

#include "bitmap_file.h"
#include "gallery_pages.h"
#include "shell/error_guard.h"
#include "toolkit/skin_cache.h"

namespace tockly::gallery {

void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace tockly::gallery

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: widget-gallery OUTPUT_FOLDER [SKIN_FOLDER]\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    if (argc > 2) {
        tockly::SetSkinFileFolder(argv[2]);
    }
    return tockly::RunGuarded([&folder] {
        using namespace tockly::gallery;
        for (const GalleryPage& page : GalleryPages()) {
            const Canvas picture = page.take();
            if (picture.Blank()) {
                std::fprintf(stderr, "page %ls showed nothing\n", page.name);
                return 1;
            }
            const std::wstring path = folder + L"\\widget-gallery-" + page.name + L".bmp";
            if (!WriteBmp(path, picture.width(), picture.height(), picture.pixels())) {
                std::fprintf(stderr, "cannot write %ls\n", path.c_str());
                return 1;
            }
            std::printf("page %ls: %d x %d\n", page.name, picture.width(), picture.height());
        }
        return 0;
    });
}
