#include "command/single_instance.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace klaxora {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/klaxora-instance-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Starts a child that takes the object and then waits to be killed.
    pid_t startHolder()
    {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            SingleInstance held("Klaxora", folder);
            const char ok = held.alreadyRunning() ? 'n' : 'y';
            (void)!write(ready[1], &ok, 1);
            for (;;) {
                pause();
            }
        }
        char answer = 0;
        EXPECT_EQ(read(ready[0], &answer, 1), 1);
        EXPECT_EQ(answer, 'y');
        close(ready[0]);
        close(ready[1]);
        return pid;
    }

    std::string folder;
};

TEST_F(SingleInstanceTest, SecondStartSeesTheFirstUntilItEnds)
{
    {
        SingleInstance first("Klaxora", folder);
        EXPECT_FALSE(first.alreadyRunning());
        SingleInstance second("Klaxora", folder);
        EXPECT_TRUE(second.alreadyRunning());
        // The first still holds it after the second gave up.
        SingleInstance third("Klaxora", folder);
        EXPECT_TRUE(third.alreadyRunning());
    }
    SingleInstance afterEnd("Klaxora", folder);
    EXPECT_FALSE(afterEnd.alreadyRunning());
}

TEST_F(SingleInstanceTest, ObjectIsReleasedWhenTheHolderIsKilled)
{
    const pid_t holder = startHolder();
    {
        SingleInstance whileHeld("Klaxora", folder);
        EXPECT_TRUE(whileHeld.alreadyRunning());
    }
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    SingleInstance afterKill("Klaxora", folder);
    EXPECT_FALSE(afterKill.alreadyRunning());
}

TEST_F(SingleInstanceTest, OtherNamesAndMissingFoldersDoNotBlockTheStart)
{
    SingleInstance first("Klaxora", folder);
    SingleInstance other("SomethingElse", folder);
    EXPECT_FALSE(other.alreadyRunning());
    // The start goes on without protection when the object cannot be made at all.
    SingleInstance nowhere("Klaxora", folder + "/missing/folder");
    EXPECT_FALSE(nowhere.alreadyRunning());
}

// Without a runtime folder the lock folder in /tmp can be made first by someone else: it is used only
// when it is this user's own and closed to others, else the user's cache folder is.
TEST_F(SingleInstanceTest, ALockFolderInTheSharedFolderIsUsedOnlyWhenItIsPrivatelyTheUsers)
{
    namespace fs = std::filesystem;
    const std::string shared = folder + "/tmp";
    const std::string cache = folder + "/cache";
    const std::string ours = shared + "/klaxora-" + std::to_string(geteuid());
    const std::string fallback = cache + "/klaxora";
    ASSERT_TRUE(fs::create_directory(shared));
    const struct {
        const char* what;
        std::function<bool()> prepare; // false: cannot be arranged here
        std::string expected;
    } cases[] = {
        {"nothing there yet", [] { return true; }, ours},
        {"the user's own private folder", [&] { return mkdir(ours.c_str(), 0700) == 0; }, ours},
        {"a folder made first by another user",
         [&] { return mkdir(ours.c_str(), 0700) == 0 && chown(ours.c_str(), 65534, 65534) == 0; }, fallback},
        {"a link to a private folder",
         [&] {
             const std::string target = folder + "/elsewhere";
             return mkdir(target.c_str(), 0700) == 0 && symlink(target.c_str(), ours.c_str()) == 0;
         },
         fallback},
        {"a folder of the user's open to everyone",
         [&] { return mkdir(ours.c_str(), 0700) == 0 && chmod(ours.c_str(), 0777) == 0; }, fallback},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        fs::remove_all(ours);
        fs::remove_all(cache);
        fs::remove_all(folder + "/elsewhere");
        if (!row.prepare()) {
            // Giving a folder to another user needs root.
            std::cout << "[ skipped ] " << row.what << ": cannot be arranged by this user\n";
            continue;
        }
        const std::string chosen = SingleInstance::privateFolder(shared, cache);
        EXPECT_EQ(chosen, row.expected);
        struct stat info {};
        ASSERT_EQ(lstat(chosen.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700U);
        SingleInstance first("Klaxora", chosen);
        EXPECT_FALSE(first.alreadyRunning());
    }
}

} // namespace
} // namespace klaxora
