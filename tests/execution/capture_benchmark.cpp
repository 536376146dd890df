// Screenshot figures: the capture of the virtual screen and the encoding and saving of each format,
// as medians of several runs, with the file sizes, and the PNG compression levels side by side.
// Not a test: scripts/bench-capture builds it and runs it under Wine on a 1920x1080 Xvfb that
// shows a photo-like background and a window.
//   capture_benchmark BACKGROUND.bmp OUTPUT_FOLDER [RUNS] [--no-levels]

#include <windows.h>

#include <FreeImage.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32_screen_capture.h"
#include "support/gdi_handles.h"
#include "support/unique_handle.h"
#include "support/wide_text.h"

namespace {

using tockly::ScreenshotFormat;

HBITMAP background = nullptr;

LRESULT CALLBACK BackgroundProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        tockly::PaintDc dc(window);
        const tockly::UniqueMemoryDc source(::CreateCompatibleDC(dc.get()));
        const tockly::SelectedObject selected(source.get(), background);
        BITMAP size{};
        ::GetObjectW(background, sizeof(size), &size);
        ::BitBlt(dc.get(), 0, 0, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ForegroundProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        tockly::PaintDc dc(window);
        RECT client;
        ::GetClientRect(window, &client);
        ::FillRect(dc.get(), &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        for (int line = 0; line < 20; ++line) {
            const std::wstring text = L"Line " + std::to_wstring(line + 1) +
                                      L": the quick brown fox jumps over the lazy dog 0123456789";
            ::TextOutW(dc.get(), 12, 12 + line * 18, text.c_str(), static_cast<int>(text.size()));
        }
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow(const wchar_t* className, WNDPROC procedure, DWORD style, DWORD extendedStyle,
                const RECT& place, const wchar_t* title) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    ::RegisterClassW(&windowClass);
    const HWND window = ::CreateWindowExW(
        extendedStyle, className, title, style, place.left, place.top, place.right - place.left,
        place.bottom - place.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window);
    return window;
}

void PumpMessages(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct MemoryStream {
    FIMEMORY* memory = FreeImage_OpenMemory();
    ~MemoryStream() { FreeImage_CloseMemory(memory); }
    MemoryStream() = default;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
};

// The encoding alone, into memory: its time and the bytes it gives.
double Encode(FIBITMAP* image, FREE_IMAGE_FORMAT format, int flags, long& bytes) {
    MemoryStream stream;
    const double time =
        Milliseconds([&] { FreeImage_SaveToMemory(format, image, stream.memory, flags); });
    FreeImage_SeekMemory(stream.memory, 0, SEEK_END);
    bytes = FreeImage_TellMemory(stream.memory);
    return time;
}

long FileBytes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return static_cast<long>(data.nFileSizeLow);
}

struct FormatRow {
    const char* name;
    ScreenshotFormat format;
    const wchar_t* extension;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(
            stderr, "usage: capture_benchmark BACKGROUND.bmp OUTPUT_FOLDER [RUNS] [--no-levels]\n");
        return 2;
    }
    const std::wstring out = argv[2];
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 7;
    const bool levels = !(argc > 4 && std::wstring(argv[4]) == L"--no-levels");
    background = static_cast<HBITMAP>(
        ::LoadImageW(nullptr, argv[1], IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (background == nullptr) {
        std::fprintf(stderr, "cannot load the background picture\n");
        return 1;
    }
    const tockly::UniqueBitmap backgroundOwner(background);
    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const tockly::UniqueWindow desktop(MakeWindow(L"CaptureBenchmarkBackground", BackgroundProc,
                                                  WS_POPUP, WS_EX_TOOLWINDOW, {0, 0, width, height},
                                                  L""));
    const tockly::UniqueWindow window(MakeWindow(
        L"CaptureBenchmarkWindow", ForegroundProc, WS_OVERLAPPEDWINDOW, 0,
        {width / 5, height / 5, width / 5 + 760, height / 5 + 460}, L"A window in front"));
    PumpMessages(std::chrono::milliseconds(1500));

    tockly::EnsureFreeImage();
    std::vector<double> captures;
    tockly::FreeImageBitmap image;
    for (int run = 0; run < runs; ++run) {
        captures.push_back(Milliseconds([&] { image = tockly::CaptureVirtualScreen(); }));
    }
    if (!image) {
        std::fprintf(stderr, "the capture failed\n");
        return 1;
    }
    std::printf("Screen %d x %d, %d runs, medians\n\n", width, height, runs);
    std::printf("capture (GDI, 24 bits)             %8.1f ms\n\n", Median(captures));

    const FormatRow rows[] = {{"PNG", ScreenshotFormat::Png, L".png"},
                              {"JPEG", ScreenshotFormat::Jpeg, L".jpeg"},
                              {"BMP", ScreenshotFormat::Bmp, L".bmp"}};
    tockly::Win32ScreenCapture capture;
    std::vector<std::pair<const wchar_t*, double>> figures;  // capture and save, for scripts/bench
    std::printf("%-6s %7s %10s %10s %18s %12s\n", "format", "flags", "encode ms", "save ms",
                "capture+save ms", "file bytes");
    for (const FormatRow& row : rows) {
        const tockly::FreeImageSave save = tockly::FreeImageSaveOf(row.format);
        const std::wstring path = out + L"\\shot" + row.extension;
        std::vector<double> encodes, saves, wholes;
        long bytes = 0;
        for (int run = 0; run < runs; ++run) {
            encodes.push_back(Encode(image.get(), save.format, save.flags, bytes));
            saves.push_back(Milliseconds(
                [&] { tockly::SaveScreenImage(image.get(), tockly::FromWide(path), row.format); }));
            wholes.push_back(
                Milliseconds([&] { capture.SaveScreenshot(tockly::FromWide(path), row.format); }));
        }
        std::printf("%-6s %#7x %10.1f %10.1f %18.1f %12ld\n", row.name, save.flags, Median(encodes),
                    Median(saves), Median(wholes), FileBytes(path));
        figures.push_back({row.extension + 1, Median(wholes)});
    }
    for (const auto& [extension, milliseconds] : figures) {
        std::printf("figure capture-and-save-%ls %.1f ms\n", extension, milliseconds);
    }
    if (!levels) {
        return 0;
    }

    // The high levels take seconds each: three runs are enough to see them.
    const int levelRuns = std::min(runs, 3);
    std::printf("\nPNG by zlib level (encoding only, %d runs)\n%-6s %10s %12s\n", levelRuns,
                "level", "encode ms", "bytes");
    for (int level = 1; level <= 9; ++level) {
        std::vector<double> encodes;
        long bytes = 0;
        for (int run = 0; run < levelRuns; ++run) {
            encodes.push_back(Encode(image.get(), FIF_PNG, level, bytes));
        }
        std::printf("%-6d %10.1f %12ld%s\n", level, Median(encodes), bytes,
                    level == 6 ? "   (FreeImage's default)" : "");
    }
    return 0;
}
