#include "engine/notification_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace klaxora {

namespace {

// Arial 8 point and 10 point at 96 dpi; pixel sizes keep the fixed layout independent of the screen's dpi.
constexpr int SmallFontPixels = 11;
constexpr int MessageFontPixels = 13;

QFont arialPixels(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

NotificationDialog::NotificationDialog()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Alarm Notification"));
    setFont(arialPixels(SmallFontPixels, false));
    setFixedSize(384, 239);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setGeometry(13, 9, 368, 44);
    message_->setFont(arialPixels(MessageFontPixels, true));
    // Top alignment so that a message too long for the label loses its last lines, not its first.
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    QPalette messagePalette = message_->palette();
    messagePalette.setColor(QPalette::WindowText, Qt::black);
    message_->setPalette(messagePalette);

    snoozePanel_ = new QFrame(this);
    snoozePanel_->setObjectName(QStringLiteral("snoozePanel"));
    snoozePanel_->setGeometry(10, 59, 361, 143);
    snoozePanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);

    snoozeCaption_ = new QLabel(tr("Remind me again in:"), snoozePanel_);
    snoozeCaption_->setObjectName(QStringLiteral("snoozeCaption"));
    snoozeCaption_->move(10, 9);
    snoozeCaption_->adjustSize();

    // Created in tab order; the geometry places them in their rows and columns.
    snooze1MinuteButton_ = addChoice("snooze1MinuteButton", QT_TR_NOOP("1 minute"),
                                     QT_TR_NOOP("Add 1 minute to alarm time"), -1, 10, 29, 83, 23);
    snooze5MinutesButton_ = addChoice("snooze5MinutesButton", QT_TR_NOOP("5 minutes"),
                                      QT_TR_NOOP("Add 5 minutes to alarm time"), -5, 96, 29, 83, 23);
    snooze10MinutesButton_ = addChoice("snooze10MinutesButton", QT_TR_NOOP("10 minutes"),
                                       QT_TR_NOOP("Add 10 minutes to alarm time"), -10, 182, 29, 83, 23);
    snooze30MinutesButton_ = addChoice("snooze30MinutesButton", QT_TR_NOOP("30 minutes"),
                                       QT_TR_NOOP("Add 30 minutes to alarm time"), -30, 269, 29, 83, 23);
    snooze1HourButton_ = addChoice("snooze1HourButton", QT_TR_NOOP("1 hour"),
                                   QT_TR_NOOP("Add 60 minutes to alarm time"), -60, 10, 62, 83, 23);
    snooze2HoursButton_ = addChoice("snooze2HoursButton", QT_TR_NOOP("2 hours"),
                                    QT_TR_NOOP("Add 2 hours to alarm time"), -120, 96, 62, 83, 23);
    snooze4HoursButton_ = addChoice("snooze4HoursButton", QT_TR_NOOP("4 hours"),
                                    QT_TR_NOOP("Add 4 hours to alarm time"), -240, 182, 62, 82, 23);
    snooze24HoursButton_ =
        addChoice("snooze24HoursButton", QT_TR_NOOP("24 hours"),
                  QT_TR_NOOP("Add 24 hours (one full day) to alarm time"), -1440, 269, 62, 83, 23);
    deleteButton_ = addChoice("deleteButton", QT_TR_NOOP("Delete"), QT_TR_NOOP("Terminate this alarm"),
                              DeleteResult, 269, 95, 83, 35);
    snooze1WeekButton_ = addChoice("snooze1WeekButton", QT_TR_NOOP("1 week"),
                                   QT_TR_NOOP("Add one full week  to alarm time"), -10080, 10, 95, 83, 23);

    deleteButton_->setFont(arialPixels(SmallFontPixels, true));
    QPalette deletePalette = deleteButton_->palette();
    deletePalette.setColor(QPalette::ButtonText, Qt::red);
    deleteButton_->setPalette(deletePalette);
    deleteButton_->setDefault(true);

    const QList<QPushButton*> tabOrder{snooze1MinuteButton_,   snooze5MinutesButton_, snooze10MinutesButton_,
                                       snooze30MinutesButton_, snooze1HourButton_,    snooze2HoursButton_,
                                       snooze4HoursButton_,    snooze24HoursButton_,  deleteButton_,
                                       snooze1WeekButton_};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

QPushButton* NotificationDialog::addChoice(const char* name, const char* caption, const char* hint,
                                           int modalResult, int left, int top, int width, int height)
{
    auto* button = new QPushButton(tr(caption), snoozePanel_);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, width, height);
    button->setToolTip(tr(hint));
    connect(button, &QPushButton::clicked, this, [this, modalResult] { done(modalResult); });
    return button;
}

int NotificationDialog::announce(const QString& message)
{
    message_->setText(message);
    return exec();
}

void NotificationDialog::reject() {}

void NotificationDialog::showEvent(QShowEvent* event)
{
    centerOnScreen();
    // Enter or the space bar at once deletes, unless the user moves the focus.
    deleteButton_->setFocus();
    QDialog::showEvent(event);
    // Once the window is on screen, bring it in front of whatever application the user is working in.
    // Where the desktop keeps the focus where it is, the window asks for the user's attention instead.
    QTimer::singleShot(0, this, [this] {
        bringToFront();
        QApplication::alert(this);
    });
}

void NotificationDialog::bringToFront()
{
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void NotificationDialog::closeEvent(QCloseEvent* event)
{
    if (isVisible()) {
        done(SystemCloseResult);
    }
    event->accept();
}

void NotificationDialog::centerOnScreen()
{
    const QScreen* target = screen();
    if (target == nullptr) {
        return;
    }
    // The whole window with its frame is centred, as far as the frame is known yet.
    const QRect area = target->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

} // namespace klaxora
