#include "engine/alarm_show.h"

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

QFont ArialPixels(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

TAlarmShow::TAlarmShow()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Alarm Notification"));
    setFont(ArialPixels(SmallFontPixels, false));
    setFixedSize(384, 239);

    AlarmMsg = new QLabel(this);
    AlarmMsg->setGeometry(13, 9, 368, 44);
    AlarmMsg->setFont(ArialPixels(MessageFontPixels, true));
    // Top alignment so that a message too long for the label loses its last lines, not its first.
    AlarmMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AlarmMsg->setWordWrap(true);
    AlarmMsg->setTextFormat(Qt::PlainText);
    QPalette messagePalette = AlarmMsg->palette();
    messagePalette.setColor(QPalette::WindowText, Qt::black);
    AlarmMsg->setPalette(messagePalette);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(10, 59, 361, 143);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Label1 = new QLabel(QStringLiteral("Remind me again in:"), Panel1);
    Label1->move(10, 9);
    Label1->adjustSize();

    // Created in tab order; the geometry places them in their rows and columns.
    b1min = AddChoice("1 minute", "Add 1 minute to alarm time", -1, 10, 29, 83, 23);
    b5min = AddChoice("5 minutes", "Add 5 minutes to alarm time", -5, 96, 29, 83, 23);
    b10min = AddChoice("10 minutes", "Add 10 minutes to alarm time", -10, 182, 29, 83, 23);
    b30min = AddChoice("30 minutes", "Add 30 minutes to alarm time", -30, 269, 29, 83, 23);
    b1hour = AddChoice("1 hour", "Add 60 minutes to alarm time", -60, 10, 62, 83, 23);
    b2hr = AddChoice("2 hours", "Add 2 hours to alarm time", -120, 96, 62, 83, 23);
    b4hr = AddChoice("4 hours", "Add 4 hours to alarm time", -240, 182, 62, 82, 23);
    b24hr = AddChoice("24 hours", "Add 24 hours (one full day) to alarm time", -1440, 269, 62, 83, 23);
    Okbutton = AddChoice("Delete", "Terminate this alarm", DeleteResult, 269, 95, 83, 35);
    BitBtn1 = AddChoice("1 week", "Add one full week  to alarm time", -10080, 10, 95, 83, 23);

    Okbutton->setFont(ArialPixels(SmallFontPixels, true));
    QPalette deletePalette = Okbutton->palette();
    deletePalette.setColor(QPalette::ButtonText, Qt::red);
    Okbutton->setPalette(deletePalette);
    Okbutton->setDefault(true);

    const QList<QPushButton*> tabOrder{b1min, b5min, b10min, b30min,   b1hour,
                                       b2hr,  b4hr,  b24hr,  Okbutton, BitBtn1};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

QPushButton* TAlarmShow::AddChoice(const char* caption, const char* hint, int modalResult, int left, int top,
                                   int width, int height)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), Panel1);
    button->setGeometry(left, top, width, height);
    button->setToolTip(QString::fromUtf8(hint));
    connect(button, &QPushButton::clicked, this, [this, modalResult] { done(modalResult); });
    return button;
}

int TAlarmShow::Announce(const QString& message)
{
    AlarmMsg->setText(message);
    return exec();
}

void TAlarmShow::reject() {}

void TAlarmShow::showEvent(QShowEvent* event)
{
    CenterOnScreen();
    // Enter or the space bar at once deletes, unless the user moves the focus.
    Okbutton->setFocus();
    QDialog::showEvent(event);
    // Once the window is on screen, bring it in front of whatever application the user is working in.
    // Where the desktop keeps the focus where it is, the window asks for the user's attention instead.
    QTimer::singleShot(0, this, [this] {
        BringToFront();
        QApplication::alert(this);
    });
}

void TAlarmShow::BringToFront()
{
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void TAlarmShow::closeEvent(QCloseEvent* event)
{
    if (isVisible()) {
        done(SystemCloseResult);
    }
    event->accept();
}

void TAlarmShow::CenterOnScreen()
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
