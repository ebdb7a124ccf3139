#include "ui/calendar_dialog.h"

#include "command/translated_text.h"
#include "sync/caldav_request_policy.h"
#include "ui/message_boxes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include <exception>

namespace klaxora {

namespace {

constexpr int ChoiceRole = Qt::UserRole;
constexpr int UrlRole = Qt::UserRole + 1;

} // namespace

CalendarDialog::CalendarDialog(CalendarSync& sync, CalendarPasswords& passwords, QWidget* parent)
    : QDialog(parent), sync_(sync), passwords_(passwords)
{
    setObjectName(QStringLiteral("calendarDialog"));
    setWindowTitle(tr("Calendar"));
    createControls();
    showCurrentCalendar();
    serverTyped();
    calendarChosen();
    resize(480, 480);
}

CalendarDialog::~CalendarDialog() = default;

void CalendarDialog::showCurrentCalendar()
{
    const bool on = sync_.isOn();
    turnOffButton_->setVisible(on);
    if (!on) {
        currentCaption_->setText(tr("The alarms are not synced with a calendar."));
        return;
    }
    const CalendarConnection& connection = sync_.connection();
    const QString collection = QString::fromStdString(connection.collection);
    currentCaption_->setText(tr("The alarms are synced with the calendar %1 as %2.")
                                 .arg(collection, QString::fromStdString(connection.user)));
    serverEdit_->setText(collection);
    userEdit_->setText(QString::fromStdString(connection.user));
    unencryptedBox_->setChecked(connection.allowUnencrypted);
}

std::optional<QUrl> CalendarDialog::typedAddress()
{
    QString text = serverEdit_->text().trimmed();
    if (text.isEmpty()) {
        showError(tr("Enter the address of the calendar server."));
        return std::nullopt;
    }
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("https://"));
    return QUrl(text);
}

bool CalendarDialog::unencryptedAllowed() const
{
    return unencryptedBox_->isEnabled() && unencryptedBox_->isChecked();
}

void CalendarDialog::serverTyped()
{
    // Only plain http to another computer needs the permission: https never does, nor this computer.
    const QUrl url(serverEdit_->text().trimmed());
    unencryptedBox_->setEnabled(url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 &&
                                !CalDavRequestPolicy::isLoopback(url));
}

void CalendarDialog::startClient(const QUrl& address)
{
    ownCalendar_.reset();
    discovery_.reset();
    transport_.reset();
    CalDavRequestPolicy policy;
    if (unencryptedAllowed())
        policy.unencryptedHost = address.host();
    transport_ = std::make_unique<CalDavTransport>(
        policy, CalDavCredentials{userEdit_->text(), passwordEdit_->text()});
    discovery_ = std::make_unique<CalDavDiscovery>(*transport_);
    ownCalendar_ = std::make_unique<CalDavOwnCalendar>(*transport_);
}

void CalendarDialog::findCalendarsClick()
{
    const std::optional<QUrl> address = typedAddress();
    if (!address)
        return;
    startClient(*address);
    calendarList_->clear();
    setBusy(true, tr("Looking for the calendars of your account…"));
    discovery_->discover(*address, [this, address = *address](const CalDavDiscoveryResult& found) {
        if (!found.error.isEmpty() || found.calendarUrl.isEmpty()) {
            calendarsFound(address, found);
            return;
        }
        // A calendar's own address leads to none of the others: they, and the program's own, are looked
        // for from the server's top, and where that finds none, the calendar is the one to choose.
        const QUrl top = address.resolved(QUrl(QStringLiteral("/")));
        discovery_->discover(top, [this, top, found](const CalDavDiscoveryResult& all) {
            calendarsFound(top, all.error.isEmpty() ? all : found);
        });
    });
}

void CalendarDialog::calendarsFound(const QUrl& address, const CalDavDiscoveryResult& found)
{
    setBusy(false, QString());
    if (!found.error.isEmpty()) {
        showError(found.error);
        return;
    }
    foundAt_ = address;
    listCalendars(found);
}

void CalendarDialog::listCalendars(const CalDavDiscoveryResult& found)
{
    auto* own =
        new QListWidgetItem(tr("%1 (recommended)").arg(CalDavOwnCalendar::displayName), calendarList_);
    own->setData(ChoiceRole, static_cast<int>(Choice::OwnCalendar));
    for (const CalDavCalendar& calendar : found.calendars) {
        // Already the first row, found again by its name.
        if (calendar.displayName == CalDavOwnCalendar::displayName)
            continue;
        auto* item = new QListWidgetItem(calendar.displayName, calendarList_);
        item->setData(ChoiceRole, static_cast<int>(Choice::UserCalendar));
        item->setData(UrlRole, calendar.url);
        item->setToolTip(calendar.url.toDisplayString());
    }
    calendarList_->setCurrentRow(0);
    statusText_->setText(tr("Choose the calendar to sync with, then OK."));
}

void CalendarDialog::calendarChosen()
{
    const QListWidgetItem* item = calendarList_->currentItem();
    if (item == nullptr) {
        choiceNote_->setText(sync_.isOn() ? tr("Find Calendars to choose another calendar, or enter a new "
                                               "password and OK to keep this one.")
                                          : tr("Enter the server's address and your account, then Find "
                                               "Calendars."));
    } else if (item->data(ChoiceRole).toInt() == static_cast<int>(Choice::OwnCalendar)) {
        choiceNote_->setText(tr("A calendar of Klaxora!'s alarms alone, made on the server when your account "
                                "has none yet."));
    } else {
        choiceNote_->setText(tr("All reminders of \"%1\" come in as alarms, and the alarms set here go into "
                                "it.")
                                 .arg(item->text()));
    }
}

void CalendarDialog::okButtonClick()
{
    const QListWidgetItem* item = calendarList_->currentItem();
    if (item == nullptr) {
        if (!sync_.isOn()) {
            showError(tr("Find Calendars and choose one first."));
            return;
        }
        // Nothing was changed that the sync would need to know.
        const CalendarConnection& current = sync_.connection();
        if (passwordEdit_->text().isEmpty() && userEdit_->text().toStdString() == current.user &&
            serverEdit_->text().trimmed().toStdString() == current.collection &&
            unencryptedAllowed() == current.allowUnencrypted) {
            accept();
            return;
        }
        if (const std::optional<QUrl> address = typedAddress())
            checkAndConnect(*address);
        return;
    }
    if (item->data(ChoiceRole).toInt() == static_cast<int>(Choice::UserCalendar)) {
        checkAndConnect(item->data(UrlRole).toUrl());
        return;
    }
    startClient(foundAt_);
    setBusy(true, tr("Looking for the calendar \"%1\"…").arg(CalDavOwnCalendar::displayName));
    ownCalendar_->find(foundAt_, [this](const CalDavCalendarMade& made) {
        setBusy(false, QString());
        if (made.error.isEmpty())
            connectTo(made.calendar.url);
        else
            showError(made.error);
    });
}

void CalendarDialog::checkAndConnect(const QUrl& calendar)
{
    startClient(calendar);
    setBusy(true, tr("Asking the server for the calendar…"));
    discovery_->discover(calendar, [this, calendar](const CalDavDiscoveryResult& found) {
        setBusy(false, QString());
        if (!found.error.isEmpty())
            showError(found.error);
        else if (found.calendarUrl.isEmpty())
            showError(tr("%1 is the address of no calendar.").arg(calendar.toDisplayString()));
        else
            connectTo(found.calendarUrl);
    });
}

void CalendarDialog::connectTo(const QUrl& calendar)
{
    const CalendarConnection connection{calendar.toString().toStdString(), userEdit_->text().toStdString(),
                                        unencryptedAllowed()};
    try {
        sync_.connectTo(connection, passwordEdit_->text());
    } catch (const std::exception& error) {
        showError(QString::fromStdString(translatedError(error)));
        return;
    }
    finishing_ = true;
    setBusy(true, tr("Keeping the password in the desktop's keyring…"));
    passwords_.store(connection, passwordEdit_->text(),
                     [dialog = QPointer<CalendarDialog>(this)](const QString& error) {
                         if (dialog)
                             dialog->keyringAnswered(
                                 error, tr("The password is kept until Klaxora! ends; at its next start "
                                           "it asks for the password again."));
                     });
}

void CalendarDialog::turnOffClick()
{
    const CalendarConnection connection = sync_.connection();
    try {
        sync_.turnOff();
    } catch (const std::exception& error) {
        showError(QString::fromStdString(translatedError(error)));
        return;
    }
    finishing_ = true;
    setBusy(true, tr("Removing the password from the desktop's keyring…"));
    passwords_.forget(connection, [dialog = QPointer<CalendarDialog>(this)](const QString& error) {
        if (dialog)
            dialog->keyringAnswered(error, tr("The sync is off."));
    });
}

void CalendarDialog::keyringAnswered(const QString& error, const QString& consequence)
{
    finishing_ = false;
    if (!error.isEmpty())
        informationBox(error + QLatin1Char('\n') + consequence);
    accept();
}

void CalendarDialog::reject()
{
    // The sync has changed already; only the keyring's answer is still to come.
    if (!finishing_)
        QDialog::reject();
}

void CalendarDialog::setBusy(bool busy, const QString& text)
{
    findButton_->setEnabled(!busy);
    okButton_->setEnabled(!busy);
    turnOffButton_->setEnabled(!busy);
    statusText_->setText(text);
}

void CalendarDialog::showError(const QString& text)
{
    statusText_->setText(text);
}

} // namespace klaxora
