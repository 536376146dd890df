// "settings.dat" on the real file system of the Wine prefix; only the data folder comes from a
// fake, so that each test has a folder of its own.

#include "tasks/win32_task_store_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/fake_outside_world.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"
#include "task_samples.h"
#include "tasks/store_codec.h"

namespace tockly {
namespace {

using testing::FileBytes;
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
