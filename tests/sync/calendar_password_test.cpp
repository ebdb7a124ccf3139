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

class CalendarPasswordsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("KLAXORA_PRIVATE_SESSION_BUS"))
            GTEST_SKIP() << "needs the private session bus of private_session_bus.sh";
    }

    // The password read, or "-" for none, then the error, as one text.
    std::string read(const CalendarConnection& connection)
    {
        return answer([&](auto done) {
            passwords.read(connection, [done](const std::optional<QString>& password, const QString& error) {
                done(password.value_or("-") + " " + error);
            });
        });
    }
    std::string store(const CalendarConnection& connection, const QString& password)
    {
        return answer([&](auto done) { passwords.store(connection, password, done); });
    }
    std::string forget(const CalendarConnection& connection)
    {
        return answer([&](auto done) { passwords.forget(connection, done); });
    }
    template <typename Call>
    static std::string answer(Call&& call)
    {
        std::optional<QString> text;
        call([&text](const QString& answer) { text = answer; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return text.has_value(); }, 20000));
        return text.value_or("no answer").trimmed().toStdString();
    }

    CalendarPasswords passwords;
    const CalendarConnection alice{"https://dav.example.org/alice/alarms/", "alice", false};
};

// First: gtest keeps this order, and a keyring once started lives as long as the bus.
TEST_F(CalendarPasswordsTest, WithoutASecretServiceReadingAndStoringFailWithAReasonAndWriteNoFile)
{
    EXPECT_TRUE(read(alice).starts_with("- The password cannot be read from the desktop's keyring: "));
    EXPECT_TRUE(store(alice, "secret").starts_with("The password cannot be kept in the desktop's keyring: "));
    for (const char* folder : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        QDirIterator files(qEnvironmentVariable(folder), QDir::Files | QDir::Hidden,
                           QDirIterator::Subdirectories);
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

    EXPECT_EQ(read(alice), "-") << "a password never stored is no error";
    EXPECT_EQ(store(alice, "sécret"), "");
    EXPECT_EQ(read(alice), "sécret");
    EXPECT_EQ(read({alice.collection, "bob", false}), "-") << "another user is another account";
    EXPECT_EQ(forget(alice), "");
    EXPECT_EQ(read(alice), "-");
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
