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
    std::string IniPath() const { return folder.File("ALARM.INI"); }
    Preferences LoadFrom(const std::string& contents)
    {
        WriteFile(IniPath(), contents);
        return LoadPreferences(fs, folder.Path());
    }

    TempFolder folder;
    FaultyFileSystem fs;
};

TEST_F(PreferencesFileTest, AMissingFileGivesTheDefaultsAndTheFirstSaveCreatesIt)
{
    const Preferences loaded = LoadPreferences(fs, folder.Path());
    EXPECT_EQ(loaded.DefaultWaveFile, "");
    EXPECT_FALSE(loaded.NoAlarmSound);
    EXPECT_FALSE(loaded.UseTray);
    EXPECT_THAT(folder.Names(), ElementsAre());

    SavePreferences(fs, folder.Path(), Preferences{"/snd/ring.wav", true, false});
    EXPECT_EQ(ReadFile(IniPath()), "[Sounds]\r\nWaveFile=/snd/ring.wav\r\nSilent=1\r\n[Tray]\r\nUse=0\r\n");
    const Preferences again = LoadPreferences(fs, folder.Path());
    EXPECT_EQ(again.DefaultWaveFile, "/snd/ring.wav");
    EXPECT_TRUE(again.NoAlarmSound);
    EXPECT_FALSE(again.UseTray);
}

TEST_F(PreferencesFileTest, BooleansAreWholeNumbersAndAnythingElseIsFalse)
{
    const struct {
        const char* value;
        bool expected;
    } cases[] = {{"0", false},  {"-1", true},   {"0X1f", true}, {"0x0", false}, {"0x", false},
                 {"$10", true}, {"yes", false}, {"", false},    {"1a", false},  {"99999999999", false}};
    for (const auto& c : cases)
        EXPECT_EQ(ProfileBoolean(c.value, false), c.expected) << c.value;
    EXPECT_TRUE(LoadFrom("[Sounds]\nSilent=0x1\n[Tray]\nUse=2\n").UseTray);
    EXPECT_FALSE(LoadFrom("[Sounds]\nSilent=yes\n").NoAlarmSound);
}

TEST_F(PreferencesFileTest, SectionsAndKeysMatchWithoutCaseAndValuesAreTrimmed)
{
    const Preferences loaded =
        LoadFrom("  [ sounds ]\r\n  wavefile =  \"/a b.wav\"  \r\nSILENT\t=\t1\r\n[TRAY]\r\nuse=1");
    EXPECT_EQ(loaded.DefaultWaveFile, "/a b.wav");
    EXPECT_TRUE(loaded.NoAlarmSound);
    EXPECT_TRUE(loaded.UseTray);

    // A byte-order mark before the first section, as some Windows editors write it.
    EXPECT_TRUE(LoadFrom("\xEF\xBB\xBF[Sounds]\r\nSilent=1\r\n").NoAlarmSound);
}

TEST_F(PreferencesFileTest, ASaveKeepsEveryOtherLineAndChangesKeysInPlace)
{
    WriteFile(IniPath(), "; written by hand\n"
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
    SavePreferences(fs, folder.Path(), Preferences{"/new.wav", false, true});
    EXPECT_EQ(ReadFile(IniPath()), "; written by hand\r\n"
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
    EXPECT_EQ(LoadFrom("[Sounds]\nWaveFile=" + longPath + "\n").DefaultWaveFile,
              longPath.substr(0, 1 + 2 * 1022));
    EXPECT_EQ(LoadFrom("[Sounds]\nWaveFile=C:\\Sons\\d\xE9j\xE0.wav\n").DefaultWaveFile,
              "C:\\Sons\\déjà.wav");
}

TEST_F(PreferencesFileTest, APathWithALineBreakIsNotWritten)
{
    EXPECT_THROW(SavePreferences(fs, folder.Path(), Preferences{"/a\n[Tray]\nUse=1", false, false}),
                 PreferencesError);
    EXPECT_THAT(folder.Names(), ElementsAre());
}

} // namespace
} // namespace klaxora
