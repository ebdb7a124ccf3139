#include "store/program_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace klaxora {
namespace {

TEST(ProgramDirectory, FolderPartKeepsOneTrailingSeparator)
{
    EXPECT_EQ(DirectoryOfPath("C:\\PROGRAMS\\KLAXORA\\KLAXORA.EXE", '\\'), "C:\\PROGRAMS\\KLAXORA\\");
    EXPECT_EQ(DirectoryOfPath("C:\\KLAXORA.EXE", '\\'), "C:\\") << "a drive's root gets no second backslash";
    EXPECT_EQ(DirectoryOfPath("/opt/klaxora/bin/klaxora", '/'), "/opt/klaxora/bin/");
    EXPECT_EQ(DirectoryOfPath("/klaxora", '/'), "/");
    EXPECT_EQ(DirectoryOfPath("/home/jörg/Wecker ⏰/klaxora", '/'), "/home/jörg/Wecker ⏰/");
}

TEST(ProgramDirectory, IsTheFolderOfThisTestProgram)
{
    const std::string folder = ProgramDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::is_regular_file(folder + "store_program_directory_tests"));
}

} // namespace
} // namespace klaxora
