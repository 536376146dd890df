// A print screen task repeating every 5 seconds for a minute, written into the store before the
// start (the editor page has a journey of its own; this one is about the shots): its files are
// written at the target and at each multiple of the period, named prefix_N.png, each a readable
// opaque picture of the whole screen; the task ends by itself at the end of its span and, removed
// after its end, is gone from the store.

#include "journey.h"
// FreeImage's header after <windows.h>, whose types it takes when they are there.
#include <FreeImage.h>

#include <set>

namespace tockly::journeys {
namespace {

// Seconds from `from` to the file's creation.
double CreatedAfter(const std::wstring& file, const TimePoint& from) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) {
        return -1e9;
    }
    FILETIME local{};
    ::FileTimeToLocalFileTime(&data.ftCreationTime, &local);
    const std::int64_t created =
        (static_cast<std::int64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime;
    return static_cast<double>(created - *ToUnits(from)) / kUnitsPerSecond;
}

struct Picture {
    unsigned width = 0;
    unsigned height = 0;
    bool opaque = false;
    std::size_t colours = 0;
};

// The static FreeImage library is set up once per process.
struct FreeImageLibrary {
    FreeImageLibrary() { FreeImage_Initialise(TRUE); }
    ~FreeImageLibrary() { FreeImage_DeInitialise(); }
};

Picture Read(const std::wstring& file) {
    static const FreeImageLibrary library;
    Picture picture;
    FIBITMAP* image = FreeImage_LoadU(FIF_PNG, file.c_str(), 0);
    if (image == nullptr) {
        return picture;
    }
    picture.width = FreeImage_GetWidth(image);
    picture.height = FreeImage_GetHeight(image);
    const unsigned bits = FreeImage_GetBPP(image);
    picture.opaque = bits == 24;
    std::set<std::uint32_t> seen;
    for (unsigned y = 0; y < picture.height; y += 7) {
        const BYTE* line = FreeImage_GetScanLine(image, static_cast<int>(y));
        for (unsigned x = 0; x < picture.width && bits >= 24; x += 7) {
            const BYTE* pixel = line + x * (bits / 8);
            seen.insert(pixel[0] | pixel[1] << 8 | pixel[2] << 16);
            if (bits == 32) {
                picture.opaque = pixel[3] == 255;
            }
        }
    }
    picture.colours = seen.size();
    FreeImage_Unload(image);
    return picture;
}

TEST(PrintScreenJourney, EveryFiveSecondsForAMinuteItsShotsAreWrittenAndItEndsAndIsRemoved) {
    ForgetEverything();
    const std::wstring folder = testing::MakeScratchFolder(L"journey-shots");
    PrintScreenTask task;
    task.title = u"Every five seconds";
    task.saveIn = std::u16string(folder.begin(), folder.end());
    task.filePrefix = u"desk";
    task.formatChoice = 0;
    task.repeatChoice = 5;
    task.executeForChoice = 4;
    task.start = FromNow(-60);
    task.target = FromNow(8);
    task.repeatPeriod = {0, 0, 0, 5};
    task.repetitionMode = 2;
    task.executeFor = {0, 0, 1, 0};
    task.removeAfterEnd = true;
    task.shown = true;
    task.running = true;
    task.x = 40;
    task.y = 40;
    TaskStore store;
    store.printScreen = {task};
    WriteStore(store);

    Person person;
    Tockly tockly;
    ASSERT_TRUE(tockly.started());
    ASSERT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id()).size() == 1; }));
    person.Shot("print-screen-counting");
    // The last shot at the end of the span, then the widget goes.
    EXPECT_TRUE(testing::WaitUntil([&] { return VisibleWidgets(tockly.id()).empty(); },
                                   std::chrono::seconds(90)))
        << "the task ends by itself";
    ::Sleep(6000);  // no shot after the end
    ASSERT_TRUE(tockly.process().PostQuit());
    EXPECT_EQ(tockly.process().WaitForExit(), 0u);

    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    for (int shot = 0; shot <= 12; ++shot) {
        SCOPED_TRACE("shot " + std::to_string(shot));
        const std::wstring file = folder + L"\\desk_" + std::to_wstring(shot) + L".png";
        ASSERT_TRUE(testing::PathExists(file));
        const double after = CreatedAfter(file, task.target);
        EXPECT_GE(after, 5.0 * shot - 0.05);
        EXPECT_LT(after, 5.0 * shot + 1.5);
        const Picture picture = Read(file);
        EXPECT_EQ(picture.width, static_cast<unsigned>(width));
        EXPECT_EQ(picture.height, static_cast<unsigned>(height));
        EXPECT_TRUE(picture.opaque);
        EXPECT_GT(picture.colours, 2u) << "a picture of the screen, not a plain area";
    }
    EXPECT_FALSE(testing::PathExists(folder + L"\\desk_13.png")) << "thirteen shots in all";
    // One of them beside the journey's screenshots, to be looked at.
    if (const char* shots = std::getenv("TOCKLY_SHOTS_DIR")) {
        ::CopyFileW(
            (folder + L"\\desk_6.png").c_str(),
            (testing::HostPathToWindows(shots) + L"\\journey-print-screen-shot-6.png").c_str(),
            FALSE);
    }
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->printScreen.empty()) << "removed after its end";
}

}  // namespace
}  // namespace tockly::journeys
