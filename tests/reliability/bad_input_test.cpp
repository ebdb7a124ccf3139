// The real program, started headless in folders of its own, given random and damaged "Alarms.dat" and
// "ALARM.INI" files: it never crashes or hangs, keeps every valid line, rewrites a file that loads to the
// same alarms, leaves the preferences alone, and ends cleanly on SIGTERM. The number of files, the seed
// and the parallel starts come from the environment, so that bad_input_campaign.sh can run thousands.
#include "reliability/bad_input_checks.h"
#include "reliability/bad_input_generator.h"
#include "reliability/bad_input_mutations.h"
#include "reliability/bad_input_preferences.h"
#include "reliability/headless_program.h"
#include "store/store_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <thread>

namespace klaxora::badinput {
namespace {

namespace fs = std::filesystem;
using Outcome = HeadlessProgram::Outcome;

long long environmentNumber(const char* name, long long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoll(value, nullptr, 10) : fallback;
}

struct Settings {
    int files = static_cast<int>(environmentNumber("KLAXORA_BAD_INPUT_FILES", 300));
    std::uint64_t seed = static_cast<std::uint64_t>(environmentNumber("KLAXORA_BAD_INPUT_SEED", 20260610));
    int jobs = static_cast<int>(environmentNumber("KLAXORA_BAD_INPUT_JOBS", 2));
    HeadlessProgram::Timeouts timeouts{
        std::chrono::seconds(environmentNumber("KLAXORA_BAD_INPUT_START_SECONDS", 60)),
        std::chrono::seconds(environmentNumber("KLAXORA_BAD_INPUT_END_SECONDS", 30))};
    // Failing inputs are copied here, one folder per seed.
    std::string keep = std::getenv("KLAXORA_BAD_INPUT_KEEP") != nullptr
                           ? std::getenv("KLAXORA_BAD_INPUT_KEEP")
                           : (fs::temp_directory_path() / "klaxora-bad-input-failures").string();
};

struct BadInputCase {
    std::uint64_t seed = 0;
    std::string alarms;
    KnownLines known;
    PreferencesInput preferences;
    std::string locale;
    std::string description;
};

BadInputCase makeCase(std::uint64_t seed, Day today)
{
    Random random(seed);
    BadInputCase made;
    made.seed = seed;
    ComposedFile composed = composeAlarmFile(random, today);
    made.alarms = std::move(composed.bytes);
    made.known = std::move(composed.known);
    const int roll = uniform(random, 0, 99);
    if (roll < 35)
        made.description = "composed alarm file";
    else if (roll < 90)
        made.description = "composed alarm file damaged by " + damage(random, made.alarms, 6);
    else
        made.description = "alarm file replaced by " + replaceByJunk(random, made.alarms);
    made.preferences = composePreferences(random);
    made.locale = pick(random, std::to_array<const char*>({"C", "en_US.UTF-8", "en_GB.UTF-8", "de_DE.UTF-8",
                                                           "fr_FR.UTF-8", "ja_JP.UTF-8"}));
    made.description += "; " + made.preferences.description + "; locale " + made.locale;
    return made;
}

std::string readWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWhole(const std::string& path, const std::string& contents)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
}

// Everything but the program, its runtime folder and its output goes before each start.
void placeInputs(const HeadlessProgram& program, const BadInputCase& input)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(program.pathOf("")))) {
        const std::string name = entry.path().filename().string();
        if (name != "klaxora" && name != "runtime" && name != "output.log")
            fs::remove_all(entry.path());
    }
    writeWhole(program.pathOf("Alarms.dat"), input.alarms);
    if (input.preferences.form == PreferencesInput::Form::File)
        writeWhole(program.pathOf("ALARM.INI"), input.preferences.bytes);
    else if (input.preferences.form == PreferencesInput::Form::Folder)
        fs::create_directory(program.pathOf("ALARM.INI"));
}

std::string preferencesProblem(const HeadlessProgram& program, const PreferencesInput& before)
{
    const std::string path = program.pathOf("ALARM.INI");
    switch (before.form) {
    case PreferencesInput::Form::Missing:
        return fs::exists(path) ? "ALARM.INI was created at start" : "";
    case PreferencesInput::Form::Folder:
        return fs::is_directory(path) ? "" : "the folder ALARM.INI was replaced";
    case PreferencesInput::Form::File:
        break;
    }
    return readWhole(path) == before.bytes ? "" : "ALARM.INI was changed at start";
}

std::string outcomeProblem(const HeadlessProgram::Result& result)
{
    for (const char* report : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"}) {
        if (result.output.find(report) != std::string::npos)
            return std::string("sanitizer report (") + report + ")";
    }
    switch (result.outcome) {
    case Outcome::Ended:
        return result.status == 0 ? ""
                                  : "ended after SIGTERM with exit code " + std::to_string(result.status);
    case Outcome::EndedEarly:
        return "ended by itself during start-up with exit code " + std::to_string(result.status);
    case Outcome::Crashed:
        return "ended by signal " + std::to_string(result.status) + " (" + strsignal(result.status) + ")";
    case Outcome::HungAtStart:
        return "no rewritten alarm file and shown window in time (hang)";
    case Outcome::HungAtEnd:
        return "still running long after SIGTERM (hang)";
    }
    return "unknown outcome";
}

struct Tally {
    int started = 0;
    int failed = 0;
    int crashed = 0; // ended by a signal or with a sanitizer report
    int hung = 0;
    int completeFiles = 0;
    long long keptLines = 0;
    long long droppedLines = 0;
    long long rewrittenLines = 0;
    long long inputBytes = 0;
    double slowestStart = 0;
};

class Campaign {
public:
    explicit Campaign(const Settings& settings) : settings_(settings) {}

    void run()
    {
        std::vector<std::unique_ptr<Slot>> slots;
        for (int i = 0; i < std::max(1, settings_.jobs); ++i)
            slots.push_back(std::make_unique<Slot>(folders_.path() + "/" + std::to_string(i), settings_));
        int next = 0;
        int finished = 0;
        while (finished < settings_.files) {
            // Every running program is polled, and so asked to end as soon as it is up, before any
            // check: a check can take a while, and a program left running would meet its first tick.
            std::vector<Slot*> over;
            for (const std::unique_ptr<Slot>& slot : slots) {
                if (slot->busy && slot->program.poll())
                    over.push_back(slot.get());
            }
            for (Slot* slot : over) {
                slot->busy = false;
                check(*slot);
                if (++finished % 500 == 0 && finished < settings_.files)
                    std::cout << "bad input: " << finished << " of " << settings_.files << " files, "
                              << tally_.failed << " failed" << std::endl;
            }
            for (const std::unique_ptr<Slot>& slot : slots) {
                if (!slot->busy && next < settings_.files)
                    startNext(*slot, settings_.seed + static_cast<std::uint64_t>(next++));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    const Tally& figures() const { return tally_; }

private:
    struct Slot {
        Slot(const std::string& folder, const Settings& settings)
            : program(KLAXORA_PROGRAM, folder, settings.timeouts), scratch(folder + "-store")
        {
            fs::create_directories(scratch);
        }
        HeadlessProgram program;
        std::string scratch;
        bool busy = false;
        BadInputCase input;
        Day dayBefore;
        Moment startedAt;
    };

    void startNext(Slot& slot, std::uint64_t seed)
    {
        slot.dayBefore = localToday();
        slot.startedAt = localNow();
        slot.input = makeCase(seed, slot.dayBefore);
        placeInputs(slot.program, slot.input);
        slot.program.start(slot.input.locale);
        slot.busy = true;
        ++tally_.started;
        tally_.inputBytes += static_cast<long long>(slot.input.alarms.size());
    }

    void check(Slot& slot)
    {
        const HeadlessProgram::Result result = slot.program.take();
        tally_.slowestStart = std::max(tally_.slowestStart, result.startTime.count());
        std::vector<std::string> problems;
        if (const std::string problem = outcomeProblem(result); !problem.empty()) {
            problems.push_back(problem);
            tally_.crashed += result.outcome == Outcome::Crashed || problem.find("sanitizer") == 0 ? 1 : 0;
            tally_.hung +=
                result.outcome == Outcome::HungAtStart || result.outcome == Outcome::HungAtEnd ? 1 : 0;
        }
        const std::string rewritten = readWhole(slot.program.pathOf("Alarms.dat"));
        if (result.outcome == Outcome::Ended) {
            if (const std::string problem = preferencesProblem(slot.program, slot.input.preferences);
                !problem.empty())
                problems.push_back(problem);
            const RewriteCheck check =
                checkRewrite(slot.input.alarms, rewritten, slot.input.known,
                             // A second on: the clock is read in whole seconds.
                             {slot.startedAt, localNow() + std::chrono::seconds(1)}, slot.scratch);
            problems.insert(problems.end(), check.problems.begin(), check.problems.end());
            tally_.completeFiles += check.complete ? 1 : 0;
            tally_.keptLines += check.keptLines;
            tally_.droppedLines += check.droppedLines;
            tally_.rewrittenLines += check.rewrittenLines;
        }
        if (!problems.empty())
            report(slot, result, rewritten, problems);
    }

    void report(const Slot& slot, const HeadlessProgram::Result& result, const std::string& rewritten,
                const std::vector<std::string>& problems)
    {
        ++tally_.failed;
        const std::string folder = settings_.keep + "/seed-" + std::to_string(slot.input.seed);
        fs::create_directories(folder);
        writeWhole(folder + "/Alarms.dat", slot.input.alarms);
        if (slot.input.preferences.form == PreferencesInput::Form::File)
            writeWhole(folder + "/ALARM.INI", slot.input.preferences.bytes);
        writeWhole(folder + "/rewritten.dat", rewritten);
        writeWhole(folder + "/output.log", result.output);
        std::string text;
        for (const std::string& problem : problems)
            text += "\n  " + problem;
        writeWhole(folder + "/problems.txt", slot.input.description + text + "\n");
        if (tally_.failed <= 10) {
            ADD_FAILURE() << "file " << slot.input.seed << " (" << slot.input.description << "):" << text
                          << "\n  inputs kept in " << folder
                          << "; again with KLAXORA_BAD_INPUT_SEED=" << slot.input.seed
                          << " KLAXORA_BAD_INPUT_FILES=1\n  program output:\n"
                          << result.output.substr(0, 2000);
        }
    }

    Settings settings_;
    klaxora::testing::TempFolder folders_;
    Tally tally_;
};

TEST(BadInputTest, ProgramSurvivesRandomAndDamagedFilesAndKeepsEveryValidLine)
{
    const Settings settings;
    Campaign campaign(settings);
    campaign.run();
    const Tally& figures = campaign.figures();
    std::cout << "bad input: seed " << settings.seed << ", " << figures.started << " files started, "
              << figures.failed << " failed (" << figures.crashed << " crashes, " << figures.hung
              << " hangs); " << figures.completeFiles
              << " files compared line for line with their composed meaning; known lines checked: "
              << figures.keptLines << " kept, " << figures.droppedLines << " dropped; "
              << figures.rewrittenLines << " rewritten lines checked against the store; "
              << figures.inputBytes / 1024 << " KiB of input; slowest start " << figures.slowestStart
              << " s\n";
    EXPECT_EQ(figures.failed, 0);
    EXPECT_EQ(figures.started, settings.files);
    if (settings.files >= 100) {
        // The composition must really produce what it is meant to, or the checks above check little.
        EXPECT_GT(figures.completeFiles, settings.files / 5);
        EXPECT_GT(figures.keptLines, settings.files);
        EXPECT_GT(figures.droppedLines, settings.files / 2);
    }
}

} // namespace
} // namespace klaxora::badinput
