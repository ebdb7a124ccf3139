#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
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
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Starts a child that takes the object and then waits to be killed.
    pid_t StartHolder()
    {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            SingleInstance held("Klaxora", folder_);
            const char ok = held.AlreadyRunning() ? 'n' : 'y';
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

    std::string folder_;
};

TEST_F(SingleInstanceTest, SecondStartSeesTheFirstUntilItEnds)
{
    {
        SingleInstance first("Klaxora", folder_);
        EXPECT_FALSE(first.AlreadyRunning());
        SingleInstance second("Klaxora", folder_);
        EXPECT_TRUE(second.AlreadyRunning());
        // The first still holds it after the second gave up.
        SingleInstance third("Klaxora", folder_);
        EXPECT_TRUE(third.AlreadyRunning());
    }
    SingleInstance afterEnd("Klaxora", folder_);
    EXPECT_FALSE(afterEnd.AlreadyRunning());
}

TEST_F(SingleInstanceTest, ObjectIsReleasedWhenTheHolderIsKilled)
{
    const pid_t holder = StartHolder();
    {
        SingleInstance whileHeld("Klaxora", folder_);
        EXPECT_TRUE(whileHeld.AlreadyRunning());
    }
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    SingleInstance afterKill("Klaxora", folder_);
    EXPECT_FALSE(afterKill.AlreadyRunning());
}

TEST_F(SingleInstanceTest, OtherNamesAndMissingFoldersDoNotBlockTheStart)
{
    SingleInstance first("Klaxora", folder_);
    SingleInstance other("SomethingElse", folder_);
    EXPECT_FALSE(other.AlreadyRunning());
    // The start goes on without protection when the object cannot be made at all.
    SingleInstance nowhere("Klaxora", folder_ + "/missing/folder");
    EXPECT_FALSE(nowhere.AlreadyRunning());
}

} // namespace
} // namespace klaxora
