// Program starts and process kills on the real platform: the started program (program_start_probe)
// writes down what it was given, and the test counts its own handles around each action.

#include "platform/win32_process_control.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "execution/application_action.h"
#include "support/wide_text.h"
#include "support/win32_files.h"
#include "support/win32_process.h"
#include "support/win32_test_paths.h"
#include "win32_handle_count.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;

struct StartRecord {
    std::wstring commandLine;
    std::wstring folder;
    std::vector<std::wstring> arguments;
};

class ProgramStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_ = testing::MakeScratchFolder(L"program-start");
        // A file name with a blank, in a folder with one.
        probe_ = scratch_ + L"\\start probe.exe";
        ASSERT_TRUE(::CopyFileW(testing::HostPathToWindows(TOCKLY_PROGRAM_START_PROBE).c_str(),
                                probe_.c_str(), FALSE));
        workFolder_ = scratch_ + L"\\work folder ąę";
        ASSERT_TRUE(::CreateDirectoryW(workFolder_.c_str(), nullptr));
        record_ = scratch_ + L"\\record.txt";
        ::SetEnvironmentVariableW(L"TOCKLY_START_RECORD", record_.c_str());
        // The platform opens what it keeps for process creation at the first start: one start
        // before any handles are counted.
        StartRecord ignored;
        ASSERT_TRUE(processes_.StartProgram({FromWide(probe_), std::nullopt, std::nullopt}));
        ASSERT_TRUE(TakeRecord(ignored));
    }

    void TearDown() override {
        ::SetEnvironmentVariableW(L"TOCKLY_START_RECORD", nullptr);
        testing::RemoveTree(scratch_);
    }

    // Waits for the started program's record and removes it for the next start.
    bool TakeRecord(StartRecord& record) {
        if (!testing::WaitUntil([&] { return testing::PathExists(record_); })) {
            return false;
        }
        const auto bytes = testing::FileBytes(record_);
        ::DeleteFileW(record_.c_str());
        if (!bytes) {
            return false;
        }
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes->data()),
                          bytes->size() / sizeof(wchar_t));
        std::vector<std::wstring> lines;
        for (std::size_t start = 0;;) {
            const std::size_t end = text.find(L'\n', start);
            lines.push_back(text.substr(start, end - start));
            if (end == std::wstring::npos) {
                break;
            }
            start = end + 1;
        }
        if (lines.size() < 2) {
            return false;
        }
        record = {lines[0], lines[1], {lines.begin() + 2, lines.end()}};
        return true;
    }

    ApplicationTask StartTask(std::u16string parameters, std::u16string folder) const {
        ApplicationTask task;
        task.action = static_cast<std::int32_t>(ApplicationAction::StartProgram);
        task.programPath = FromWide(probe_);
        task.parameters = std::move(parameters);
        task.startIn = std::move(folder);
        return task;
    }

    Win32ProcessControl processes_;
    std::wstring scratch_;
    std::wstring probe_;
    std::wstring workFolder_;
    std::wstring record_;
};

TEST_F(ProgramStartTest, GivesTheProgramItsParametersAndFolderAndKeepsNoHandle) {
    const std::uint32_t handles = testing::OwnHandleCount();
    ASSERT_EQ(
        RunApplication(processes_, 0, StartTask(u"-x \"two words\" 1", FromWide(workFolder_))),
        ActionStep::Done);
    StartRecord record;
    ASSERT_TRUE(TakeRecord(record));
    EXPECT_EQ(testing::OwnHandleCount(), handles);
    EXPECT_EQ(record.commandLine, L"\"start probe.exe\" -x \"two words\" 1");
    EXPECT_THAT(record.arguments, ElementsAre(L"start probe.exe", L"-x", L"two words", L"1"));
    EXPECT_EQ(record.folder, workFolder_);
}

TEST_F(ProgramStartTest, WithoutParametersOrFolderGivesThePathInThisProgramsFolder) {
    const std::uint32_t handles = testing::OwnHandleCount();
    ASSERT_EQ(RunApplication(processes_, 0, StartTask(u"", u"")), ActionStep::Done);
    StartRecord record;
    ASSERT_TRUE(TakeRecord(record));
    EXPECT_EQ(testing::OwnHandleCount(), handles);
    EXPECT_THAT(record.arguments, ElementsAre(probe_));
    wchar_t ownFolder[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, ownFolder);
    EXPECT_EQ(record.folder, ownFolder);
}

TEST_F(ProgramStartTest, AProgramThatCannotStartLeavesNothingOpen) {
    const std::uint32_t handles = testing::OwnHandleCount();
    EXPECT_FALSE(processes_.StartProgram(
        {FromWide(scratch_ + L"\\missing.exe"), u"missing.exe -x", std::nullopt}));
    EXPECT_FALSE(processes_.StartProgram(
        {FromWide(probe_), std::nullopt, FromWide(scratch_ + L"\\no such folder")}));
    EXPECT_EQ(testing::OwnHandleCount(), handles);
    EXPECT_FALSE(testing::PathExists(record_));
}

TEST_F(ProgramStartTest, EndsAProcessByItsIdAndKeepsNoHandle) {
    const testing::ChildProcess child(probe_, L"--wait");
    ASSERT_TRUE(child.started());
    StartRecord record;
    ASSERT_TRUE(TakeRecord(record));  // running, and waiting to be ended

    ApplicationTask task;
    task.action = static_cast<std::int32_t>(ApplicationAction::EndProcess);
    task.processId = FromWide(std::to_wstring(child.id()));
    const std::uint32_t handles = testing::OwnHandleCount();
    EXPECT_EQ(RunApplication(processes_, 0, task), ActionStep::Done);
    EXPECT_EQ(child.WaitForExit(), 0u);
    EXPECT_EQ(testing::OwnHandleCount(), handles);

    // An id that belongs to no process: nothing to open, nothing left open.
    EXPECT_FALSE(processes_.EndProcess(0xFFFFFFF0));
    EXPECT_EQ(testing::OwnHandleCount(), handles);
}

}  // namespace
}  // namespace tockly
