// Shows two windows of known colours, then takes a PNG, a JPEG and a BMP screenshot the way a print
// screen task does, into a folder and under a prefix with characters outside any ANSI code page.
// screen_capture_test.sh runs it under Wine and reads the pictures back with ImageMagick.
//   screen_capture_probe OUTPUT_FOLDER
// Writes OUTPUT_FOLDER\screen.txt: the captured size, then one line "x y red green blue" per point
// the pictures must show. Exit code 0 when all went well; otherwise each failure is printed.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "execution/print_screen_action.h"
#include "platform/win32_system_actions.h"
#include "support/gdi_handles.h"
#include "support/unique_handle.h"
#include "support/wide_text.h"

namespace {

int failures = 0;

void Expect(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FAILED: %s\n", what);
        ++failures;
    }
}

struct ColourWindow {
    RECT place;
    COLORREF colour;
};

LRESULT CALLBACK ColourWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        tockly::PaintDc dc(window);
        RECT client;
        ::GetClientRect(window, &client);
        const tockly::UniqueBrush brush(
            ::CreateSolidBrush(static_cast<COLORREF>(::GetWindowLongPtrW(window, GWLP_USERDATA))));
        ::FillRect(dc.get(), &client, brush.get());
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

tockly::UniqueWindow ShowColourWindow(const ColourWindow& shown) {
    tockly::UniqueWindow window(::CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"ScreenCaptureProbe", L"", WS_POPUP, shown.place.left,
        shown.place.top, shown.place.right - shown.place.left, shown.place.bottom - shown.place.top,
        nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    ::SetWindowLongPtrW(window.get(), GWLP_USERDATA, static_cast<LONG_PTR>(shown.colour));
    ::ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(window.get());
    return window;
}

// Lets the windows paint until the screen shows every point's colour (10 s at the most).
bool WaitUntilShown(const std::vector<std::pair<POINT, COLORREF>>& points) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
        const tockly::WindowDc screen(nullptr);
        bool shown = true;
        for (const auto& [point, colour] : points) {
            shown = shown && ::GetPixel(screen.get(), point.x, point.y) == colour;
        }
        if (shown) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen_capture_probe OUTPUT_FOLDER\n");
        return 2;
    }
    const std::wstring out = argv[1];
    const std::wstring folder = out + L"\\Zrzuty ekranu – ąęł";
    Expect(::CreateDirectoryW(folder.c_str(), nullptr) != FALSE, "create the shots folder");

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ColourWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ScreenCaptureProbe";
    ::RegisterClassW(&windowClass);

    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // Different colours in opposite corners, each with three different channels, so that swapped
    // channels, mirrored or upside-down rows show.
    const ColourWindow topLeft{{40, 30, 280, 150}, RGB(200, 40, 90)};
    const ColourWindow bottomRight{{width - 300, height - 180, width - 60, height - 60},
                                   RGB(20, 110, 230)};
    const tockly::UniqueWindow first = ShowColourWindow(topLeft);
    const tockly::UniqueWindow second = ShowColourWindow(bottomRight);
    const std::vector<std::pair<POINT, COLORREF>> points = {
        {{45, 35}, topLeft.colour},
        {{160, 90}, topLeft.colour},
        {{width - 180, height - 120}, bottomRight.colour},
        {{width - 66, height - 66}, bottomRight.colour},
    };
    Expect(WaitUntilShown(points), "the windows are on the screen");

    tockly::Win32SystemActions system;
    tockly::ScreenCapture& capture = system.actions.screen;
    tockly::PrintScreenTask task;
    task.saveIn = tockly::FromWide(folder);
    task.filePrefix = u"日本";
    for (const auto format : {tockly::ScreenshotFormat::Png, tockly::ScreenshotFormat::Jpeg,
                              tockly::ScreenshotFormat::Bmp}) {
        task.formatChoice = static_cast<std::int32_t>(format);
        Expect(tockly::TakeScreenshot(capture, task), "take a screenshot");
    }
    // A folder that does not exist: a failed save, reported as such, and no file.
    Expect(!capture.SaveScreenshot(tockly::FromWide(out + L"\\missing\\shot.png"),
                                   tockly::ScreenshotFormat::Png),
           "a save into a missing folder fails");

    std::ofstream description((out + L"\\screen.txt").c_str(), std::ios::binary);
    description << width << ' ' << height << '\n';
    for (const auto& [point, colour] : points) {
        description << point.x << ' ' << point.y << ' ' << int{GetRValue(colour)} << ' '
                    << int{GetGValue(colour)} << ' ' << int{GetBValue(colour)} << '\n';
    }
    return failures == 0 ? 0 : 1;
}
