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

const char HandWritten[] = "; Klaxora! settings, edited by hand\r\n"
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

const Preferences NewPreferences{"/new/ring.wav", false, true};

struct IniWorld {
    std::string path() const { return folder.file("ALARM.INI"); }
    // The file's bytes, or nothing when there is no file.
    std::optional<std::string> state() const
    {
        if (!std::filesystem::exists(path()))
            return std::nullopt;
        return readFile(path());
    }
    void start(const std::optional<std::string>& contents) const
    {
        if (contents)
            writeFile(path(), *contents);
    }

    TempFolder folder;
    ScriptedFileSystem fs;
};

int sweepSave(const std::optional<std::string>& start)
{
    IniWorld healthy;
    healthy.start(start);
    std::vector<std::optional<std::string>> stateBeforeCall;
    healthy.fs.setBeforeCall([&] { stateBeforeCall.push_back(healthy.state()); });
    savePreferences(healthy.fs, healthy.folder.path(), NewPreferences);
    const std::vector<FsCall> trace = healthy.fs.trace();
    const std::optional<std::string> finalState = healthy.state();
    EXPECT_EQ(trace.size(), 24u) << "three keys, each read, opened, written, flushed, synced, closed, "
                                    "renamed, its folder synced";

    int points = 0;
    for (std::size_t call = 0; call < trace.size(); ++call) {
        for (const ErrorCase& error : errorsAt(trace[call])) {
            SCOPED_TRACE(std::string(fsCallName(trace[call])) + " (call " + std::to_string(call) +
                         ") fails with errno " + std::to_string(error.code));
            IniWorld world;
            world.start(start);
            world.fs.failCall(call, error.code);
            try {
                savePreferences(world.fs, world.folder.path(), NewPreferences);
                ADD_FAILURE() << "a failed step was taken as success";
            } catch (const PreferencesError& failure) {
                EXPECT_EQ(failure.what(), "Unable to write to " + world.path());
            }
            EXPECT_EQ(world.state(), stateBeforeCall[call]) << "the previous file stays byte for byte";
            if (stateBeforeCall[call]) {
                EXPECT_THAT(world.folder.names(), ElementsAre("ALARM.INI")) << "no temporary file is left";
            } else {
                EXPECT_THAT(world.folder.names(), IsEmpty());
            }

            world.fs.heal();
            savePreferences(world.fs, world.folder.path(), NewPreferences);
            EXPECT_EQ(world.state(), finalState) << "the next save brings the file up to date";
            ++points;
        }
    }
    return points;
}

TEST(PreferencesFaultSweep, SavingOverAHandWrittenFile)
{
    const int points = sweepSave(std::string(HandWritten));
    ::testing::Test::RecordProperty("fault_points", points);
    std::cout << "[ fault points ] SavePreferences over a file: " << points << " faults at 24 steps\n";
}

TEST(PreferencesFaultSweep, SavingWhenThereIsNoFileYet)
{
    const int points = sweepSave(std::nullopt);
    ::testing::Test::RecordProperty("fault_points", points);
    std::cout << "[ fault points ] SavePreferences creating the file: " << points << " faults at 24 steps\n";
}

TEST(PreferencesFaultSweep, AKeyThatCannotBeReadTakesItsDefault)
{
    int points = 0;
    for (std::size_t call = 0; call < 3; ++call) {
        for (const ErrorCase& error : errorsAt(FsCall::Read)) {
            SCOPED_TRACE("read " + std::to_string(call) + " fails with errno " + std::to_string(error.code));
            IniWorld world;
            world.start(std::string(HandWritten));
            world.fs.failCall(call, error.code);
            const Preferences loaded = loadPreferences(world.fs, world.folder.path());
            // Read in this order: the sound file, "Silent", then "Use".
            EXPECT_EQ(loaded.defaultWaveFile, call == 0 ? "" : "/old.wav");
            EXPECT_EQ(loaded.noAlarmSound, call != 1);
            EXPECT_EQ(loaded.useTray, call != 2);
            EXPECT_THAT(world.fs.trace(), ElementsAre(FsCall::Read, FsCall::Read, FsCall::Read));
            EXPECT_EQ(world.state(), HandWritten);
            ++points;
        }
    }
    ::testing::Test::RecordProperty("fault_points", points);
    std::cout << "[ fault points ] LoadPreferences: " << points << " faults at 3 steps\n";
}

} // namespace
} // namespace klaxora
