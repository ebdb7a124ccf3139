// The file seam's every step and error are swept in tests/reliability; these are the cases a user meets.
#include "store/alarm_store.h"
#include "store/io_error.h"
#include "store/preferences_file.h"
#include "store_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace klaxora {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using namespace klaxora::testing;

const char kOldFile[] = "08:00am^old^^3^06/11/2026^^0\r\n";

class AlarmFileFaultTest : public StoreTest {
protected:
    void SetUp() override
    {
        WriteFile(AlarmFile(), kOldFile);
        store.LoadFromDisk();
        store.AddAlarm("09:00am", "06/12/2026", "new", "", 0);
    }
};

TEST_F(AlarmFileFaultTest, AWriteThatFailsPartWayLeavesTheOldFileAndIsCaughtUpByTheNext)
{
    fs.FailAt(FileStep::Write, ENOSPC);
    try {
        store.WriteToDisk();
        ADD_FAILURE() << "a failed write was taken as success";
    } catch (const InOutError& failure) {
        EXPECT_STREQ(failure.what(), "Disk full");
    }
    EXPECT_EQ(ReadFile(AlarmFile()), kOldFile);
    EXPECT_THAT(folder.Names(), ElementsAre("Alarms.dat")) << "no temporary file is left behind";
    EXPECT_THAT(RowIds(), ElementsAre(1, 2));

    fs.Heal();
    store.WriteToDisk();
    EXPECT_EQ(ReadFile(AlarmFile()), std::string(kOldFile) + "09:00am^new^^3^06/12/2026^^0\r\n");
}

TEST_F(AlarmFileFaultTest, AFailedReadStillFinishesTheStartedReset)
{
    observer.Clear();
    fs.FailAt(FileStep::Read, EIO);
    EXPECT_THROW(store.LoadFromDisk(), InOutError);
    EXPECT_EQ(store.BaseAlarmList().Count(), 0);
    EXPECT_EQ(observer.Events(), "reset;end reset;") << "a list view would be left half reset";
}

TEST_F(AlarmFileFaultTest, AnAlarmAddedWhileTheFileIsUnreadIsKeptAndSavedWithItOnceItReads)
{
    fs.FailAt(FileStep::Read, EIO);
    EXPECT_THROW(store.LoadFromDisk(), InOutError);
    // An alarm added meanwhile must not replace the alarms that could not be read,
    store.AddAlarm("10:00am", "06/12/2026", "meanwhile", "", 0);
    EXPECT_THROW(store.WriteToDisk(), UnreadAlarmFileError);
    EXPECT_EQ(ReadFile(AlarmFile()), kOldFile);
    // nor be dropped by a read that fails again,
    EXPECT_THROW(store.LoadFromDisk(), InOutError);
    EXPECT_EQ(store.BaseAlarmList().Count(), 1);

    // and joins the file's alarms once it reads.
    fs.Heal();
    store.LoadFromDisk();
    EXPECT_EQ(ReadFile(AlarmFile()), std::string(kOldFile) + "10:00am^meanwhile^^3^06/12/2026^^0\r\n");
    EXPECT_THAT(RowIds(), ElementsAre(1, 2));
}

TEST_F(AlarmFileFaultTest, ALoadRemovesTemporariesOfSavesKilledHalfWay)
{
    // A process that has ended, this process, and a process that runs (init).
    const pid_t ended = fork();
    if (ended == 0)
        _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string dead = "Alarms.dat." + std::to_string(ended) + "-7.tmp";
    const std::string own = "Alarms.dat." + std::to_string(getpid()) + "-1.tmp";
    for (const std::string& name :
         {dead, own, std::string("Alarms.dat.1-0.tmp"), std::string("Alarms.dat.notes.tmp"),
          std::string("ALARM.INI." + std::to_string(ended) + "-2.tmp")})
        WriteFile(folder.File(name), "half a save");

    store.LoadFromDisk();
    EXPECT_THAT(folder.Names(),
                UnorderedElementsAre("Alarms.dat", own, "Alarms.dat.1-0.tmp", "Alarms.dat.notes.tmp",
                                     "ALARM.INI." + std::to_string(ended) + "-2.tmp"));
    EXPECT_EQ(LoadPreferences(fs, folder.Path()).UseTray, false);
    EXPECT_EQ(folder.Names().size(), 4U) << "the preferences' leftover goes when they are read";
}

TEST_F(AlarmFileFaultTest, AWriteIntoAReadOnlyFolderIsDenied)
{
    chmod(folder.Path().c_str(), 0555);
    WriteFile(folder.File("probe"), "x");
    if (std::filesystem::exists(folder.File("probe")))
        GTEST_SKIP() << "permission bits do not stop this user (root); the reliability sweep covers EACCES "
                        "through the file system seam";
    try {
        store.WriteToDisk();
        ADD_FAILURE();
    } catch (const InOutError& failure) {
        EXPECT_STREQ(failure.what(), "File access denied");
    }
    EXPECT_EQ(ReadFile(AlarmFile()), kOldFile);
}

TEST_F(AlarmFileFaultTest, TheReplacedFileKeepsItsPermissions)
{
    chmod(AlarmFile().c_str(), 0640);
    store.WriteToDisk();
    struct stat info {};
    ASSERT_EQ(stat(AlarmFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

} // namespace
} // namespace klaxora
