#include "platform/program_environment.h"

#include <gtest/gtest.h>

#include "support/fake_outside_world.h"

namespace tockly {
namespace {

TEST(ProgramEnvironment, TheProgramFolderIsTheModulePathBeforeItsLastBackslash) {
    testing::FakeProgramEnvironment program;
    program.modulePath = u"C:\\Program Files\\Tockly\\Tockly.exe";
    EXPECT_EQ(program.ProgramFolder(), u"C:\\Program Files\\Tockly");
    program.modulePath = u"\\\\?\\UNC\\server\\share\\Tockly.exe";
    EXPECT_EQ(program.ProgramFolder(), u"\\\\?\\UNC\\server\\share");
    program.modulePath = u"Tockly.exe";
    EXPECT_EQ(program.ProgramFolder(), std::nullopt);
    program.modulePath.reset();
    EXPECT_EQ(program.ProgramFolder(), std::nullopt);
}

}  // namespace
}  // namespace tockly
