// A stopwatch's times list saved and loaded through the platform's own file dialogs, driven by the
// keyboard: the widget's menu, a file name typed into the dialog, Return.

#include "journey.h"

namespace tockly::journeys {
namespace {

// The process's visible dialog (class #32770), waited for.
HWND OpenDialog(DWORD process) {
    HWND found = nullptr;
    testing::WaitUntil([&] {
        const std::vector<TopWindow> dialogs = WindowsOf(process, L"#32770");
        for (const TopWindow& dialog : dialogs) {
            if (dialog.visible) {
                found = dialog.window;
            }
        }
        return found != nullptr;
    });
    return found;
}

std::string FileText(const std::wstring& file) {
    const auto bytes = testing::FileBytes(file);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

TEST(StopwatchTimesJourney, ItsTimesListIsSavedAndLoadedThroughTheRealFileDialogs) {
    ForgetEverything();
    StopwatchTask stopwatch;
    stopwatch.title = u"Laps";
    stopwatch.elapsed = {0, 0, 3, 20};
    stopwatch.checkpoints = {{0, 0, 1, 7}, {0, 0, 2, 15}, {0, 0, 3, 20}};
    stopwatch.shown = true;
    stopwatch.x = 60;
    stopwatch.y = 60;
    TaskStore store;
    store.stopwatch = {stopwatch};
    WriteStore(store);
    const std::wstring folder = testing::MakeScratchFolder(L"journey-times");

    Person person;
    Tockly tockly;
    ASSERT_TRUE(tockly.started());
    std::vector<TopWindow> widgets;
    ASSERT_TRUE(testing::WaitUntil([&] {
        widgets = VisibleWidgets(tockly.id());
        return widgets.size() == 1;
    }));
    HWND widget = widgets[0].window;
    // The menu's fourth item saves, its third loads (the separator is passed over).
    const auto choose = [&](const char* keys) {
        ASSERT_TRUE(person.RightClick(widget, 3, widgets[0].height() / 2));
        ASSERT_NE(tockly.OpenMenu(), nullptr) << "the stopwatch's menu opened";
        ASSERT_TRUE(person.Keys(keys));
        ASSERT_NE(OpenDialog(tockly.id()), nullptr) << "the file dialog opened";
        ::Sleep(500);
    };

    choose("Down Down Down Down Return");
    person.Shot("stopwatch-save-dialog");
    // Without an extension: the program adds ".txt".
    std::string typed(folder.begin(), folder.end());
    ASSERT_TRUE(person.Type(typed + "\\laps"));
    ASSERT_TRUE(person.Keys("Return"));
    const std::wstring saved = folder + L"\\laps.txt";
    ASSERT_TRUE(testing::WaitUntil([&] { return testing::PathExists(saved); }));
    EXPECT_TRUE(testing::WaitUntil([&] { return FileText(saved) == "0:1:7\r\n0:2:15\r\n0:3:20"; }))
        << FileText(saved);

    const std::wstring other = folder + L"\\other.txt";
    const std::string list = "0:0:5\r\n1:2:3";
    testing::WriteFileBytes(other, std::vector<std::uint8_t>(list.begin(), list.end()));
    choose("Down Down Down Return");
    person.Shot("stopwatch-load-dialog");
    ASSERT_TRUE(person.Type(std::string(other.begin(), other.end())));
    ASSERT_TRUE(person.Keys("Return"));
    EXPECT_TRUE(testing::WaitUntil([&] { return OpenMenuOf(tockly.id()) == nullptr; }));
    ::Sleep(500);
    person.Shot("stopwatch-loaded");
    ASSERT_TRUE(tockly.process().PostQuit());
    EXPECT_EQ(tockly.process().WaitForExit(), 0u);
    const std::optional<TaskStore> after = SavedStore();
    ASSERT_TRUE(after);
    ASSERT_EQ(after->stopwatch.size(), 1u);
    EXPECT_EQ(after->stopwatch[0].checkpoints, (std::vector<Duration>{{0, 0, 0, 5}, {0, 1, 2, 3}}));
}

}  // namespace
}  // namespace tockly::journeys
