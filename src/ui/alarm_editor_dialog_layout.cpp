// The controls of the alarm editor, where they stand, and how they are wired.
#include "ui/alarm_editor_dialog.h"

#include "controls/month_calendar.h"
#include "controls/spin_button.h"
#include "ui/alarm_text_validator.h"
#include "ui/button_pictures.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace klaxora {

namespace {

// Keeps the hints of a panel's controls from showing, as a panel with its hints switched off does.
class HintsOff : public QObject {
public:
    using QObject::QObject;

    static void switchOff(QWidget* panel)
    {
        auto* filter = new HintsOff(panel);
        panel->installEventFilter(filter);
        for (QWidget* child : panel->findChildren<QWidget*>())
            child->installEventFilter(filter);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        return event->type() == QEvent::ToolTip;
    }
};

// The repeat row stands between the calendar panel and the bottom panel, which it pushes down.
constexpr int RepeatRowHeight = 26;

QFont arialFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QFrame* makePanel(QWidget* parent, const QRect& geometry, int borderWidth)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(borderWidth);
    panel->setGeometry(geometry);
    return panel;
}

FlatButton* makeFlatButton(QWidget* parent, const QString& caption, const QString& hint,
                           const QImage& picture, flatbtn::FlatButtonLayout layout, const QRect& geometry)
{
    auto* button = new FlatButton(parent);
    button->setCaption(caption);
    button->setHint(hint);
    if (!picture.isNull())
        button->setBitmap(picture);
    button->setButtonLayout(layout);
    button->setGeometry(geometry);
    return button;
}

QLineEdit* makeEdit(QWidget* parent, const QString& hint, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setFont(arialFont(13));
    edit->setToolTip(hint);
    edit->setGeometry(geometry);
    return edit;
}

} // namespace

AlarmEditorDialog::AlarmEditorDialog(AlarmStore& store, const Clock& clock,
                                     AlarmOptionsServices optionsServices, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), store_(store),
      clock_(clock), optionsServices_(std::move(optionsServices)), mainWindow_(mainWindow)
{
    setWindowTitle(tr("Alarm Description"));
    setFixedSize(449, 352 + RepeatRowHeight);
    setFont(arialFont(11));
    // Created bottom panel first, then the calendar panel, then the message panel: the tab order. The
    // repeat row comes after the message panel's controls.
    createButtonPanel();
    createCalendarPanel();
    createMessagePanel();
    createRepeatRow();
    orderTabs();
    formCreate();
}

void AlarmEditorDialog::createButtonPanel()
{
    buttonPanel_ = makePanel(this, QRect(0, 352 - 46 + RepeatRowHeight, 449, 46), 1);
    buttonPanel_->setObjectName(QStringLiteral("buttonPanel"));
    setAlarmButton_ =
        makeFlatButton(buttonPanel_, tr("&Set Alarm"), tr("Save and Set the alarm as specified"), okPicture(),
                       flatbtn::blBitmapLeft, QRect(10, 6, 100, 34));
    setAlarmButton_->setObjectName(QStringLiteral("setAlarmButton"));
    cancelButton_ = makeFlatButton(buttonPanel_, tr("&Cancel"), tr("Cancel all changes made"),
                                   cancelPicture(), flatbtn::blBitmapLeft, QRect(114, 6, 90, 34));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    optionsButton_ = makeFlatButton(buttonPanel_, tr("Options"), tr("Set advanced alarm options"),
                                    optionsPicture(), flatbtn::blBitmapLeft, QRect(250, 6, 90, 34));
    optionsButton_->setObjectName(QStringLiteral("optionsButton"));
    helpButton_ = makeFlatButton(buttonPanel_, tr("&Help"), tr("Get Windows help for Klaxora!"),
                                 helpPicture(), flatbtn::blBitmapLeft, QRect(346, 6, 90, 34));
    helpButton_->setObjectName(QStringLiteral("helpButton"));
    connect(setAlarmButton_, &FlatButton::clicked, this, &AlarmEditorDialog::setAlarmButtonClick);
    connect(cancelButton_, &FlatButton::clicked, this, &AlarmEditorDialog::cancelButtonClick);
    connect(optionsButton_, &FlatButton::clicked, this, &AlarmEditorDialog::optionsButtonClick);
    connect(helpButton_, &FlatButton::clicked, this, &AlarmEditorDialog::helpButtonClick);
}

void AlarmEditorDialog::createCalendarPanel()
{
    calendarPanel_ = makePanel(this, QRect(21, 102, 407, 195), 3);
    calendarPanel_->setObjectName(QStringLiteral("calendarPanel"));
    monthStepBar_ = makePanel(calendarPanel_, QRect(3, 3, 401, 30), 1);
    monthStepBar_->setObjectName(QStringLiteral("monthStepBar"));
    prevYearButton_ = makeFlatButton(monthStepBar_, tr("Year-"), tr("Show the previous year"),
                                     prevYearPicture(), flatbtn::blBitmapLeft, QRect(2, 2, 64, 26));
    prevYearButton_->setObjectName(QStringLiteral("prevYearButton"));
    prevMonthButton_ = makeFlatButton(monthStepBar_, tr("Month-"), tr("Show the previous month"),
                                      prevMonthPicture(), flatbtn::blBitmapLeft, QRect(68, 2, 72, 26));
    prevMonthButton_->setObjectName(QStringLiteral("prevMonthButton"));
    todayButton_ = makeFlatButton(monthStepBar_, tr("Today"), tr("Show today's date"), QImage(),
                                  flatbtn::blBitmapLeft, QRect(165, 2, 70, 26));
    todayButton_->setObjectName(QStringLiteral("todayButton"));
    nextMonthButton_ = makeFlatButton(monthStepBar_, tr("Month +"), tr("Show the next month"),
                                      nextMonthPicture(), flatbtn::blBitmapRight, QRect(260, 2, 74, 26));
    nextMonthButton_->setObjectName(QStringLiteral("nextMonthButton"));
    nextYearButton_ = makeFlatButton(monthStepBar_, tr("Year+"), tr("Show the next year"), nextYearPicture(),
                                     flatbtn::blBitmapRight, QRect(335, 2, 64, 26));
    nextYearButton_->setObjectName(QStringLiteral("nextYearButton"));
    connect(prevYearButton_, &FlatButton::clicked, this, &AlarmEditorDialog::prevYearClick);
    connect(prevMonthButton_, &FlatButton::clicked, this, &AlarmEditorDialog::prevMonthClick);
    connect(todayButton_, &FlatButton::clicked, this, &AlarmEditorDialog::todayButtonClick);
    connect(nextMonthButton_, &FlatButton::clicked, this, &AlarmEditorDialog::nextMonthClick);
    connect(nextYearButton_, &FlatButton::clicked, this, &AlarmEditorDialog::nextYearClick);
    HintsOff::switchOff(monthStepBar_);

    dateLabel_ = new QLabel(calendarPanel_);
    dateLabel_->setObjectName(QStringLiteral("dateLabel"));
    dateLabel_->setAlignment(Qt::AlignCenter);
    QFont italic = font();
    italic.setItalic(true);
    dateLabel_->setFont(italic);
    dateLabel_->setGeometry(3, 34, 401, 17);

    calendar_ = new MonthCalendar(clock_.today(), calendarPanel_);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setToolTip(tr("Click on the alarm date"));
    // Its days read as the label above it shows the date.
    calendar_->setAccessibleName(tr("Date"));
    calendar_->setDateFormatter([this](DateTime date) { return longDateText(date); });
    calendar_->setGeometry(3, 52, 401, 140);
    connect(calendar_, &MonthCalendar::change, this, &AlarmEditorDialog::calendarChange);
}

void AlarmEditorDialog::createMessagePanel()
{
    messagePanel_ = makePanel(this, QRect(0, 0, 449, 94), 1);
    messagePanel_->setObjectName(QStringLiteral("messagePanel"));
    messageEdit_ = makeEdit(messagePanel_, tr("Type your alarm message here"), QRect(18, 22, 413, 24));
    messageEdit_->setObjectName(QStringLiteral("messageEdit"));
    messageEdit_->setValidator(new AlarmTextValidator(MessageCapacity, messageEdit_));
    messageEdit_->setText(tr("[Type alarm message here]"));
    messageCaption_ = new QLabel(tr("&Message"), messagePanel_);
    messageCaption_->setObjectName(QStringLiteral("messageCaption"));
    messageCaption_->setBuddy(messageEdit_);
    messageCaption_->setGeometry(18, 6, 120, 15);

    // Underlined like an accelerator, though no control is attached to it.
    timeCaption_ = new QLabel(tr("<u>T</u>ime"), messagePanel_);
    timeCaption_->setObjectName(QStringLiteral("timeCaption"));
    timeCaption_->setTextFormat(Qt::RichText);
    timeCaption_->setGeometry(18, 60, 36, 15);
    hoursSpinner_ = new SpinButton(messagePanel_);
    hoursSpinner_->setObjectName(QStringLiteral("hoursSpinner"));
    hoursSpinner_->setToolTip(tr("Increase or decrease alarm time hours"));
    hoursSpinner_->setAccessibleName(tr("Hours"));
    hoursSpinner_->setGeometry(58, 56, 17, 24);
    timeEdit_ = makeEdit(messagePanel_, tr("Enter the alarm time here"), QRect(77, 57, 79, 22));
    timeEdit_->setObjectName(QStringLiteral("timeEdit"));
    // Its caption is no buddy (its underline is no accelerator), so the name is given here.
    timeEdit_->setAccessibleName(tr("Time"));
    minutesSpinner_ = new SpinButton(messagePanel_);
    minutesSpinner_->setObjectName(QStringLiteral("minutesSpinner"));
    minutesSpinner_->setToolTip(tr("Increase or decrease alarm time minutes"));
    minutesSpinner_->setAccessibleName(tr("Minutes"));
    minutesSpinner_->setGeometry(158, 56, 17, 24);
    connect(hoursSpinner_, &SpinButton::upClick, this, &AlarmEditorDialog::hoursSpinnerUpClick);
    connect(hoursSpinner_, &SpinButton::downClick, this, &AlarmEditorDialog::hoursSpinnerDownClick);
    connect(minutesSpinner_, &SpinButton::upClick, this, &AlarmEditorDialog::minutesSpinnerUpClick);
    connect(minutesSpinner_, &SpinButton::downClick, this, &AlarmEditorDialog::minutesSpinnerDownClick);

    timeInstruction_ = new QLabel(messagePanel_);
    timeInstruction_->setObjectName(QStringLiteral("timeInstruction"));
    timeInstruction_->setWordWrap(true);
    timeInstruction_->setGeometry(186, 60, 171, 17);
    HintsOff::switchOff(messagePanel_);
}

void AlarmEditorDialog::createRepeatRow()
{
    const FormatSettings& user = store_.formats().user();
    // Created in the order they stand, which is also their tab order.
    for (int place = 0; place < 7; ++place) {
        const int day = (user.firstDayOfWeek - 1 + place) % 7 + 1;
        QString name = QString::fromStdString(user.shortDayNames[day - 1])
                           .replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* toggle = new QCheckBox(name, this);
        toggle->setObjectName(QStringLiteral("repeatToggle%1").arg(day));
        toggle->setAccessibleName(tr("Repeat on %1").arg(QString::fromStdString(user.longDayNames[day - 1])));
        toggle->setGeometry(70 + place * 51, 302, 51, 20);
        // A locale's short name too long for its place (Polish "niedz.") is cut; the name the screen
        // reader gets keeps the whole day.
        while (toggle->sizeHint().width() > toggle->width() && name.size() > 2) {
            name.chop(1);
            toggle->setText(name);
        }
        repeatToggles_[day - 1] = toggle;
    }
    repeatCaption_ = new QLabel(tr("&Repeat"), this);
    repeatCaption_->setObjectName(QStringLiteral("repeatCaption"));
    repeatCaption_->setBuddy(repeatToggles_[user.firstDayOfWeek - 1]);
    repeatCaption_->setGeometry(21, 304, 46, 15);
}

void AlarmEditorDialog::orderTabs()
{
    setTabOrder(messageEdit_, minutesSpinner_);
    setTabOrder(minutesSpinner_, timeEdit_);
    setTabOrder(timeEdit_, hoursSpinner_);
}

} // namespace klaxora
