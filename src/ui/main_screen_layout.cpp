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

QFont arialPixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* pictureLabel(const QImage& picture, int left, int top, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(picture));
    label->setGeometry(left, top, picture.width(), picture.height()); // sized to its picture
    return label;
}

QLabel* textLabel(const QString& text, int left, int top, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

FlatButton* commandButton(const QString& caption, const QString& hint, const QImage& picture, int left,
                          int width, QWidget* parent)
{
    auto* button = new FlatButton(parent);
    button->setGeometry(left, 2, width, CommandBarHeight - 4);
    button->setCaption(caption);
    button->setHint(hint);
    button->setBitmap(picture);
    button->setButtonLayout(flatbtn::blBitmapLeft);
    return button;
}

FlatButton* largeButton(const QString& caption, const QString& hint, const QImage& picture, int width,
                        flatbtn::FlatButtonLayout layout, flatbtn::TextAlignment alignment, QWidget* parent)
{
    auto* button = new FlatButton(parent);
    button->setFixedSize(width, 40);
    button->setCaption(caption);
    button->setHint(hint);
    button->setBitmap(picture);
    button->setButtonLayout(layout);
    button->setAlignment(alignment);
    button->setFont(arialPixels(24, true));
    button->setUnselectedFontColor(Qt::black);
    button->setOptions(flatbtn::boMonoDisplay | flatbtn::boPopupMark);
    return button;
}

} // namespace

void MainScreen::buildLayout()
{
    setWindowTitle(QStringLiteral("Klaxora!"));
    setFont(arialPixels(11));
    resize(ClientWidth, ClientHeight);

    auto* client = new QWidget(this);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    setCentralWidget(client);

    auto* mainPanel = new BevelPanel(client);
    mainPanel->setBevelInner(PanelBevel::bvLowered);
    mainPanel->setBorderWidth(2);
    // The panels keep their frames clear through their own margins; the layouts add none.
    auto* mainLayout = new QVBoxLayout(mainPanel);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    clientLayout->addWidget(mainPanel, 1);

    // Legend strip: the two row icons with their meaning, the filter and the clock.
    auto* legendStrip = new BevelPanel(mainPanel);
    legendStrip->setBevelOuter(PanelBevel::bvNone);
    legendStrip->setFixedHeight(LegendHeight);
    auto* todayIcon = pictureLabel(todayAlarmPicture(), 8, 7, legendStrip);
    todayIcon->setObjectName(QStringLiteral("todayIcon"));
    auto* todayLegend = textLabel(tr("- Alarm is for today"), 29, 9, legendStrip);
    todayLegend->setObjectName(QStringLiteral("todayLegend"));
    auto* futureIcon = pictureLabel(futureAlarmPicture(), 128, 7, legendStrip);
    futureIcon->setObjectName(QStringLiteral("futureIcon"));
    auto* futureLegend = textLabel(tr("- Alarm is for a future date"), 148, 9, legendStrip);
    futureLegend->setObjectName(QStringLiteral("futureLegend"));
    showTodayOnlyBox_ = new QCheckBox(tr("Show Today Only"), legendStrip);
    showTodayOnlyBox_->setObjectName(QStringLiteral("showTodayOnlyBox"));
    showTodayOnlyBox_->setToolTip(tr("Only show today's alarms"));
    showTodayOnlyBox_->move(291, 7);
    showTodayOnlyBox_->adjustSize();
    clockPanel_ = new BevelPanel(legendStrip);
    clockPanel_->setObjectName(QStringLiteral("clockPanel"));
    clockPanel_->setBevelOuter(PanelBevel::bvLowered);
    clockPanel_->setGeometry(422, 3, 118, 25);
    clockPanel_->setToolTip(tr("Current time"));
    clockPanel_->setFont(arialPixels(13, true));
    mainLayout->addWidget(legendStrip);

    // The list fills the rest, inside a 5-pixel border.
    auto* listPanel = new BevelPanel(mainPanel);
    listPanel->setBevelOuter(PanelBevel::bvNone);
    listPanel->setBorderWidth(5);
    auto* listLayout = new QVBoxLayout(listPanel);
    listLayout->setContentsMargins(0, 0, 0, 0);
    alarmList_ = new AlarmListView(listPanel);
    alarmList_->setObjectName(QStringLiteral("alarmList"));
    alarmList_->setFont(arialPixels(12));
    alarmList_->setAccessibleName(tr("Alarms"));
    QPalette blackOnWhite = alarmList_->palette();
    blackOnWhite.setColor(QPalette::Base, Qt::white);
    blackOnWhite.setColor(QPalette::Text, Qt::black);
    alarmList_->setPalette(blackOnWhite);
    alarmList_->setItemDelegate(new AlarmListDelegate(
        {todayAlarmPicture(), futureAlarmPicture(), missedAlarmPicture(), repeatingAlarmPicture()},
        alarmList_));
    listLayout->addWidget(alarmList_);
    mainLayout->addWidget(listPanel, 1);

    // Command bar: the five commands on alarms, in their order. A hint breaks its line at "\n".
    auto* commandBar = new BevelPanel(mainPanel);
    commandBar->setBevelOuter(PanelBevel::bvNone);
    commandBar->setFixedHeight(CommandBarHeight);
    addAlarmButton_ =
        commandButton(tr("&Add Alarm"), tr("Add a new alarm"), addAlarmPicture(), 4, 92, commandBar);
    addAlarmButton_->setObjectName(QStringLiteral("addAlarmButton"));
    editAlarmButton_ =
        commandButton(tr("&Edit Alarm"), tr("Edit current alarm"), editAlarmPicture(), 100, 92, commandBar);
    editAlarmButton_->setObjectName(QStringLiteral("editAlarmButton"));
    deleteAlarmButton_ = commandButton(tr("&Delete Alarm"), tr("Delete current alarm"), deleteAlarmPicture(),
                                       196, 104, commandBar);
    deleteAlarmButton_->setObjectName(QStringLiteral("deleteAlarmButton"));
    cloneButton_ = commandButton(tr("&Clone Alarm"), tr("Make a copy of \ncurrent alarm"),
                                 cloneAlarmPicture(), 304, 108, commandBar);
    cloneButton_->setObjectName(QStringLiteral("cloneButton"));
    adjustTimeButton_ =
        commandButton(tr("Adjust &Time +/-"), tr("Adjust the current alarm time \nplus or minus "),
                      adjustTimePicture(), 416, 130, commandBar);
    adjustTimeButton_->setObjectName(QStringLiteral("adjustTimeButton"));
    mainLayout->addWidget(commandBar);

    // Bottom bar: Minimize at the left, Exit at the right.
    auto* bottomBar = new BevelPanel(client);
    bottomBar->setFixedHeight(BottomBarHeight);
    auto* bottomLayout = new QHBoxLayout(bottomBar);
    bottomLayout->setContentsMargins(1, 1, 1, 1);
    bottomLayout->setSpacing(0);
    minimizeButton_ = largeButton(tr("&Minimize"), tr("Minimize Klaxora!"), minimizePicture(), 136,
                                  flatbtn::blBitmapLeft, flatbtn::taLeftJustify, bottomBar);
    minimizeButton_->setObjectName(QStringLiteral("minimizeButton"));
    exitButton_ = largeButton(tr("E&xit"), tr("Exit Klaxora!"), exitPicture(), 86, flatbtn::blBitmapRight,
                              flatbtn::taRightJustify, bottomBar);
    exitButton_->setObjectName(QStringLiteral("exitButton"));
    bottomLayout->addWidget(minimizeButton_);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(exitButton_);
    clientLayout->addWidget(bottomBar);
}

} // namespace klaxora
