// Every file step of saving and loading "ALARM.INI" made to fail, one at a time, with every error that
// step can meet. A save that fails reports "Unable to write to <path>", leaves the file as it stood
// before the failing key byte for byte (the keys after it are not written) and leaves no temporary file;
// the next save brings it up to date. A load that cannot read a key takes that key's default.
#include "fault_errors.h"
#include "scripted_file_system.h"
#include "store/preferences_file.h"
#include "store/store_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <optional>

namespace klaxora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace klaxora::testing;

const char kHandWritten[] = "; Klaxora! settings, edited by hand\r\n"
                            "[Other]\r\n"
                            "WaveFile=not ours\r\n"
                            "\r\n"
                            "[sounds]\r\n"
                            "wavefile = /old.wav\r\n"
                            "Volume=7\r\n"
                            "silent=1\r\n"
                            "\r\n"
                            "[Tray]\n"
                            "Use=1\n";

const Preferences kNew{"/new/ring.wav", false, true};

struct IniWorld {
    std::string Path() const { return folder.File("ALARM.INI"); }
    // The file's bytes, or nothing when there is no file.
    std::optional<std::string> State() const
    {
        if (!std::filesystem::exists(Path()))
            return std::nullopt;
        return ReadFile(Path());
    }
    void Start(const std::optional<std::string>& contents) const
    {
        if (contents)
            WriteFile(Path(), *contents);
    }

    TempFolder folder;
    ScriptedFileSystem fs;
};

int SweepSave(const std::optional<std::string>& start)
{
    IniWorld healthy;
    healthy.Start(start);
    std::vector<std::optional<std::string>> stateBeforeCall;
    healthy.fs.SetBeforeCall([&] { stateBeforeCall.push_back(healthy.State()); });
    SavePreferences(healthy.fs, healthy.folder.Path(), kNew);
    const std::vector<FsCall> trace = healthy.fs.Trace();
    const std::optional<std::string> finalState = healthy.State();
    EXPECT_EQ(trace.size(), 24u) << "three keys, each read, opened, written, flushed, synced, closed, "
                                    "renamed, its folder synced";

    int points = 0;
    for (std::size_t call = 0; call < trace.size(); ++call) {
        for (const ErrorCase& error : ErrorsAt(trace[call])) {
            SCOPED_TRACE(std::string(FsCallName(trace[call])) + " (call " + std::to_string(call) +
                         ") fails with errno " + std::to_string(error.code));
            IniWorld world;
            world.Start(start);
            world.fs.FailCall(call, error.code);
            try {
                SavePreferences(world.fs, world.folder.Path(), kNew);
                ADD_FAILURE() << "a failed step was taken as success";
            } catch (const PreferencesError& failure) {
                EXPECT_EQ(failure.what(), "Unable to write to " + world.Path());
            }
            EXPECT_EQ(world.State(), stateBeforeCall[call]) << "the previous file stays byte for byte";
            if (stateBeforeCall[call]) {
                EXPECT_THAT(world.folder.Names(), ElementsAre("ALARM.INI")) << "no temporary file is left";
            } else {
                EXPECT_THAT(world.folder.Names(), IsEmpty());
            }

            world.fs.Heal();
            SavePreferences(world.fs, world.folder.Path(), kNew);
            EXPECT_EQ(world.State(), finalState) << "the next save brings the file up to date";
            ++points;
        }
    }
    return points;
}

TEST(PreferencesFaultSweep, SavingOverAHandWrittenFile)
{
    const int points = SweepSave(std::string(kHandWritten));
    ::testing::Test::RecordProperty("fault_points", points);
    std::cout << "[ fault points ] SavePreferences over a file: " << points << " faults at 24 steps\n";
}

TEST(PreferencesFaultSweep, SavingWhenThereIsNoFileYet)
{
    const int points = SweepSave(std::nullopt);
    ::testing::Test::RecordProperty("fault_points", points);
    std::cout << "[ fault points ] SavePreferences creating the file: " << points << " faults at 24 steps\n";
}

TEST(PreferencesFaultSweep, AKeyThatCannotBeReadTakesItsDefault)
{
    int points = 0;
    for (std::size_t call = 0; call < 3; ++call) {
        for (const ErrorCase& error : ErrorsAt(FsCall::Read)) {
            SCOPED_TRACE("read " + std::to_string(call) + " fails with errno " + std::to_string(error.code));
            IniWorld world;
            world.Start(std::string(kHandWritten));
            world.fs.FailCall(call, error.code);
            const Preferences loaded = LoadPreferences(world.fs, world.folder.Path());
            // Read in this order: the sound file, "Silent", then "Use".
            EXPECT_EQ(loaded.DefaultWaveFile, call == 0 ? "" : "/old.wav");
            EXPECT_EQ(loaded.NoAlarmSound, call != 1);
            EXPECT_EQ(loaded.UseTray, call != 2);
            EXPECT_THAT(world.fs.Trace(), ElementsAre(FsCall::Read, FsCall::Read, FsCall::Read));
            EXPECT_EQ(world.State(), kHandWritten);
            ++points;
        }
    }
    ::testing::Test::RecordProperty("fault_points", points);
    std::cout << "[ fault points ] LoadPreferences: " << points << " faults at 3 steps\n";
}

} // namespace
} // namespace klaxora
