// A child process saves alarms and preferences in a loop and is killed with SIGKILL at a random moment,
// hundreds of times. After every kill each file must be one that a finished save wrote, the one before
// the kill or the one after it, never a mix, never empty, and must load.
#include "crash_generations.h"
#include "store/alarm_store.h"
#include "store/preferences_file.h"
#include "store/store_test_support.h"
#include "support/alarm_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace klaxora {
namespace {

using namespace klaxora::testing;

struct Saver {
    explicit Saver(const std::string& folder) : formats(usUser()), store(clock, formats, folder, fileSystem)
    {
    }
    FakeClock clock{at(2026, 6, 10, 12, 0)};
    DateTimeFormats formats;
    PosixFileSystem fileSystem;
    AlarmStore store;
};

// The child: starts as the program does (a load, which rewrites the file), then saves generation after
// generation and tells the parent each one it finished. Never returns.
[[noreturn]] void saveForever(const std::string& folder, std::int64_t generation, int reportFd)
{
    try {
        Saver saver(folder);
        saver.store.loadFromDisk();
        for (;;) {
            ++generation;
            while (saver.store.rows().count() > 0)
                saver.store.deleteAlarm(saver.store.rows().count() - 1);
            for (int k = 0; k < lineCount(generation); ++k) {
                const AlarmTexts a = alarmOf(generation, k);
                saver.store.addAlarm(a.time, a.date, a.message, a.wave,
                                     static_cast<AlarmMode>(a.mode[0] - '0'));
            }
            saver.store.writeToDisk();
            savePreferences(saver.fileSystem, folder, preferencesOf(generation));
            if (write(reportFd, &generation, sizeof generation) != sizeof generation)
                _exit(4);
        }
    } catch (...) {
        _exit(3);
    }
}

struct CrashStats {
    int runs = 0;
    int corruptFiles = 0;
    int killedBeforeFirstSave = 0;
    int killedAfterRenameBeforeReport = 0;
    int halfSavedPreferences = 0;
    std::int64_t generations = 0;
    int temporaryFilesLeft = 0;
};

struct RunningSaver {
    pid_t pid;
    int reports; // read end of the pipe on which the saver reports each finished generation
};

std::optional<RunningSaver> startSaver(const std::string& folder, std::int64_t generation)
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        saveForever(folder, generation, fds[1]);
    }
    close(fds[1]);
    if (child < 0) {
        close(fds[0]);
        return std::nullopt;
    }
    return RunningSaver{child, fds[0]};
}

// Kills the saver and returns the last generation it reported, or `generation` when it reported none.
std::int64_t killSaver(const RunningSaver& saver, std::int64_t generation)
{
    kill(saver.pid, SIGKILL);
    int status = 0;
    waitpid(saver.pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself, status " << status;
    for (std::int64_t g = 0; read(saver.reports, &g, sizeof g) == sizeof g;)
        generation = g;
    close(saver.reports);
    return generation;
}

void putGeneration(const std::string& folder, std::int64_t generation)
{
    writeFile(folder + "/Alarms.dat", alarmFileOf(generation));
    writeFile(folder + "/ALARM.INI", iniFileOf(iniValuesOf(generation)));
}

// Twice the time from a saver's start to its third finished generation (the shortest of three tries,
// measured in a folder of its own): the kills are spread over that span, so that they fall into the start and
// into every phase of a save however fast this build and this folder are.
std::chrono::microseconds killSpan(const std::string& folder)
{
    const std::string calibration = folder + "/calibration";
    std::filesystem::create_directory(calibration);
    auto shortest = std::chrono::microseconds::max();
    for (int attempt = 0; attempt < 3; ++attempt) {
        putGeneration(calibration, 0);
        const auto start = std::chrono::steady_clock::now();
        const std::optional<RunningSaver> saver = startSaver(calibration, 0);
        if (!saver)
            break;
        std::int64_t reported = 0;
        while (reported < 3 && read(saver->reports, &reported, sizeof reported) == sizeof reported) {
        }
        shortest = std::min(shortest, std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::chrono::steady_clock::now() - start));
        killSaver(*saver, 0);
    }
    std::filesystem::remove_all(calibration);
    return shortest == std::chrono::microseconds::max() ? std::chrono::milliseconds(10) : 2 * shortest;
}

struct RunLimits {
    int minimum;
    int maximum;
    std::chrono::seconds budget; // more than the minimum only while the budget lasts
};

CrashStats killSaversAtRandom(const std::string& folder, RunLimits limits, unsigned seed)
{
    const std::string alarmPath = folder + "/Alarms.dat";
    const std::string iniPath = folder + "/ALARM.INI";
    const std::chrono::microseconds span = killSpan(folder);
    std::int64_t generation = 0;
    IniValues ini = iniValuesOf(0);
    putGeneration(folder, 0);

    std::mt19937 random(seed);
    CrashStats stats;
    const auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < limits.maximum &&
                      (run < limits.minimum || std::chrono::steady_clock::now() - start < limits.budget);
         ++run) {
        const std::optional<RunningSaver> saver = startSaver(folder, generation);
        if (!saver) {
            ADD_FAILURE() << "the saver could not be started";
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (span.count() + 1)));
        const std::int64_t reported = killSaver(*saver, generation);
        stats.killedBeforeFirstSave += reported == generation ? 1 : 0;
        // Generation reported+1 may have been renamed into place before it could be reported.
        // The seven fields: each run's saver gives its alarms identities of its own.
        const std::string alarms = test::withoutUids(readFile(alarmPath));
        const bool advanced = alarms == alarmFileOf(reported + 1);
        const IniValues before = reported == generation ? ini : iniValuesOf(reported);
        IniValues next = before;
        std::vector<IniValues> allowed{before};
        if (advanced) {
            for (std::size_t key = 0; key < 3; ++key) {
                next[key] = iniValuesOf(reported + 1)[key];
                allowed.push_back(next);
            }
        }
        const std::string iniText = readFile(iniPath);
        const auto match = std::find_if(allowed.begin(), allowed.end(),
                                        [&](const IniValues& v) { return iniFileOf(v) == iniText; });
        if ((!advanced && alarms != alarmFileOf(reported)) || match == allowed.end()) {
            ++stats.corruptFiles;
            ADD_FAILURE() << "run " << run << " (seed " << seed << "): after generation " << reported
                          << " the files are\n"
                          << alarms.substr(0, 300) << "\n---\n"
                          << iniText;
            break;
        }
        stats.killedAfterRenameBeforeReport += advanced ? 1 : 0;
        stats.halfSavedPreferences += (*match != iniValuesOf(reported + (advanced ? 1 : 0))) ? 1 : 0;
        generation = reported + (advanced ? 1 : 0);
        ini = *match;

        // The next start loads what is there.
        Saver reader(folder);
        reader.store.loadFromDisk();
        EXPECT_EQ(reader.store.baseAlarmList().count(), lineCount(generation));
        EXPECT_EQ(loadPreferences(reader.fileSystem, folder).defaultWaveFile, ini[0]);
        ++stats.runs;
    }
    stats.generations = generation;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        stats.temporaryFilesLeft += entry.path().extension() == ".tmp" ? 1 : 0;
    return stats;
}

void report(const char* where, const CrashStats& stats)
{
    ::testing::Test::RecordProperty("sigkill_runs", stats.runs);
    ::testing::Test::RecordProperty("corrupt_files", stats.corruptFiles);
    std::cout << "[ crash runs ] " << where << ": " << stats.runs << " SIGKILL runs, " << stats.corruptFiles
              << " corrupt files; " << stats.generations << " generations saved, "
              << stats.killedBeforeFirstSave << " kills before the first save of a run, "
              << stats.killedAfterRenameBeforeReport
              << " with a new alarm file but the generation unfinished, " << stats.halfSavedPreferences
              << " with ALARM.INI between two keys; " << stats.temporaryFilesLeft
              << " temporary files left behind\n";
}

// A folder in memory when there is one: writes take microseconds instead of a disk's milliseconds, so the
// kills fall into every phase of a save. What SIGKILL leaves behind does not depend on the kind of folder.
std::string memoryBackedBase()
{
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return std::filesystem::temp_directory_path().string();
}

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& base)
    {
        std::string pattern = base + "/klaxora-crash-XXXXXX";
        path_ = mkdtemp(pattern.data()) != nullptr ? pattern : "";
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST(CrashConsistency, SavesKilledAtRandomMomentsLeaveTheOldOrTheNewFiles)
{
    const ScratchFolder folder(memoryBackedBase());
    ASSERT_FALSE(folder.path().empty());
    const unsigned seed = std::random_device{}();
    const CrashStats stats = killSaversAtRandom(folder.path(), {300, 600, std::chrono::seconds(10)}, seed);
    report("memory folder", stats);
    EXPECT_GE(stats.runs, 300);
    EXPECT_EQ(stats.corruptFiles, 0);
    EXPECT_LT(stats.killedBeforeFirstSave, stats.runs * 3 / 4) << "most kills should fall after a save";
}

TEST(CrashConsistency, SavesOnADiskFolderKilledWhileTheyWait)
{
    TempFolder folder;
    const unsigned seed = std::random_device{}();
    const CrashStats stats = killSaversAtRandom(folder.path(), {40, 40, std::chrono::seconds(0)}, seed);
    report("disk folder", stats);
    EXPECT_EQ(stats.runs, 40);
    EXPECT_EQ(stats.corruptFiles, 0);
}

} // namespace
} // namespace klaxora
