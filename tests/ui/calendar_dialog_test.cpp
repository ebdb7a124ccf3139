// The Calendar dialog against a Radicale server on loopback: it finds the account's calendars, connects to
// the program's own, and shows why it connects to nothing. The tests reach no keyring, so the password
// stays in memory, as the dialog then tells.
#include "dialog_test_support.h"
#include "support/named_child.h"
#include "sync/calendar_sync.h"
#include "sync/radicale_test.h"
#include "ui/calendar_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace klaxora {
namespace {

using klaxora::testing::namedChild;

class CalendarDialogTest : public test::RadicaleTest {
protected:
    // A dialog on the sync as it is now, shown and filled in as the user would.
    std::unique_ptr<CalendarDialog> openDialog(const QString& address, const QString& password)
    {
        auto dialog = std::make_unique<CalendarDialog>(sync, passwords);
        dialog->show();
        namedChild<QLineEdit>(*dialog, "serverEdit")->setText(address);
        namedChild<QLineEdit>(*dialog, "userEdit")->setText("alice");
        namedChild<QLineEdit>(*dialog, "passwordEdit")->setText(password);
        return dialog;
    }
    // Clicks, and waits for the server's answer.
    static std::string click(const CalendarDialog& dialog, const char* button)
    {
        namedChild<QPushButton>(dialog, button)->click();
        return statusAfterServer(dialog);
    }
    static std::string statusAfterServer(const CalendarDialog& dialog)
    {
        auto* find = namedChild<QPushButton>(dialog, "findButton");
        EXPECT_TRUE(QTest::qWaitFor([&] { return find->isEnabled(); }, 20000));
        return namedChild<QLabel>(dialog, "statusText")->text().toStdString();
    }

    test::StoreOnDisk disk;
    CalendarSync sync{disk.store,
                      disk.clock,
                      disk.fileSystem,
                      {disk.folder.path().toStdString(),
                       "UTC",
                       [] { return std::string(); },
                       [this] { disk.store.writeToDisk(); },
                       {}}};
    CalendarPasswords passwords;
};

TEST_F(CalendarDialogTest, FindsTheCalendarsTheProgramsOwnFirstAndConnectsToIt)
{
    const QUrl birthdays = freshCalendar("Birthdays");

    auto dialog = openDialog(server->url().toString(), test::RadicaleServer::password);
    EXPECT_FALSE(namedChild<QCheckBox>(*dialog, "unencryptedBox")->isEnabled())
        << "loopback needs no permission";
    click(*dialog, "findButton");
    auto* list = namedChild<QListWidget>(*dialog, "calendarList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Klaxora! Alarms (recommended)");
    EXPECT_EQ(list->item(1)->text(), "Birthdays");
    list->setCurrentRow(1);
    EXPECT_EQ(namedChild<QLabel>(*dialog, "choiceNote")->text(),
              "All reminders of \"Birthdays\" come in as alarms, and the alarms set here go into it.");

    list->setCurrentRow(0);
    const auto box = test::answerNextMessageBox();
    namedChild<QPushButton>(*dialog, "okButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->result() == QDialog::Accepted; }, 20000))
        << statusAfterServer(*dialog);
    EXPECT_NE(box->text.indexOf("kept until Klaxora! ends"), -1) << box->text.toStdString();
    ASSERT_TRUE(sync.isOn());
    const QUrl own(QString::fromStdString(sync.connection().collection));
    EXPECT_TRUE(own.path().startsWith(server->url("/alice/").path())) << sync.connection().collection;
    EXPECT_NE(own, birthdays);
}

TEST_F(CalendarDialogTest, ConnectsToNothingAndSaysWhy)
{
    const struct {
        QString address;
        QString password;
        const char* press;
        std::string status;
    } rows[] = {
        {"http://calendar.example.org/", test::RadicaleServer::password, "findButton",
         "calendar.example.org would be reached unencrypted (http://). Use https://, or allow unencrypted "
         "connections for this server."},
        {server->url().toString(), "wrong", "findButton",
         "The server 127.0.0.1 refused the user name or password."},
        {server->url().toString(), test::RadicaleServer::password, "okButton",
         "Find Calendars and choose one first."},
    };
    for (const auto& row : rows) {
        auto dialog = openDialog(row.address, row.password);
        EXPECT_EQ(click(*dialog, row.press), row.status) << row.address.toStdString();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(namedChild<QListWidget>(*dialog, "calendarList")->count(), 0);
        EXPECT_FALSE(sync.isOn());
    }
}

} // namespace
} // namespace klaxora
