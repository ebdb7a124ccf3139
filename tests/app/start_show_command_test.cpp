#include "app/start_show_command.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

TEST(StartShowCommand, IconicAsksForAMinimisedStart)
{
    const char* iconic[] = {"klaxora", "-iconic"};
    EXPECT_TRUE(IsMinimizedStart(StartShowCommand(2, iconic)));
    const char* plain[] = {"klaxora"};
    EXPECT_FALSE(IsMinimizedStart(StartShowCommand(1, plain)));
    // The program's own name is not an argument.
    const char* named[] = {"-iconic"};
    EXPECT_FALSE(IsMinimizedStart(StartShowCommand(1, named)));
    EXPECT_TRUE(IsMinimizedStart(ShowCommand::ShowMinNoActive)) << "any of the three minimised commands";
    EXPECT_FALSE(IsMinimizedStart(ShowCommand::ShowDefault));
}

} // namespace
} // namespace klaxora
