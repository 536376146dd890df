// The language folder and the skin bitmap files are found beside the program through the one
// lookup of the program's folder, ProgramEnvironment::ProgramFolder.

#include <gtest/gtest.h>

#include "platform/win32_program_environment.h"
#include "shell/language_table.h"
#include "support/fake_outside_world.h"
#include "support/wide_text.h"
#include "toolkit/skin_cache.h"

namespace tockly {
namespace {

TEST(ProgramFolder, LanguageFilesAndSkinFilesComeFromTheSeamsProgramFolder) {
    testing::FakeProgramEnvironment program;
    program.modulePath = u"D:\\Apps\\Tockly\\Tockly.exe";
    EXPECT_EQ(LanguageTable(program).LanguageFolder(), u"D:\\Apps\\Tockly\\language");
    SetSkinFileFolder(program);
    EXPECT_EQ(SkinFilePath(L"data\\bitmaps\\40_bkg.bmp"),
              L"D:\\Apps\\Tockly\\data\\bitmaps\\40_bkg.bmp");
    EXPECT_EQ(SkinFilePath(L"C:\\elsewhere.bmp"), L"C:\\elsewhere.bmp") << "absolute names stay";

    // Until the start-up sets a folder, the real seam is asked.
    SetSkinFileFolder(std::wstring());
    Win32ProgramEnvironment real;
    ASSERT_TRUE(real.ProgramFolder().has_value());
    EXPECT_EQ(SkinFilePath(L"a.bmp"), ToWide(*real.ProgramFolder()) + L"\\a.bmp");
}

}  // namespace
}  // namespace tockly
