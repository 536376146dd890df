// Saves a synthetic 32-bit image as PNG, JPEG and BMP the way screenshots are saved, into the
// folder named on the command line, after checking that the static FreeImage build registers its
// formats under the numbers the program relies on. freeimage_save_test.sh runs it under Wine and
// reads the files back. Exit code 0 when all went well; otherwise each failure is printed.

#include <windows.h>

#include <FreeImage.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 321;
constexpr int kHeight = 123;
constexpr BYTE kBlue = 64;
// Every format FreeImage 3.18 knows, registered or stood in for: the format numbers must not move.
constexpr int kFormatCount = FIF_JXR + 1;

struct ImageUnloader {
    void operator()(FIBITMAP* image) const noexcept { FreeImage_Unload(image); }
};
using Image = std::unique_ptr<FIBITMAP, ImageUnloader>;

int failures = 0;

void Expect(bool condition, const std::string& what) {
    if (!condition) {
        std::fprintf(stderr, "FAILED: %s\n", what.c_str());
        ++failures;
    }
}

void PrintFreeImageMessage(FREE_IMAGE_FORMAT format, const char* message) {
    std::fprintf(stderr, "FreeImage (format %d): %s\n", static_cast<int>(format), message);
}

struct SavedFormat {
    FREE_IMAGE_FORMAT format;
    const char* name;
    int bits_per_pixel;
};

// The screen capture's formats and depths: PNG and BMP as captured, JPEG after conversion.
constexpr SavedFormat kSavedFormats[] = {
    {FIF_PNG, "PNG", 32},
    {FIF_JPEG, "JPEG", 24},
    {FIF_BMP, "BMP", 32},
};

// Formats whose libraries the build leaves out: present by name, neither readable nor writable.
constexpr SavedFormat kNamesOnlyFormats[] = {
    {FIF_TIFF, "TIFF", 0}, {FIF_EXR, "EXR", 0},   {FIF_J2K, "J2K", 0},     {FIF_JP2, "JP2", 0},
    {FIF_RAW, "RAW", 0},   {FIF_WEBP, "WebP", 0}, {FIF_JXR, "JPEG-XR", 0},
};

void CheckFormatTable() {
    static_assert(FIF_PNG == 13 && FIF_JPEG == 2 && FIF_BMP == 0);
    Expect(FreeImage_GetFIFCount() == kFormatCount,
           "format count " + std::to_string(FreeImage_GetFIFCount()));
    for (const SavedFormat& saved : kSavedFormats) {
        const std::string name = saved.name;
        Expect(FreeImage_GetFIFFromFormat(saved.name) == saved.format, name + " format number");
        Expect(FreeImage_FIFSupportsWriting(saved.format) != FALSE, name + " writable");
        Expect(FreeImage_FIFSupportsExportBPP(saved.format, saved.bits_per_pixel) != FALSE,
               name + " takes " + std::to_string(saved.bits_per_pixel) + " bits per pixel");
    }
    for (const SavedFormat& stand_in : kNamesOnlyFormats) {
        const std::string name = stand_in.name;
        Expect(FreeImage_GetFIFFromFormat(stand_in.name) == stand_in.format,
               name + " format number");
        Expect(!FreeImage_FIFSupportsReading(stand_in.format) &&
                   !FreeImage_FIFSupportsWriting(stand_in.format),
               name + " neither readable nor writable");
    }
}

// Red grows from left to right and green from top to bottom, so that a wrong row stride, an
// upside-down image or swapped channels all show in the pixels the test reads back.
Image MakeGradient() {
    Image image(FreeImage_Allocate(kWidth, kHeight, 32));
    if (!image) {
        return image;
    }
    for (int y = 0; y < kHeight; ++y) {
        // FreeImage keeps the rows bottom-up, as GetDIBits fills them.
        BYTE* pixel = FreeImage_GetScanLine(image.get(), kHeight - 1 - y);
        for (int x = 0; x < kWidth; ++x, pixel += 4) {
            pixel[FI_RGBA_RED] = static_cast<BYTE>(x * 255 / (kWidth - 1));
            pixel[FI_RGBA_GREEN] = static_cast<BYTE>(y * 255 / (kHeight - 1));
            pixel[FI_RGBA_BLUE] = kBlue;
            pixel[FI_RGBA_ALPHA] = 0xFF;
        }
    }
    return image;
}

void SaveAll(FIBITMAP* image, const std::string& folder) {
    Expect(FreeImage_Save(FIF_PNG, image, (folder + "\\gradient.png").c_str(), 0) != FALSE,
           "save PNG");
    Expect(FreeImage_Save(FIF_BMP, image, (folder + "\\gradient.bmp").c_str(), 0) != FALSE,
           "save BMP");
    Image image24(FreeImage_ConvertTo24Bits(image));
    Expect(image24 && FreeImage_GetBPP(image24.get()) == 24, "convert to 24 bits");
    if (image24) {
        Expect(FreeImage_Save(FIF_JPEG, image24.get(), (folder + "\\gradient.jpeg").c_str(),
                              JPEG_QUALITYSUPERB) != FALSE,
               "save JPEG");
    }
    // A folder that does not exist: a failed save, reported as such, and nothing else.
    Expect(FreeImage_Save(FIF_PNG, image, (folder + "\\missing\\gradient.png").c_str(), 0) == FALSE,
           "save into a missing folder fails");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: freeimage_save_probe OUTPUT_FOLDER\n");
        return 2;
    }
    // TRUE: only the built-in plugins, no search for plugin DLLs beside the program.
    FreeImage_Initialise(TRUE);
    FreeImage_SetOutputMessage(PrintFreeImageMessage);
    CheckFormatTable();
    {
        Image image = MakeGradient();
        Expect(image != nullptr, "allocate a 32-bit image");
        if (image) {
            SaveAll(image.get(), argv[1]);
        }
    }
    FreeImage_DeInitialise();
    return failures == 0 ? 0 : 1;
}
