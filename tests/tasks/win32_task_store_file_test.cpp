// "settings.dat" on the real file system of the Wine prefix; only the data folder comes from a
// fake, so that each test has a folder of its own.

#include "tasks/win32_task_store_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32_autostart_registry.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_test_paths.h"
#include "task_samples.h"
#include "tasks/store_codec.h"

namespace tockly {
namespace {

using testing::FileBytes;
using testing::PathExists;
using testing::WriteFileBytes;

class FakeProgramEnvironment : public ProgramEnvironment {
public:
    std::optional<std::u16string> ModulePath() override { return u"C:\\Tockly\\Tockly.exe"; }
    std::optional<std::u16string> LocalAppDataFolder() override { return appDataFolder; }

    std::optional<std::u16string> appDataFolder;
};

class TaskStoreFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testing::MakeScratchFolder(L"store");
        environment_.appDataFolder = FromWide(root_);
        ::CreateDirectoryW(DataFolder().c_str(), nullptr);
    }
    void TearDown() override { testing::RemoveTree(root_); }

    std::wstring DataFolder() const { return root_ + L"\\Tockly"; }
    std::wstring StoreFile() const { return DataFolder() + L"\\settings.dat"; }

    std::wstring root_;
    FakeProgramEnvironment environment_;
    Win32AutostartRegistry registry_;
    FixedClock clock_{TimePoint{2024, 1, 1, 12, 0, 0, 0}};
    OutsideWorld world_{environment_, registry_, clock_};
    AppSettings settings_{world_};
};

TEST_F(TaskStoreFileTest, WrittenTasksAreReadBackFromSettingsDat) {
    ASSERT_TRUE(WriteTaskStoreFile(settings_, testing::SampleStore()));
    EXPECT_EQ(FileBytes(StoreFile()), EncodeTaskStore(testing::SampleStore()));
    EXPECT_FALSE(PathExists(StoreFile() + L".tmp"));
    EXPECT_EQ(ReadTaskStoreFile(settings_), testing::SampleStore());

    ASSERT_TRUE(WriteTaskStoreFile(settings_, TaskStore{}));
    EXPECT_EQ(FileBytes(StoreFile())->size(), kEmptyStoreSize);
    EXPECT_EQ(ReadTaskStoreFile(settings_), TaskStore{});
}

TEST_F(TaskStoreFileTest, AFailedWriteKeepsThePreviousFile) {
    ASSERT_TRUE(WriteTaskStoreFile(settings_, testing::SampleStore()));
    const auto before = FileBytes(StoreFile());
    // A folder where the temporary file would go makes the write fail before the old file is
    // touched.
    ASSERT_TRUE(::CreateDirectoryW((StoreFile() + L".tmp").c_str(), nullptr));
    EXPECT_FALSE(WriteTaskStoreFile(settings_, testing::MixedStore(40)));
    EXPECT_EQ(FileBytes(StoreFile()), before);
    EXPECT_EQ(ReadTaskStoreFile(settings_), testing::SampleStore());
}

TEST_F(TaskStoreFileTest, WithoutTheDataFolderNothingIsWrittenOrCreated) {
    testing::RemoveTree(DataFolder());
    EXPECT_FALSE(WriteTaskStoreFile(settings_, testing::SampleStore()));
    EXPECT_FALSE(PathExists(DataFolder()));
    EXPECT_FALSE(ReadTaskStoreFile(settings_).has_value());

    environment_.appDataFolder.reset();
    EXPECT_FALSE(WriteTaskStoreFile(settings_, testing::SampleStore()));
    EXPECT_FALSE(ReadTaskStoreFile(settings_).has_value());
}

TEST_F(TaskStoreFileTest, ADamagedFileLoadsNothingAndIsLeftUntouched) {
    std::vector<std::uint8_t> good = EncodeTaskStore(testing::SampleStore());
    std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);  // length no longer fits
    std::vector<std::uint8_t> inconsistent = good;
    inconsistent[11] = 0x7F;  // the top byte of the first title's length: far past the end
    for (const auto& damaged : {truncated, inconsistent}) {
        WriteFileBytes(StoreFile(), damaged);
        EXPECT_FALSE(ReadTaskStoreFile(settings_).has_value());
        EXPECT_EQ(FileBytes(StoreFile()), damaged);
    }
}

}  // namespace
}  // namespace tockly
