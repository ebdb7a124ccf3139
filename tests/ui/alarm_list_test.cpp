// The alarm list: row measure and drawing, the selection as rows come and go, and the list's input.
#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/store_test_support.h"
#include "ui/alarm_list_delegate.h"
#include "ui/alarm_list_model.h"
#include "ui/alarm_list_view.h"
#include "ui/list_icons.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace klaxora {
namespace {

using klaxora::testing::at;

constexpr int RowHeight = 19;

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

// The first pixel of `picture` that is not silver and differs from `other`, if any.
std::optional<QPoint> distinctDrawnPixel(const QImage& picture, const QImage& other)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (pixel != 0xFFC0C0C0 && pixel != other.pixel(x, y)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// The bounding box of the dark pixels inside `area`.
QRect darkPixels(const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isDark(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

int countPixels(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == (colour | 0xFF000000) ? 1 : 0;
        }
    }
    return count;
}

class AlarmListTest : public ::testing::Test {
protected:
    AlarmListTest()
        : formats(FormatSettings{}), store(clock, formats, folder.path(), fileSystem), model(store)
    {
        store.setRowsObserver(&model);
        view.setModel(&model);
        view.setItemDelegate(new AlarmListDelegate(
            {todayAlarmPicture(), futureAlarmPicture(), missedAlarmPicture(), repeatingAlarmPicture()},
            &view));
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(12);
        view.setFont(arial);
        QPalette palette = view.palette();
        palette.setColor(QPalette::Base, Qt::white);
        view.setPalette(palette);
        view.resize(320, 100);
    }

    AlarmId add(const char* time, const char* date, const char* message)
    {
        return store.addAlarm(time, date, message, "", amMessageAndSound);
    }

    QImage render()
    {
        view.show();
        QApplication::processEvents();
        return view.viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }

    QColor highlight() const { return view.palette().color(QPalette::Active, QPalette::Highlight); }

    FakeClock clock{at(2026, 6, 10, 9, 0)};
    DateTimeFormats formats;
    klaxora::testing::TempFolder folder;
    PosixFileSystem fileSystem;
    AlarmStore store;
    AlarmListModel model;
    AlarmListView view;
};

TEST(AlarmListMeasure, RowsAreTwoPixelsHigherThanTheIconOrKeepTheOfferedHeight)
{
    EXPECT_EQ(AlarmListDelegate::measureItem(17, 14), 19);
    EXPECT_EQ(AlarmListDelegate::measureItem(14, 14), 16);
    EXPECT_EQ(AlarmListDelegate::measureItem(13, 14), 14);

    const QImage small(12, 12, QImage::Format_ARGB32);
    const AlarmListDelegate smallIcons({small, small, small, small});
    EXPECT_EQ(smallIcons.sizeHint(QStyleOptionViewItem(), QModelIndex()).height(), 14);
}

TEST_F(AlarmListTest, IconFollowsTheDateAndItsSilverTakesTheRowBackground)
{
    add("10:00am", "06/10/2026", "Tea");
    add("10:00am", "06/12/2026", "Dentist");
    store.addAlarm("10:00am", "06/13/2026", "Gym", "", amMessageAndSound, RepeatDays::everyDay());
    view.selectRow(0);
    const QImage image = render();
    EXPECT_EQ(view.visualRect(model.index(0)).height(), RowHeight);
    EXPECT_EQ(view.visualRect(model.index(1)).top(), RowHeight);

    // The icons' top-left pixel is silver: highlight on the selected row, white on the other.
    EXPECT_EQ(QColor(image.pixel(0, 0)), highlight());
    EXPECT_EQ(QColor(image.pixel(0, RowHeight)), QColor(Qt::white));

    const QImage today = todayAlarmPicture();
    const QImage future = futureAlarmPicture();
    const std::optional<QPoint> todayOnly = distinctDrawnPixel(today, future);
    const std::optional<QPoint> futureOnly = distinctDrawnPixel(future, today);
    ASSERT_TRUE(todayOnly && futureOnly);
    EXPECT_EQ(image.pixel(*todayOnly), today.pixel(*todayOnly));
    EXPECT_EQ(image.pixel(futureOnly->x(), RowHeight + futureOnly->y()), future.pixel(*futureOnly));
    const QImage repeating = repeatingAlarmPicture();
    const std::optional<QPoint> repeatingOnly = distinctDrawnPixel(repeating, today);
    ASSERT_TRUE(repeatingOnly);
    EXPECT_EQ(image.pixel(repeatingOnly->x(), 2 * RowHeight + repeatingOnly->y()),
              repeating.pixel(*repeatingOnly))
        << "a repeating alarm, whatever its date";
}

TEST_F(AlarmListTest, TextStartsFourPixelsRightOfTheIconAndTwoBelowTheRowTop)
{
    add("10:00am", "06/10/2026", "Tea");
    add("10:00am", "06/12/2026", "Dentist");
    view.selectRow(0);
    const QImage image = render();

    const QRect rowOne(ListIconSize, RowHeight, view.viewport()->width() - ListIconSize, RowHeight);
    const QRect text = darkPixels(image, rowOne);
    ASSERT_FALSE(text.isNull());
    const QFontMetrics metrics(view.font());
    const int x = ListIconSize + 4;
    const int y = RowHeight + 2;
    EXPECT_GE(text.left(), x);
    EXPECT_LE(text.left(), x + 1 + metrics.leftBearing(QLatin1Char('D')));
    const int glyphTop = y + metrics.ascent() + metrics.boundingRect(QLatin1Char('D')).top();
    EXPECT_NEAR(text.top(), glyphTop, 1);

    // Glyph stems are drawn in full colour: highlight text on the selected row, black on the other.
    const QRgb highlightText = view.palette().color(QPalette::Active, QPalette::HighlightedText).rgb();
    EXPECT_GT(countPixels(image, QRect(x, 0, 60, RowHeight), highlightText), 0);
    EXPECT_GT(countPixels(image, QRect(x, RowHeight, 60, RowHeight), qRgb(0, 0, 0)), 0);
}

TEST_F(AlarmListTest, LongMessageRunsToTheRightEdgeOnOneLine)
{
    add("10:00am", "06/12/2026", "Remember to water the plants and then call the garden centre about bulbs");
    view.resize(220, 100);
    const QImage image = render();
    const int width = view.viewport()->width();

    const QRect text = darkPixels(image, QRect(ListIconSize, 0, width - ListIconSize, RowHeight));
    EXPECT_GE(text.right(), width - 8) << "the text is cut at the edge, not shortened";
    // Nothing below the one row: no second line.
    EXPECT_TRUE(darkPixels(image, QRect(0, RowHeight, width, image.height() - RowHeight)).isNull());
    EXPECT_EQ(view.visualRect(model.index(0)).width(), width);
}

TEST_F(AlarmListTest, FocusRectangleSurroundsTheCurrentRowOnlyWhileTheListHasFocus)
{
    add("10:00am", "06/12/2026", "Dentist");
    view.selectRow(0);
    view.show();
    QApplication::setActiveWindow(&view);
    view.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(view.hasFocus());
    QImage image = render();
    const int right = view.viewport()->width() - 1;
    // A dotted line: alternating pixels along the bottom edge of the highlighted row differ.
    EXPECT_NE(image.pixel(right - 40, RowHeight - 1), image.pixel(right - 41, RowHeight - 1));

    view.clearFocus();
    QApplication::processEvents();
    image = render();
    EXPECT_EQ(image.pixel(right - 40, RowHeight - 1), image.pixel(right - 41, RowHeight - 1));
}

TEST_F(AlarmListTest, SelectionFollowsInsertedRowsAndIsEmptyAfterTheSelectedRowGoes)
{
    add("10:00am", "06/12/2026", "Dentist");
    const AlarmId later = add("11:00am", "06/13/2026", "Market");
    view.selectRow(1);

    add("09:30am", "06/10/2026", "Tea"); // today: inserted above
    ASSERT_EQ(view.selectedRow(), 2);
    EXPECT_EQ(store.rows()[view.selectedRow()].object.id, later);

    store.deleteAlarm(0);
    EXPECT_EQ(view.selectedRow(), 1);
    store.deleteAlarm(1);
    EXPECT_EQ(view.selectedRow(), -1) << "the view must not pick a neighbour";
    EXPECT_EQ(model.rowCount(), 1);
}

TEST_F(AlarmListTest, ReloadEmptiesSelectionAndBringsBackEveryRow)
{
    add("10:00am", "06/12/2026", "Dentist");
    add("11:00am", "06/13/2026", "Market");
    store.writeToDisk();
    view.selectRow(0);
    store.loadFromDisk();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(view.selectedRow(), -1);
    EXPECT_EQ(model.data(model.index(1), Qt::DisplayRole).toString().toStdString(), store.rows()[1].text);
    EXPECT_TRUE(model.data(model.index(1), AlarmListModel::FutureDateRole).toBool());
}

TEST_F(AlarmListTest, RightClickOpensThePopupMenuWithoutMovingTheSelectionAndNoClickClearsIt)
{
    add("10:00am", "06/12/2026", "Dentist");
    add("11:00am", "06/13/2026", "Market");
    QMenu menu;
    menu.addAction(QStringLiteral("&Edit"));
    view.setPopupMenu(&menu);
    view.selectRow(0);
    render();

    const QPoint onRowOne = view.visualRect(model.index(1)).center();
    QTest::mousePress(view.viewport(), Qt::RightButton, Qt::NoModifier, onRowOne);
    QContextMenuEvent context(QContextMenuEvent::Mouse, onRowOne, view.viewport()->mapToGlobal(onRowOne));
    QApplication::sendEvent(view.viewport(), &context);
    QTest::mouseRelease(view.viewport(), Qt::RightButton, Qt::NoModifier, onRowOne);
    EXPECT_EQ(view.selectedRow(), 0);
    EXPECT_TRUE(menu.isVisible());
    menu.close();

    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, onRowOne);
    EXPECT_EQ(view.selectedRow(), 1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, onRowOne);
    EXPECT_EQ(view.selectedRow(), 1) << "Ctrl+click on the selected row keeps it selected";
}

TEST_F(AlarmListTest, DoubleClickEnterAndDeleteAreReported)
{
    add("10:00am", "06/12/2026", "Dentist");
    view.selectRow(0);
    render();
    QSignalSpy doubleClicks(&view, &AlarmListView::leftDoubleClicked);
    QSignalSpy enters(&view, &AlarmListView::enterPressed);
    QSignalSpy deletes(&view, &AlarmListView::deleteKeyPressed);

    // Below the last row counts too: the command then acts on the selected row.
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 80));
    QTest::mouseDClick(view.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(50, 5));
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_Enter);
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(view.selectedRow(), 0);
    EXPECT_EQ(enters.count(), 2);
    EXPECT_EQ(deletes.count(), 1);
}

} // namespace
} // namespace klaxora
