#include "app/start_show_command.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

TEST(StartShowCommand, IconicAsksForAMinimisedStart)
{
    const char* iconic[] = {"klaxora", "-iconic"};
    EXPECT_TRUE(isMinimizedStart(startShowCommand(2, iconic)));
    const char* plain[] = {"klaxora"};
    EXPECT_FALSE(isMinimizedStart(startShowCommand(1, plain)));
    // The program's own name is not an argument.
    const char* named[] = {"-iconic"};
    EXPECT_FALSE(isMinimizedStart(startShowCommand(1, named)));
    EXPECT_TRUE(isMinimizedStart(ShowCommand::ShowMinNoActive)) << "any of the three minimised commands";
    EXPECT_FALSE(isMinimizedStart(ShowCommand::ShowDefault));
}

} // namespace
} // namespace klaxora
