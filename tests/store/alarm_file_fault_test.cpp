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

const char OldFile[] = "08:00am^old^^3^06/11/2026^^0\r\n";

class AlarmFileFaultTest : public StoreTest {
protected:
    void SetUp() override
    {
        writeFile(alarmFile(), OldFile);
        store.loadFromDisk();
        store.addAlarm("09:00am", "06/12/2026", "new", "", 0);
    }
};

TEST_F(AlarmFileFaultTest, AWriteThatFailsPartWayLeavesTheOldFileAndIsCaughtUpByTheNext)
{
    fs.failAt(FileStep::Write, ENOSPC);
    try {
        store.writeToDisk();
        ADD_FAILURE() << "a failed write was taken as success";
    } catch (const InOutError& failure) {
        EXPECT_STREQ(failure.what(), "Disk full");
    }
    EXPECT_EQ(alarmFileText(), OldFile);
    EXPECT_THAT(folder.names(), ElementsAre("Alarms.dat")) << "no temporary file is left behind";
    EXPECT_THAT(rowIds(), ElementsAre(1, 2));

    fs.heal();
    store.writeToDisk();
    EXPECT_EQ(alarmFileText(), std::string(OldFile) + "09:00am^new^^3^06/12/2026^^0\r\n");
}

TEST_F(AlarmFileFaultTest, AFailedReadStillFinishesTheStartedReset)
{
    observer.clear();
    fs.failAt(FileStep::Read, EIO);
    EXPECT_THROW(store.loadFromDisk(), InOutError);
    EXPECT_EQ(store.baseAlarmList().count(), 0);
    EXPECT_EQ(observer.events(), "reset;end reset;") << "a list view would be left half reset";
}

TEST_F(AlarmFileFaultTest, AnAlarmAddedWhileTheFileIsUnreadIsKeptAndSavedWithItOnceItReads)
{
    fs.failAt(FileStep::Read, EIO);
    EXPECT_THROW(store.loadFromDisk(), InOutError);
    // An alarm added meanwhile must not replace the alarms that could not be read,
    store.addAlarm("10:00am", "06/12/2026", "meanwhile", "", 0);
    EXPECT_THROW(store.writeToDisk(), UnreadAlarmFileError);
    EXPECT_EQ(alarmFileText(), OldFile);
    // nor be dropped by a read that fails again,
    EXPECT_THROW(store.loadFromDisk(), InOutError);
    EXPECT_EQ(store.baseAlarmList().count(), 1);

    // and joins the file's alarms once it reads.
    fs.heal();
    store.loadFromDisk();
    EXPECT_EQ(alarmFileText(), std::string(OldFile) + "10:00am^meanwhile^^3^06/12/2026^^0\r\n");
    EXPECT_THAT(rowIds(), ElementsAre(1, 2));
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
        writeFile(folder.file(name), "half a save");

    store.loadFromDisk();
    EXPECT_THAT(folder.names(),
                UnorderedElementsAre("Alarms.dat", own, "Alarms.dat.1-0.tmp", "Alarms.dat.notes.tmp",
                                     "ALARM.INI." + std::to_string(ended) + "-2.tmp"));
    EXPECT_EQ(loadPreferences(fs, folder.path()).useTray, false);
    EXPECT_EQ(folder.names().size(), 4U) << "the preferences' leftover goes when they are read";
}

TEST_F(AlarmFileFaultTest, AWriteIntoAReadOnlyFolderIsDenied)
{
    chmod(folder.path().c_str(), 0555);
    writeFile(folder.file("probe"), "x");
    if (std::filesystem::exists(folder.file("probe")))
        GTEST_SKIP() << "permission bits do not stop this user (root); the reliability sweep covers EACCES "
                        "through the file system seam";
    try {
        store.writeToDisk();
        ADD_FAILURE();
    } catch (const InOutError& failure) {
        EXPECT_STREQ(failure.what(), "File access denied");
    }
    EXPECT_EQ(alarmFileText(), OldFile);
}

TEST_F(AlarmFileFaultTest, TheReplacedFileKeepsItsPermissions)
{
    chmod(alarmFile().c_str(), 0640);
    store.writeToDisk();
    struct stat info {};
    ASSERT_EQ(stat(alarmFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

} // namespace
} // namespace klaxora
