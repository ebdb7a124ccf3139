#include "store/files_folder.h"
#include "store/program_directory.h"
#include "store/store_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace klaxora {
namespace {

TEST(ProgramDirectory, FolderPartKeepsOneTrailingSeparator)
{
    EXPECT_EQ(directoryOfPath("C:\\PROGRAMS\\KLAXORA\\KLAXORA.EXE", '\\'), "C:\\PROGRAMS\\KLAXORA\\");
    EXPECT_EQ(directoryOfPath("C:\\KLAXORA.EXE", '\\'), "C:\\") << "a drive's root gets no second backslash";
    EXPECT_EQ(directoryOfPath("/opt/klaxora/bin/klaxora", '/'), "/opt/klaxora/bin/");
    EXPECT_EQ(directoryOfPath("/klaxora", '/'), "/");
    EXPECT_EQ(directoryOfPath("/home/jörg/Wecker ⏰/klaxora", '/'), "/home/jörg/Wecker ⏰/");
}

TEST(ProgramDirectory, IsTheFolderOfThisTestProgram)
{
    const std::string folder = programDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::is_regular_file(folder + "store_program_directory_tests"));
}

} // namespace
} // namespace klaxora

namespace klaxora::testing {
namespace {

// One start of the program: which files stand where before it, which folder it cannot write or make,
// and where its files must then be kept.
struct FolderCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> besideProgram; // name, contents
    std::vector<std::pair<std::string, std::string>> inUserFolder;
    bool programFolderReadOnly;
    bool userFolderCannotBeMade;
    bool keptInUserFolder;
    // What the chosen folder holds afterwards, name and contents.
    std::vector<std::pair<std::string, std::string>> expected;
};

TEST(FilesFolder, PortableCopiesKeepTheirFilesAndInstalledOnesMoveToTheUsersFolder)
{
    const std::pair<std::string, std::string> alarms{"Alarms.dat", "09:00am^Dentist^^3^03/17/2027^^0\r\n"};
    const std::pair<std::string, std::string> ini{"ALARM.INI", "[Sounds]\r\nSilent=1\r\n"};
    const std::pair<std::string, std::string> ownAlarms{"Alarms.dat", "08:00am^Own^^3^03/18/2027^^0\r\n"};
    const FolderCase cases[] = {
        {"a writable program folder keeps its files",
         {alarms, ini},
         {ownAlarms},
         false,
         false,
         false,
         {alarms, ini}},
        {"read-only, nothing beside it: an empty folder of the user's", {}, {}, true, false, true, {}},
        {"read-only with files beside it: both brought along",
         {alarms, ini},
         {},
         true,
         false,
         true,
         {alarms, ini}},
        {"the user's own file wins, the missing one is brought along",
         {alarms, ini},
         {ownAlarms},
         true,
         false,
         true,
         {ownAlarms, ini}},
        {"no folder of the user's can be made: the files stay readable where they are",
         {alarms},
         {},
         true,
         true,
         false,
         {alarms}},
    };
    for (const FolderCase& test : cases) {
        SCOPED_TRACE(test.what);
        TempFolder scratch;
        const std::string program = scratch.path() + "/opt/";
        const std::string user = scratch.path() + "/home/.local/share/klaxora/";
        std::filesystem::create_directories(program);
        for (const auto& [name, contents] : test.besideProgram)
            writeFile(program + name, contents);
        if (!test.inUserFolder.empty())
            std::filesystem::create_directories(user);
        for (const auto& [name, contents] : test.inUserFolder)
            writeFile(user + name, contents);
        FaultyFileSystem fs;
        if (test.programFolderReadOnly)
            fs.failAt(FileStep::Open, EROFS, program);
        if (test.userFolderCannotBeMade)
            fs.failAt(FileStep::MakeFolder, EACCES, scratch.path() + "/home");

        const std::string chosen = chooseFilesFolder(fs, program, user);

        EXPECT_EQ(chosen, test.keptInUserFolder ? user : program);
        std::vector<std::pair<std::string, std::string>> held;
        for (const auto& entry : std::filesystem::directory_iterator(chosen))
            held.emplace_back(entry.path().filename().string(), readFile(entry.path().string()));
        std::sort(held.begin(), held.end());
        auto expected = test.expected;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(held, expected);
        for (const auto& [name, contents] : test.besideProgram)
            EXPECT_EQ(readFile(program + name), contents) << "the files beside the program stay as they were";
        if (test.keptInUserFolder && test.inUserFolder.empty()) {
            const auto mode = std::filesystem::status(user).permissions();
            EXPECT_EQ(mode & std::filesystem::perms::all, std::filesystem::perms::owner_all)
                << "a new folder of the user's is the user's alone";
        }
    }
}

} // namespace
} // namespace klaxora::testing
