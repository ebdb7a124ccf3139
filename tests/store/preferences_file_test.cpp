#include "store/preferences_file.h"
#include "store/profile_file.h"
#include "store_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

using ::testing::ElementsAre;
using namespace klaxora::testing;

class PreferencesFileTest : public ::testing::Test {
protected:
    std::string iniPath() const { return folder.file("ALARM.INI"); }
    Preferences loadFrom(const std::string& contents)
    {
        writeFile(iniPath(), contents);
        return loadPreferences(fs, folder.path());
    }

    TempFolder folder;
    FaultyFileSystem fs;
};

TEST_F(PreferencesFileTest, AMissingFileGivesTheDefaultsAndTheFirstSaveCreatesIt)
{
    const Preferences loaded = loadPreferences(fs, folder.path());
    EXPECT_EQ(loaded.defaultWaveFile, "");
    EXPECT_FALSE(loaded.noAlarmSound);
    EXPECT_FALSE(loaded.useTray);
    EXPECT_THAT(folder.names(), ElementsAre());

    savePreferences(fs, folder.path(), Preferences{"/snd/ring.wav", true, false});
    EXPECT_EQ(readFile(iniPath()), "[Sounds]\r\nWaveFile=/snd/ring.wav\r\nSilent=1\r\n[Tray]\r\nUse=0\r\n");
    const Preferences again = loadPreferences(fs, folder.path());
    EXPECT_EQ(again.defaultWaveFile, "/snd/ring.wav");
    EXPECT_TRUE(again.noAlarmSound);
    EXPECT_FALSE(again.useTray);
}

TEST_F(PreferencesFileTest, BooleansAreWholeNumbersAndAnythingElseIsFalse)
{
    const struct {
        const char* value;
        bool expected;
    } cases[] = {{"0", false},  {"-1", true},   {"0X1f", true}, {"0x0", false}, {"0x", false},
                 {"$10", true}, {"yes", false}, {"", false},    {"1a", false},  {"99999999999", false}};
    for (const auto& c : cases)
        EXPECT_EQ(profileBoolean(c.value, false), c.expected) << c.value;
    EXPECT_TRUE(loadFrom("[Sounds]\nSilent=0x1\n[Tray]\nUse=2\n").useTray);
    EXPECT_FALSE(loadFrom("[Sounds]\nSilent=yes\n").noAlarmSound);
}

TEST_F(PreferencesFileTest, SectionsAndKeysMatchWithoutCaseAndValuesAreTrimmed)
{
    const Preferences loaded =
        loadFrom("  [ sounds ]\r\n  wavefile =  \"/a b.wav\"  \r\nSILENT\t=\t1\r\n[TRAY]\r\nuse=1");
    EXPECT_EQ(loaded.defaultWaveFile, "/a b.wav");
    EXPECT_TRUE(loaded.noAlarmSound);
    EXPECT_TRUE(loaded.useTray);

    // A byte-order mark before the first section, as some Windows editors write it.
    EXPECT_TRUE(loadFrom("\xEF\xBB\xBF[Sounds]\r\nSilent=1\r\n").noAlarmSound);
}

TEST_F(PreferencesFileTest, ASaveKeepsEveryOtherLineAndChangesKeysInPlace)
{
    writeFile(iniPath(), "; written by hand\n"
                         "[Other]\n"
                         "WaveFile=not this one\n"
                         "\n"
                         "[sounds]\n"
                         "; the sound for new alarms\n"
                         "wavefile=/old.wav\n"
                         "Volume=7\n"
                         "\n"
                         "[Last]\n"
                         "x=y\n");
    savePreferences(fs, folder.path(), Preferences{"/new.wav", false, true});
    EXPECT_EQ(readFile(iniPath()), "; written by hand\r\n"
                                   "[Other]\r\n"
                                   "WaveFile=not this one\r\n"
                                   "\r\n"
                                   "[sounds]\r\n"
                                   "; the sound for new alarms\r\n"
                                   "wavefile=/new.wav\r\n"
                                   "Volume=7\r\n"
                                   "Silent=0\r\n"
                                   "\r\n"
                                   "[Last]\r\n"
                                   "x=y\r\n"
                                   "[Tray]\r\n"
                                   "Use=1\r\n");
}

TEST_F(PreferencesFileTest, TextIsReadUpTo1023CharactersAndWindows1252LinesAreConverted)
{
    std::string longPath = "/";
    for (int i = 0; i < 1100; ++i)
        longPath += "é";
    EXPECT_EQ(loadFrom("[Sounds]\nWaveFile=" + longPath + "\n").defaultWaveFile,
              longPath.substr(0, 1 + 2 * 1022));
    EXPECT_EQ(loadFrom("[Sounds]\nWaveFile=C:\\Sons\\d\xE9j\xE0.wav\n").defaultWaveFile,
              "C:\\Sons\\déjà.wav");
}

TEST_F(PreferencesFileTest, APathWithALineBreakIsNotWritten)
{
    EXPECT_THROW(savePreferences(fs, folder.path(), Preferences{"/a\n[Tray]\nUse=1", false, false}),
                 PreferencesError);
    EXPECT_THAT(folder.names(), ElementsAre());
}

} // namespace
} // namespace klaxora
