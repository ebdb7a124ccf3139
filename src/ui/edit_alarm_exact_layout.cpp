// The controls of the alarm editor, where they stand, and how they are wired.
#include "ui/edit_alarm_exact.h"

#include "controls/month_calendar.h"
#include "controls/spin_button.h"
#include "ui/alarm_text_validator.h"
#include "ui/button_pictures.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace klaxora {

namespace {

// Keeps the hints of a panel's controls from showing, as a panel with its hints switched off does.
class HintsOff : public QObject {
public:
    using QObject::QObject;

    static void SwitchOff(QWidget* panel)
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

QFont ArialFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QFrame* MakePanel(QWidget* parent, const QRect& geometry, int borderWidth)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(borderWidth);
    panel->setGeometry(geometry);
    return panel;
}

TFlatButton* MakeFlatButton(QWidget* parent, const QString& caption, const QString& hint,
                            const QImage& picture, flatbtn::TFlatButtonLayout layout, const QRect& geometry)
{
    auto* button = new TFlatButton(parent);
    button->setCaption(caption);
    button->setHint(hint);
    if (!picture.isNull())
        button->setBitmap(picture);
    button->setButtonLayout(layout);
    button->setGeometry(geometry);
    return button;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& hint, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setFont(ArialFont(13));
    edit->setToolTip(hint);
    edit->setGeometry(geometry);
    return edit;
}

QPushButton* MakeHiddenButton(QWidget* parent, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TEditAlarmExact::TEditAlarmExact(AlarmStore& store, const Clock& clock, AlarmOptionsServices optionsServices,
                                 QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), store_(store),
      clock_(clock), optionsServices_(std::move(optionsServices)), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("Alarm Description"));
    setFixedSize(449, 352);
    setFont(ArialFont(11));
    // Created bottom panel first, then the calendar panel, then the message panel: the tab order.
    CreateButtonPanel();
    CreateCalendarPanel();
    CreateMessagePanel();
    SetTabOrder();
    FormCreate();
}

void TEditAlarmExact::CreateButtonPanel()
{
    Panel3 = MakePanel(this, QRect(0, 352 - 46, 449, 46), 1);
    SetAlarmButton = MakeFlatButton(Panel3, QStringLiteral("&Set Alarm"),
                                    QStringLiteral("Save and Set the alarm as specified"), OkPicture(),
                                    flatbtn::blBitmapLeft, QRect(10, 6, 100, 34));
    CancelButton =
        MakeFlatButton(Panel3, QStringLiteral("&Cancel"), QStringLiteral("Cancel all changes made"),
                       CancelPicture(), flatbtn::blBitmapLeft, QRect(114, 6, 90, 34));
    AlarmOptionsButton =
        MakeFlatButton(Panel3, QStringLiteral("Options"), QStringLiteral("Set advanced alarm options"),
                       OptionsPicture(), flatbtn::blBitmapLeft, QRect(250, 6, 90, 34));
    Helpbutton =
        MakeFlatButton(Panel3, QStringLiteral("&Help"), QStringLiteral("Get Windows help for Klaxora!"),
                       HelpPicture(), flatbtn::blBitmapLeft, QRect(346, 6, 90, 34));
    connect(SetAlarmButton, &TFlatButton::clicked, this, &TEditAlarmExact::SetAlarmButtonClick);
    connect(CancelButton, &TFlatButton::clicked, this, &TEditAlarmExact::CancelButtonClick);
    connect(AlarmOptionsButton, &TFlatButton::clicked, this, &TEditAlarmExact::AlarmOptionsButtonClick);
    connect(Helpbutton, &TFlatButton::clicked, this, &TEditAlarmExact::HelpbuttonClick);

    // A plain Enter goes to the default push button and a plain Escape rejects the dialog; both stay
    // out of sight (FormCreate moves them below the form).
    Fake1 = MakeHiddenButton(this, QStringLiteral("fakeok"));
    Fake1->setDefault(true);
    Fake2 = MakeHiddenButton(this, QStringLiteral("fakecancel"));
    connect(Fake1, &QPushButton::clicked, this, &TEditAlarmExact::SetAlarmButtonClick);
    connect(Fake2, &QPushButton::clicked, this, &TEditAlarmExact::CancelButtonClick);
}

void TEditAlarmExact::CreateCalendarPanel()
{
    CalPanel = MakePanel(this, QRect(21, 102, 407, 195), 3);
    Panel2 = MakePanel(CalPanel, QRect(3, 3, 401, 30), 1);
    PrevYear = MakeFlatButton(Panel2, QStringLiteral("Year-"), QStringLiteral("Show the previous year"),
                              PrevYearPicture(), flatbtn::blBitmapLeft, QRect(2, 2, 64, 26));
    PrevMonth = MakeFlatButton(Panel2, QStringLiteral("Month-"), QStringLiteral("Show the previous month"),
                               PrevMonthPicture(), flatbtn::blBitmapLeft, QRect(68, 2, 72, 26));
    CurrentDate = MakeFlatButton(Panel2, QStringLiteral("Today"), QStringLiteral("Show today's date"),
                                 QImage(), flatbtn::blBitmapLeft, QRect(165, 2, 70, 26));
    NextMonth = MakeFlatButton(Panel2, QStringLiteral("Month +"), QStringLiteral("Show the next month"),
                               NextMonthPicture(), flatbtn::blBitmapRight, QRect(260, 2, 74, 26));
    NextYear = MakeFlatButton(Panel2, QStringLiteral("Year+"), QStringLiteral("Show the next year"),
                              NextYearPicture(), flatbtn::blBitmapRight, QRect(335, 2, 64, 26));
    connect(PrevYear, &TFlatButton::clicked, this, &TEditAlarmExact::PrevYearClick);
    connect(PrevMonth, &TFlatButton::clicked, this, &TEditAlarmExact::PrevMonthClick);
    connect(CurrentDate, &TFlatButton::clicked, this, &TEditAlarmExact::CurrentDateClick);
    connect(NextMonth, &TFlatButton::clicked, this, &TEditAlarmExact::NextMonthClick);
    connect(NextYear, &TFlatButton::clicked, this, &TEditAlarmExact::NextYearClick);
    HintsOff::SwitchOff(Panel2);

    DateLabel = new QLabel(CalPanel);
    DateLabel->setAlignment(Qt::AlignCenter);
    QFont italic = font();
    italic.setItalic(true);
    DateLabel->setFont(italic);
    DateLabel->setGeometry(3, 34, 401, 17);

    Calendar = new TCalendar(clock_.Today(), CalPanel);
    Calendar->setToolTip(QStringLiteral("Click on the alarm date"));
    Calendar->setGeometry(3, 52, 401, 140);
    connect(Calendar, &TCalendar::Change, this, &TEditAlarmExact::CalendarChange);
}

void TEditAlarmExact::CreateMessagePanel()
{
    MessagePanel = MakePanel(this, QRect(0, 0, 449, 94), 1);
    Descript = MakeEdit(MessagePanel, QStringLiteral("Type your alarm message here"), QRect(18, 22, 413, 24));
    Descript->setValidator(new AlarmTextValidator(MessageCapacity, Descript));
    Descript->setText(QStringLiteral("[Type alarm message here]"));
    Label5 = new QLabel(QStringLiteral("&Message"), MessagePanel);
    Label5->setBuddy(Descript);
    Label5->setGeometry(18, 6, 120, 15);

    // Underlined like an accelerator, though no control is attached to it.
    TimeCaption = new QLabel(QStringLiteral("<u>T</u>ime"), MessagePanel);
    TimeCaption->setTextFormat(Qt::RichText);
    TimeCaption->setGeometry(18, 60, 36, 15);
    HoursSpinner = new TSpinButton(MessagePanel);
    HoursSpinner->setToolTip(QStringLiteral("Increase or decrease alarm time hours"));
    HoursSpinner->setGeometry(58, 56, 17, 24);
    TimeEdit = MakeEdit(MessagePanel, QStringLiteral("Enter the alarm time here"), QRect(77, 57, 79, 22));
    MinutesSpinner = new TSpinButton(MessagePanel);
    MinutesSpinner->setToolTip(QStringLiteral("Increase or decrease alarm time minutes"));
    MinutesSpinner->setGeometry(158, 56, 17, 24);
    connect(HoursSpinner, &TSpinButton::UpClick, this, &TEditAlarmExact::HoursSpinnerUpClick);
    connect(HoursSpinner, &TSpinButton::DownClick, this, &TEditAlarmExact::HoursSpinnerDownClick);
    connect(MinutesSpinner, &TSpinButton::UpClick, this, &TEditAlarmExact::MinutesSpinnerUpClick);
    connect(MinutesSpinner, &TSpinButton::DownClick, this, &TEditAlarmExact::MinutesSpinnerDownClick);

    TimeInstruct = new QLabel(MessagePanel);
    TimeInstruct->setWordWrap(true);
    TimeInstruct->setGeometry(186, 60, 171, 17);
    HintsOff::SwitchOff(MessagePanel);
}

void TEditAlarmExact::SetTabOrder()
{
    setTabOrder(Descript, MinutesSpinner);
    setTabOrder(MinutesSpinner, TimeEdit);
    setTabOrder(TimeEdit, HoursSpinner);
}

} // namespace klaxora
