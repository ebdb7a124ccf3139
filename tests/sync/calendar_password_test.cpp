// The calendar password in a Secret Service of the test's own, and nowhere when there is none. Each test
// runs on a private session bus (private_session_bus.sh) and is skipped without one, so that it never
// reaches the user's keyring.
#include "sync/calendar_password.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace klaxora {
namespace {

// Texts as std::string, which a failing check prints readably.
struct Reading {
    std::optional<std::string> password;
    std::string error;
};

class CalendarPasswordsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("KLAXORA_PRIVATE_SESSION_BUS"))
            GTEST_SKIP() << "needs the private session bus of private_session_bus.sh";
    }

    Reading read(const CalendarConnection& connection)
    {
        std::optional<Reading> reading;
        passwords.read(connection, [&](const std::optional<QString>& password, const QString& error) {
            reading = Reading{password ? std::optional(password->toStdString()) : std::nullopt,
                              error.toStdString()};
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return reading.has_value(); }, 20000));
        return reading.value_or(Reading{std::nullopt, "no answer"});
    }
    template <typename Call>
    std::string errorOf(Call&& call)
    {
        std::optional<std::string> error;
        call([&](const QString& answer) { error = answer.toStdString(); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return error.has_value(); }, 20000));
        return error.value_or("no answer");
    }
    std::string store(const CalendarConnection& connection, const QString& password)
    {
        return errorOf([&](auto done) { passwords.store(connection, password, done); });
    }
    std::string forget(const CalendarConnection& connection)
    {
        return errorOf([&](auto done) { passwords.forget(connection, done); });
    }

    CalendarPasswords passwords;
    const CalendarConnection alice{"https://dav.example.org/alice/alarms/", "alice", false};
};

// Declared first: gtest runs the tests in this order, and a keyring once started lives as long as the bus.
TEST_F(CalendarPasswordsTest, WithoutASecretServiceReadingAndStoringFailWithAReasonAndWriteNoFile)
{
    const Reading reading = read(alice);
    EXPECT_EQ(reading.password, std::nullopt);
    EXPECT_NE(reading.error, "");
    EXPECT_NE(store(alice, "secret"), "");

    for (const QString& folder :
         {qEnvironmentVariable("HOME"), qEnvironmentVariable("XDG_DATA_HOME"),
          qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("XDG_CACHE_HOME")}) {
        QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        EXPECT_FALSE(files.hasNext()) << files.next().toStdString();
    }
}

TEST_F(CalendarPasswordsTest, AStoredPasswordIsReadBackForItsAccountOnlyAndForgotten)
{
    if (QStandardPaths::findExecutable("gnome-keyring-daemon").isEmpty())
        GTEST_SKIP() << "gnome-keyring-daemon is not installed";
    // Unlocked with the empty password; it leaves once it is ready.
    QProcess keyring;
    keyring.start("gnome-keyring-daemon", {"--daemonize", "--unlock", "--components=secrets"});
    keyring.write("\n");
    keyring.closeWriteChannel();
    ASSERT_TRUE(keyring.waitForFinished(20000));
    ASSERT_EQ(keyring.exitCode(), 0) << keyring.readAllStandardError().toStdString();

    EXPECT_EQ(read(alice).error, "") << "a password never stored is no error";
    EXPECT_EQ(store(alice, "sécret"), "");
    const Reading reading = read(alice);
    EXPECT_EQ(reading.password, "sécret");
    EXPECT_EQ(reading.error, "");
    // Another user, and the same user on another port, are other accounts.
    EXPECT_EQ(read({alice.collection, "bob", false}).password, std::nullopt);
    EXPECT_EQ(read({"https://dav.example.org:8443/alice/alarms/", "alice", false}).password, std::nullopt);

    EXPECT_EQ(forget(alice), "");
    EXPECT_EQ(read(alice).password, std::nullopt);
    EXPECT_EQ(forget(alice), "") << "forgetting twice is no error";
}

} // namespace
} // namespace klaxora

int main(int argc, char** argv)
{
    // No widgets, nor their font caches in the folders the first test looks into.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
