// CalendarDialog, "Calendar": connects the alarms to a calendar on a CalDAV server, or turns the sync off.
// Find Calendars lists the account's calendars, the program's own first; OK checks the chosen calendar
// with the server before the sync takes it, and keeps the password in the desktop's keyring. Every
// failure shows as a text in the dialog; Cancel leaves the sync as it was.
#pragma once

#include "sync/caldav_discovery.h"
#include "sync/caldav_own_calendar.h"
#include "sync/caldav_transport.h"
#include "sync/calendar_journal.h"
#include "sync/calendar_password.h"
#include "sync/calendar_sync.h"

#include <QDialog>
#include <QUrl>

#include <memory>
#include <optional>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace klaxora {

class CalendarDialog : public QDialog {
    Q_OBJECT

public:
    // Both must outlive the dialog.
    CalendarDialog(CalendarSync& sync, CalendarPasswords& passwords, QWidget* parent = nullptr);
    ~CalendarDialog() override;

    // Handlers.
    void findCalendarsClick();
    void calendarChosen();
    void okButtonClick();
    void turnOffClick();

    void reject() override;

private:
    // What a row of the calendar list stands for.
    enum class Choice { OwnCalendar, UserCalendar };

    void createControls();
    void showCurrentCalendar();
    // The server address typed, https:// when it names no scheme; none, with the reason shown, when the
    // field is empty.
    std::optional<QUrl> typedAddress();
    bool unencryptedAllowed() const;
    void serverTyped();
    // A fresh client for the credentials typed and the server of `address`; ends any request running.
    void startClient(const QUrl& address);
    void calendarsFound(const QUrl& address, const CalDavDiscoveryResult& found);
    void listCalendars(const CalDavDiscoveryResult& found);
    // Checks that `calendar` is one with the credentials typed, then connects to it.
    void checkAndConnect(const QUrl& calendar);
    void connectTo(const QUrl& calendar);
    void keyringAnswered(const QString& error, const QString& consequence);
    // While the server or the keyring works, Find, OK and Turn Off wait; `text` says what runs.
    void setBusy(bool busy, const QString& text);
    void showError(const QString& text);

    CalendarSync& sync_;
    CalendarPasswords& passwords_;
    // The address the list was found at; the program's own calendar is looked up from there.
    QUrl foundAt_;
    // Declared before its users, which so go first.
    std::unique_ptr<CalDavTransport> transport_;
    std::unique_ptr<CalDavDiscovery> discovery_;
    std::unique_ptr<CalDavOwnCalendar> ownCalendar_;
    // The sync has taken the new calendar or is off; the dialog closes once the keyring has answered.
    bool finishing_ = false;

    // The window's parts; each has an objectName of its own member name without the underscore.
    QLabel* currentCaption_ = nullptr;
    QPushButton* turnOffButton_ = nullptr;
    QLineEdit* serverEdit_ = nullptr;
    QLineEdit* userEdit_ = nullptr;
    QLineEdit* passwordEdit_ = nullptr;
    QCheckBox* unencryptedBox_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QListWidget* calendarList_ = nullptr;
    QLabel* choiceNote_ = nullptr;
    QLabel* statusText_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace klaxora
