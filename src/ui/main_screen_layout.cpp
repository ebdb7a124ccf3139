// The main window's controls as laid out on its form: the main panel with the legend strip, the list and
// the command bar, and the bottom bar with the two large buttons.
#include "ui/main_screen.h"

#include "controls/bevel_panel.h"
#include "controls/flat_button.h"
#include "ui/alarm_list_delegate.h"
#include "ui/alarm_list_view.h"
#include "ui/button_pictures.h"
#include "ui/list_icons.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace klaxora {

namespace {

// The outer size of the window on the desktop it was drawn for, less its sizing frame (4 pixels a side)
// and caption (19 pixels): what is left holds the menu bar and the client area.
constexpr int ClientWidth = 571 - 2 * 4;
constexpr int ClientHeight = 384 - 2 * 4 - 19;

constexpr int LegendHeight = 32;
constexpr int CommandBarHeight = 33;
constexpr int BottomBarHeight = 44;

QFont ArialPixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* PictureLabel(const QImage& picture, int left, int top, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(picture));
    label->setGeometry(left, top, picture.width(), picture.height()); // sized to its picture
    return label;
}

QLabel* TextLabel(const QString& text, int left, int top, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

TFlatButton* CommandButton(const QString& caption, const QString& hint, const QImage& picture, int left,
                           int width, QWidget* parent)
{
    auto* button = new TFlatButton(parent);
    button->setGeometry(left, 2, width, CommandBarHeight - 4);
    button->setCaption(caption);
    button->setHint(hint);
    button->setBitmap(picture);
    button->setButtonLayout(flatbtn::blBitmapLeft);
    return button;
}

TFlatButton* LargeButton(const QString& caption, const QString& hint, const QImage& picture, int width,
                         flatbtn::TFlatButtonLayout layout, flatbtn::TAlignment alignment, QWidget* parent)
{
    auto* button = new TFlatButton(parent);
    button->setFixedSize(width, 40);
    button->setCaption(caption);
    button->setHint(hint);
    button->setBitmap(picture);
    button->setButtonLayout(layout);
    button->setAlignment(alignment);
    button->setFont(ArialPixels(24, true));
    button->setUnselectedFontColor(Qt::black);
    button->setOptions(flatbtn::boMonoDisplay | flatbtn::boPopupMark);
    return button;
}

} // namespace

void TMainScreen::BuildLayout()
{
    setWindowTitle(QStringLiteral("Klaxora!"));
    setFont(ArialPixels(11));
    resize(ClientWidth, ClientHeight);

    auto* client = new QWidget(this);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    setCentralWidget(client);

    auto* mainPanel = new BevelPanel(client);
    mainPanel->SetBevelInner(TPanelBevel::bvLowered);
    mainPanel->SetBorderWidth(2);
    // The panels keep their frames clear through their own margins; the layouts add none.
    auto* mainLayout = new QVBoxLayout(mainPanel);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    clientLayout->addWidget(mainPanel, 1);

    // Legend strip: the two row icons with their meaning, the filter and the clock.
    auto* Panel5 = new BevelPanel(mainPanel);
    Panel5->SetBevelOuter(TPanelBevel::bvNone);
    Panel5->setFixedHeight(LegendHeight);
    AlarmImage = PictureLabel(AlarmImagePicture(), 8, 7, Panel5);
    AlarmImage->setObjectName(QStringLiteral("todayIcon"));
    Label2 = TextLabel(QStringLiteral("- Alarm is for today"), 29, 9, Panel5);
    Label2->setObjectName(QStringLiteral("todayLegend"));
    DoneImage = PictureLabel(DoneImagePicture(), 128, 7, Panel5);
    DoneImage->setObjectName(QStringLiteral("futureIcon"));
    Label3 = TextLabel(QStringLiteral("- Alarm is for a future date"), 148, 9, Panel5);
    Label3->setObjectName(QStringLiteral("futureLegend"));
    ShowOnlytoday = new QCheckBox(QStringLiteral("Show Today Only"), Panel5);
    ShowOnlytoday->setObjectName(QStringLiteral("showTodayOnlyBox"));
    ShowOnlytoday->setToolTip(QStringLiteral("Only show today's alarms"));
    ShowOnlytoday->move(291, 7);
    ShowOnlytoday->adjustSize();
    TimeLabel = new BevelPanel(Panel5);
    TimeLabel->setObjectName(QStringLiteral("clockPanel"));
    TimeLabel->SetBevelOuter(TPanelBevel::bvLowered);
    TimeLabel->setGeometry(422, 3, 118, 25);
    TimeLabel->setToolTip(QStringLiteral("Current time"));
    TimeLabel->setFont(ArialPixels(13, true));
    mainLayout->addWidget(Panel5);

    // The list fills the rest, inside a 5-pixel border.
    auto* Panel3 = new BevelPanel(mainPanel);
    Panel3->SetBevelOuter(TPanelBevel::bvNone);
    Panel3->SetBorderWidth(5);
    auto* listLayout = new QVBoxLayout(Panel3);
    listLayout->setContentsMargins(0, 0, 0, 0);
    AlarmListBox = new AlarmListView(Panel3);
    AlarmListBox->setObjectName(QStringLiteral("alarmList"));
    AlarmListBox->setFont(ArialPixels(12));
    AlarmListBox->setAccessibleName(QStringLiteral("Alarms"));
    QPalette blackOnWhite = AlarmListBox->palette();
    blackOnWhite.setColor(QPalette::Base, Qt::white);
    blackOnWhite.setColor(QPalette::Text, Qt::black);
    AlarmListBox->setPalette(blackOnWhite);
    AlarmListBox->setItemDelegate(
        new AlarmListDelegate(AlarmImagePicture(), DoneImagePicture(), AlarmListBox));
    listLayout->addWidget(AlarmListBox);
    mainLayout->addWidget(Panel3, 1);

    // Command bar: the five commands on alarms, in their order. A hint breaks its line at "\n".
    auto* Panelx = new BevelPanel(mainPanel);
    Panelx->SetBevelOuter(TPanelBevel::bvNone);
    Panelx->setFixedHeight(CommandBarHeight);
    AddAlarmButton = CommandButton(QStringLiteral("&Add Alarm"), QStringLiteral("Add a new alarm"),
                                   AddAlarmPicture(), 4, 92, Panelx);
    AddAlarmButton->setObjectName(QStringLiteral("addAlarmButton"));
    EditAlarmButton = CommandButton(QStringLiteral("&Edit Alarm"), QStringLiteral("Edit current alarm"),
                                    EditAlarmPicture(), 100, 92, Panelx);
    EditAlarmButton->setObjectName(QStringLiteral("editAlarmButton"));
    DeleteAlarmButton = CommandButton(QStringLiteral("&Delete Alarm"), QStringLiteral("Delete current alarm"),
                                      DeleteAlarmPicture(), 196, 104, Panelx);
    DeleteAlarmButton->setObjectName(QStringLiteral("deleteAlarmButton"));
    CloneButton =
        CommandButton(QStringLiteral("&Clone Alarm"), QStringLiteral("Make a copy of \ncurrent alarm"),
                      CloneAlarmPicture(), 304, 108, Panelx);
    CloneButton->setObjectName(QStringLiteral("cloneButton"));
    AdjustTimeButton = CommandButton(QStringLiteral("Adjust &Time +/-"),
                                     QStringLiteral("Adjust the current alarm time \nplus or minus "),
                                     AdjustTimePicture(), 416, 130, Panelx);
    AdjustTimeButton->setObjectName(QStringLiteral("adjustTimeButton"));
    mainLayout->addWidget(Panelx);

    // Bottom bar: Minimize at the left, Exit at the right.
    auto* bottomBar = new BevelPanel(client);
    bottomBar->setFixedHeight(BottomBarHeight);
    auto* bottomLayout = new QHBoxLayout(bottomBar);
    bottomLayout->setContentsMargins(1, 1, 1, 1);
    bottomLayout->setSpacing(0);
    Minimizebutton =
        LargeButton(QStringLiteral("&Minimize"), QStringLiteral("Minimize Klaxora!"), MinimizePicture(), 136,
                    flatbtn::blBitmapLeft, flatbtn::taLeftJustify, bottomBar);
    Minimizebutton->setObjectName(QStringLiteral("minimizeButton"));
    Exitbutton = LargeButton(QStringLiteral("E&xit"), QStringLiteral("Exit Klaxora!"), ExitPicture(), 86,
                             flatbtn::blBitmapRight, flatbtn::taRightJustify, bottomBar);
    Exitbutton->setObjectName(QStringLiteral("exitButton"));
    bottomLayout->addWidget(Minimizebutton);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(Exitbutton);
    clientLayout->addWidget(bottomBar);
}

} // namespace klaxora
