// "settings.dat" on the real file system of the Wine prefix; only the data folder comes from a
// fake, so that each test has a folder of its own.

#include "tasks/win32_task_store_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "shell/app_settings.h"
#include "support/fake_outside_world.h"
#include "support/unique_handle.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_process.h"
#include "support/win32_test_paths.h"
#include "task_samples.h"
#include "tasks/store_codec.h"

namespace tockly {
namespace {

using testing::FileBytes;
using testing::InspectorExe;
using testing::RunQuietly;
using testing::SampleStore;

class TaskStoreFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testing::MakeScratchFolder(L"store");
        fake_.program.appDataFolder = FromWide(root_);
        ::CreateDirectoryW(DataFolder().c_str(), nullptr);
    }
    void TearDown() override { testing::RemoveTree(root_); }

    std::wstring DataFolder() const { return root_ + L"\\Tockly"; }
    std::wstring StoreFile() const { return DataFolder() + L"\\settings.dat"; }
    std::wstring Copy(int number) const {
        return ToWide(DamagedCopyPath(FromWide(StoreFile()), number));
    }

    std::wstring root_;
    testing::FakeOutsideWorld fake_;
    AppSettings settings_{fake_.world};
};

TEST_F(TaskStoreFileTest, WrittenTasksAreReadBackFromSettingsDat) {
    ASSERT_TRUE(WriteTaskStoreFile(settings_, SampleStore()));
    EXPECT_EQ(FileBytes(StoreFile()), EncodeTaskStore(SampleStore()));
    EXPECT_FALSE(testing::PathExists(StoreFile() + L".tmp"));
    EXPECT_EQ(ReadTaskStoreFile(settings_), SampleStore());
}

TEST_F(TaskStoreFileTest, AFailedWriteKeepsThePreviousFile) {
    ASSERT_TRUE(WriteTaskStoreFile(settings_, SampleStore()));
    // A folder where the temporary file would go makes the write fail before the old file is
    // touched.
    ASSERT_TRUE(::CreateDirectoryW((StoreFile() + L".tmp").c_str(), nullptr));
    EXPECT_FALSE(WriteTaskStoreFile(settings_, testing::ManyTasks(5)));
    EXPECT_EQ(ReadTaskStoreFile(settings_), SampleStore());
}

TEST_F(TaskStoreFileTest, ADamagedFileLoadsNothingAndIsKeptAsACopy) {
    ASSERT_TRUE(WriteTaskStoreFile(settings_, SampleStore()));
    std::vector<std::uint8_t> damaged = *FileBytes(StoreFile());
    damaged.pop_back();  // the length field no longer matches
    testing::WriteFileBytes(StoreFile(), damaged);

    EXPECT_FALSE(ReadTaskStoreFile(settings_).has_value());
    EXPECT_EQ(FileBytes(StoreFile()), damaged) << "left as it is";
    EXPECT_EQ(FileBytes(StoreFile() + L".damaged"), damaged);
    ASSERT_TRUE(WriteTaskStoreFile(settings_, testing::ManyTasks(2)));
    EXPECT_EQ(FileBytes(StoreFile() + L".damaged"), damaged) << "the next save keeps the copy";
}

TEST_F(TaskStoreFileTest, NoLaterRejectionReplacesACopyThatHoldsTasks) {
    std::vector<std::uint8_t> damaged = EncodeTaskStore(SampleStore());
    damaged.pop_back();
    const auto rejected = [&](const std::vector<std::uint8_t>& bytes) {
        testing::WriteFileBytes(StoreFile(), bytes);
        return !ReadTaskStoreFile(settings_).has_value();
    };
    ASSERT_TRUE(rejected(damaged));

    // Files that cannot hold a task are not worth a copy, nor is the same file rejected again at
    // the next start (the program may have ended before it saved).
    std::vector<std::uint8_t> headerOnly = EncodeTaskStore(TaskStore{});
    headerOnly[7] = 0xFF;  // a negative count of application tasks
    for (const auto& bytes : {damaged, std::vector<std::uint8_t>{}, headerOnly}) {
        ASSERT_TRUE(rejected(bytes));
        EXPECT_EQ(FileBytes(Copy(1)), damaged) << bytes.size() << " bytes";
        EXPECT_FALSE(testing::PathExists(Copy(2))) << bytes.size() << " bytes";
    }

    // Other damaged files take the next free copies; when all are taken nothing is replaced.
    for (int number = 2; number <= kMaxDamagedCopies + 1; ++number) {
        std::vector<std::uint8_t> other = damaged;
        other[12] = static_cast<std::uint8_t>(number);  // a letter of the first title
        ASSERT_TRUE(rejected(other));
        if (number <= kMaxDamagedCopies) {
            EXPECT_EQ(FileBytes(Copy(number)), other) << number;
        }
    }
    EXPECT_FALSE(testing::PathExists(Copy(kMaxDamagedCopies + 1)));
    EXPECT_EQ(FileBytes(Copy(1)), damaged) << "the first copy holds the first rejected file";
    EXPECT_EQ(Copy(2), StoreFile() + L".damaged.2");
}

// The program's own load and save of a file whose tasks the load rules change, against
// "tockly-inspect store --now --rewrite" on the same file at the same moment.
TEST_F(TaskStoreFileTest, ASaveRightAfterLoadingWritesWhatTheInspectorRewrites) {
    TaskStore stored = SampleStore();  // its program-ending task is stored expanded
    stored.timer[0].playSoundAfterEnd = false;
    std::vector<std::uint8_t> bytes = EncodeTaskStore(stored);
    bytes.push_back(0);  // ignored, once the length field counts it
    bytes[0] = static_cast<std::uint8_t>(bytes.size());
    bytes[1] = static_cast<std::uint8_t>(bytes.size() >> 8);
    testing::WriteFileBytes(StoreFile(), bytes);

    const std::wstring rewritten = root_ + L"\\rewritten.dat";
    const std::wstring arguments = L"store \"" + StoreFile() +
                                   L"\" --now 2024-06-01T12:00:00 --rewrite \"" + rewritten + L"\"";
    ASSERT_EQ(RunQuietly(InspectorExe(), arguments), 0u);

    const std::optional<TaskStore> loaded =
        LoadTaskStoreFile(settings_, FixedClock({2024, 6, 1, 12, 0, 0, 0}));
    ASSERT_TRUE(loaded.has_value());
    EXPECT_FALSE(loaded->application[0].expanded);
    EXPECT_TRUE(loaded->printScreen.empty()) << "ended, and removed after its end";
    ASSERT_TRUE(WriteTaskStoreFile(settings_, *loaded));
    EXPECT_EQ(FileBytes(StoreFile()), FileBytes(rewritten));
}

TEST_F(TaskStoreFileTest, WithoutTheDataFolderNothingIsWrittenOrCreated) {
    testing::RemoveTree(DataFolder());
    EXPECT_FALSE(WriteTaskStoreFile(settings_, SampleStore()));
    EXPECT_FALSE(testing::PathExists(DataFolder()));
    EXPECT_FALSE(ReadTaskStoreFile(settings_).has_value());
    fake_.program.appDataFolder.reset();
    EXPECT_FALSE(WriteTaskStoreFile(settings_, SampleStore()));
    EXPECT_FALSE(ReadTaskStoreFile(settings_).has_value());
}

}  // namespace
}  // namespace tockly

namespace tockly {
namespace {

// A store the program cannot write for a while (another program holds it open without sharing):
// each save fails and says so, the file keeps the last good save,
// nothing is left beside it, and the first save once it is writable again goes through.
TEST_F(TaskStoreFileTest, ASaveThatCannotReplaceTheFileKeepsItAndTheNextOneGoesThrough) {
    const TaskStore later = testing::ManyTasks(3);
    struct Obstacle {
        const char* name;
        std::function<std::function<void()>(const std::wstring& file)> put;  // gives the removal
    };
    const std::vector<Obstacle> obstacles = {
        {"held open without sharing",
         [](const std::wstring& file) -> std::function<void()> {
             auto held = std::make_shared<FileHandle>(
                 ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
             EXPECT_TRUE(*held);
             return [held] { held->reset(); };
         }},
    };
    for (const Obstacle& obstacle : obstacles) {
        SCOPED_TRACE(obstacle.name);
        ASSERT_TRUE(WriteTaskStoreFile(settings_, SampleStore()));
        const auto before = FileBytes(StoreFile());
        const std::function<void()> remove = obstacle.put(StoreFile());
        EXPECT_FALSE(WriteTaskStoreFile(settings_, later));
        EXPECT_FALSE(WriteTaskStoreFile(settings_, later));
        remove();
        EXPECT_EQ(FileBytes(StoreFile()), before);
        EXPECT_FALSE(testing::PathExists(StoreFile() + L".tmp"));
        ASSERT_TRUE(WriteTaskStoreFile(settings_, later));
        EXPECT_EQ(ReadTaskStoreFile(settings_), later);
    }
}

}  // namespace
}  // namespace tockly

namespace tockly {
namespace {

// A full disk: full_disk_test.sh makes the temporary file of the store in TOCKLY_FULL_DISK_FOLDER a
// link to /dev/full, where every write fails for want of space, and runs the first test; then it
// frees the space (removes the link) and runs the second.
class TaskStoreFullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        const char* folder = std::getenv("TOCKLY_FULL_DISK_FOLDER");
        if (folder == nullptr) {
            GTEST_SKIP() << "run by full_disk_test.sh, which fills the disk";
        }
        fake_.program.appDataFolder = FromWide(testing::HostPathToWindows(folder));
        store_ = testing::HostPathToWindows(folder) + L"\\Tockly\\settings.dat";
    }

    testing::FakeOutsideWorld fake_;
    AppSettings settings_{fake_.world};
    std::wstring store_;
};

TEST_F(TaskStoreFullDisk, WhileTheDiskIsFullASaveFailsAndKeepsTheFile) {
    const std::vector<std::uint8_t> before = EncodeTaskStore(SampleStore());
    testing::WriteFileBytes(store_, before);
    EXPECT_FALSE(WriteTaskStoreFile(settings_, testing::ManyTasks(3)));
    EXPECT_FALSE(WriteTaskStoreFile(settings_, testing::ManyTasks(4)));
    EXPECT_EQ(FileBytes(store_), before);
    EXPECT_EQ(ReadTaskStoreFile(settings_), SampleStore());
}

TEST_F(TaskStoreFullDisk, WithSpaceAgainTheNextSaveGoesThrough) {
    EXPECT_EQ(ReadTaskStoreFile(settings_), SampleStore()) << "what the full disk kept";
    ASSERT_TRUE(WriteTaskStoreFile(settings_, testing::ManyTasks(3)));
    EXPECT_EQ(ReadTaskStoreFile(settings_), testing::ManyTasks(3));
}

}  // namespace
}  // namespace tockly
