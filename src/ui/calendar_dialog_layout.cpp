// The controls of the Calendar dialog, where they stand, and how they are wired.
#include "ui/calendar_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace klaxora {

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& accessibleName, const QString& hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(accessibleName);
    edit->setToolTip(hint);
    return edit;
}

QLabel* makeNote(QWidget* parent, const char* name)
{
    auto* note = new QLabel(parent);
    note->setObjectName(QLatin1String(name));
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return note;
}

} // namespace

void CalendarDialog::createControls()
{
    auto* layout = new QVBoxLayout(this);

    auto* current = new QHBoxLayout;
    currentCaption_ = makeNote(this, "currentCaption");
    current->addWidget(currentCaption_, 1);
    turnOffButton_ = new QPushButton(tr("&Turn Off"), this);
    turnOffButton_->setObjectName(QStringLiteral("turnOffButton"));
    turnOffButton_->setToolTip(tr("Stop syncing; the alarms stay here and on the server"));
    turnOffButton_->setAutoDefault(false);
    current->addWidget(turnOffButton_, 0, Qt::AlignTop);
    layout->addLayout(current);

    auto* form = new QFormLayout;
    serverEdit_ = makeEdit(this, "serverEdit", tr("Server address"),
                           tr("The address of your CalDAV server or of one of its calendars"));
    serverEdit_->setPlaceholderText(QStringLiteral("https://"));
    form->addRow(tr("&Server address:"), serverEdit_);
    userEdit_ = makeEdit(this, "userEdit", tr("User name"), tr("Your user name on the server"));
    form->addRow(tr("&User name:"), userEdit_);
    passwordEdit_ = makeEdit(this, "passwordEdit", tr("Password"),
                             tr("Your password on the server, kept in the desktop's keyring"));
    passwordEdit_->setEchoMode(QLineEdit::Password);
    form->addRow(tr("&Password:"), passwordEdit_);
    layout->addLayout(form);

    unencryptedBox_ = new QCheckBox(tr("&Allow an unencrypted connection"), this);
    unencryptedBox_->setObjectName(QStringLiteral("unencryptedBox"));
    unencryptedBox_->setToolTip(tr("Only for a server on your own network reached with http://: the "
                                   "password and the alarms then travel readable to anyone on the way"));
    layout->addWidget(unencryptedBox_);

    auto* find = new QHBoxLayout;
    find->addStretch(1);
    findButton_ = new QPushButton(tr("&Find Calendars"), this);
    findButton_->setObjectName(QStringLiteral("findButton"));
    findButton_->setToolTip(tr("Ask the server for the calendars of your account"));
    findButton_->setAutoDefault(false);
    find->addWidget(findButton_);
    layout->addLayout(find);

    auto* listCaption = new QLabel(tr("&Calendars:"), this);
    listCaption->setObjectName(QStringLiteral("calendarListCaption"));
    layout->addWidget(listCaption);
    calendarList_ = new QListWidget(this);
    calendarList_->setObjectName(QStringLiteral("calendarList"));
    calendarList_->setAccessibleName(tr("Calendars"));
    listCaption->setBuddy(calendarList_);
    layout->addWidget(calendarList_, 1);
    choiceNote_ = makeNote(this, "choiceNote");
    layout->addWidget(choiceNote_);
    statusText_ = makeNote(this, "statusText");
    statusText_->setAccessibleName(tr("Status"));
    layout->addWidget(statusText_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("buttons"));
    okButton_ = buttons_->button(QDialogButtonBox::Ok);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setToolTip(tr("Sync the alarms with the chosen calendar"));
    cancelButton_ = buttons_->button(QDialogButtonBox::Cancel);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setToolTip(tr("Leave the calendar sync as it was"));
    layout->addWidget(buttons_);

    connect(serverEdit_, &QLineEdit::textChanged, this, &CalendarDialog::serverTyped);
    connect(findButton_, &QPushButton::clicked, this, &CalendarDialog::findCalendarsClick);
    connect(calendarList_, &QListWidget::currentRowChanged, this, &CalendarDialog::calendarChosen);
    connect(okButton_, &QPushButton::clicked, this, &CalendarDialog::okButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &CalendarDialog::reject);
    connect(turnOffButton_, &QPushButton::clicked, this, &CalendarDialog::turnOffClick);
}

} // namespace klaxora
