#include "reliability/headless_program.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace klaxora::badinput {

namespace {

// The offscreen platform says this when the main window is raised at its first activation: the start
// is over and the event loop runs.
constexpr std::string_view WindowShownLine = "This plugin does not support raise()";
constexpr const char* OutputName = "output.log";

std::string readWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ino_t inodeOf(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// The test's own environment with a headless platform, the given locale, and a runtime folder of the
// program's own, so that its single-instance lock meets no other copy.
std::vector<std::string> programEnvironment(const std::string& runtimeFolder, const std::string& locale)
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view variable(*entry);
        const std::string_view name = variable.substr(0, variable.find('='));
        if (name != "QT_QPA_PLATFORM" && name != "XDG_RUNTIME_DIR" && name != "QT_LOGGING_RULES" &&
            name != "LANG" && name != "LANGUAGE" && !name.starts_with("LC_"))
            variables.emplace_back(variable);
    }
    variables.push_back("QT_QPA_PLATFORM=offscreen");
    variables.push_back("XDG_RUNTIME_DIR=" + runtimeFolder);
    variables.push_back("LC_ALL=" + locale);
    variables.push_back("LANG=" + locale);
    return variables;
}

} // namespace

HeadlessProgram::HeadlessProgram(const std::string& program, std::string folder, Timeouts timeouts)
    : folder_(std::move(folder)), program_(pathOf("klaxora")), timeouts_(timeouts)
{
    std::filesystem::create_directories(folder_);
    std::filesystem::copy_file(program, program_, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::create_directory(pathOf("runtime"));
    std::filesystem::permissions(pathOf("runtime"), std::filesystem::perms::owner_all);
}

HeadlessProgram::~HeadlessProgram()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

void HeadlessProgram::start(const std::string& locale)
{
    alarmFileBefore_ = inodeOf(pathOf("Alarms.dat"));
    result_ = Result{};
    phase_ = Phase::Starting;

    const std::vector<std::string> variables = programEnvironment(pathOf("runtime"), locale);
    std::vector<char*> environment;
    for (const std::string& variable : variables)
        environment.push_back(const_cast<char*>(variable.c_str()));
    environment.push_back(nullptr);
    char* arguments[] = {const_cast<char*>(program_.c_str()), nullptr};
    const std::string output = pathOf(OutputName);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    // The program must find its files beside itself, not in the working folder.
    posix_spawn_file_actions_addchdir_np(&actions, "/");
    const int error = posix_spawn(&pid_, program_.c_str(), &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + program_);
    }
    started_ = std::chrono::steady_clock::now();
    phaseStarted_ = started_;
}

bool HeadlessProgram::poll()
{
    if (pid_ <= 0)
        return true;
    const auto now = std::chrono::steady_clock::now();
    if (phase_ == Phase::Starting) {
        if (reaped()) {
            return WIFSIGNALED(exitStatus_) ? finished(Outcome::Crashed, WTERMSIG(exitStatus_))
                                            : finished(Outcome::EndedEarly, WEXITSTATUS(exitStatus_));
        }
        if (alarmFileRewritten() &&
            readWhole(pathOf(OutputName)).find(WindowShownLine) != std::string::npos) {
            result_.startTime = now - started_;
            ::kill(pid_, SIGTERM);
            phase_ = Phase::Ending;
            phaseStarted_ = now;
        } else if (now - started_ > timeouts_.start) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
            return finished(Outcome::HungAtStart, 0);
        }
        return false;
    }
    if (reaped()) {
        return WIFSIGNALED(exitStatus_) ? finished(Outcome::Crashed, WTERMSIG(exitStatus_))
                                        : finished(Outcome::Ended, WEXITSTATUS(exitStatus_));
    }
    if (now - phaseStarted_ > timeouts_.end) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
        return finished(Outcome::HungAtEnd, 0);
    }
    return false;
}

bool HeadlessProgram::reaped()
{
    if (::waitpid(pid_, &exitStatus_, WNOHANG) != pid_)
        return false;
    pid_ = -1;
    return true;
}

bool HeadlessProgram::finished(Outcome outcome, int status)
{
    result_.outcome = outcome;
    result_.status = status;
    result_.output = readWhole(pathOf(OutputName));
    return true;
}

bool HeadlessProgram::alarmFileRewritten() const
{
    const ino_t now = inodeOf(pathOf("Alarms.dat"));
    return now != 0 && now != alarmFileBefore_;
}

} // namespace klaxora::badinput
