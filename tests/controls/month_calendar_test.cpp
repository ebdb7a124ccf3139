#include "controls/month_calendar.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

CivilDate shown(const MonthCalendar& calendar)
{
    return decodeDate(calendar.calendarDate());
}

// The editor's tests step from 31 January and 29 February 2028 through its buttons; these are the rest.
TEST(TCalendarTest, StepsCutTheDayToTheNewMonthAndStopAtTheEndsOfTheCalendar)
{
    MonthCalendar calendar(encodeDate(2026, 3, 31));
    calendar.prevMonth();
    EXPECT_EQ(shown(calendar), (CivilDate{2026, 2, 28}));

    calendar.setCalendarDate(encodeDate(2026, 12, 15));
    calendar.nextMonth();
    EXPECT_EQ(shown(calendar), (CivilDate{2027, 1, 15}));
    calendar.prevMonth();
    calendar.prevMonth();
    EXPECT_EQ(shown(calendar), (CivilDate{2026, 11, 15}));

    calendar.setCalendarDate(encodeDate(2028, 2, 29));
    calendar.prevYear();
    EXPECT_EQ(shown(calendar), (CivilDate{2027, 2, 28}));
    calendar.nextYear();
    EXPECT_EQ(shown(calendar), (CivilDate{2028, 2, 28})) << "the 28th stays the 28th";

    calendar.setCalendarDate(encodeDate(9999, 12, 31));
    QSignalSpy changes(&calendar, &MonthCalendar::change);
    calendar.nextMonth();
    calendar.nextYear();
    EXPECT_EQ(shown(calendar), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(changes.count(), 0);
}

TEST(TCalendarTest, ChangeIsNotifiedForEveryNewDateAlsoWhenSetByCode)
{
    MonthCalendar calendar(encodeDate(2026, 6, 10));
    QSignalSpy changes(&calendar, &MonthCalendar::change);

    calendar.setCalendarDate(encodeDate(2026, 6, 11));
    EXPECT_EQ(changes.count(), 1);
    // The time of day is no part of the calendar's date.
    calendar.setCalendarDate(encodeDate(2026, 6, 11) + 0.75);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(calendar.calendarDate(), encodeDate(2026, 6, 11));

    calendar.nextMonth();
    calendar.prevYear();
    EXPECT_EQ(changes.count(), 3);
}

TEST(TCalendarTest, WeeksStartOnSunday)
{
    MonthCalendar calendar(encodeDate(2026, 2, 10)); // 1 February 2026 is a Sunday
    calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    calendar.resize(350, 140);
    const CalendarGrid& february = calendar.grid();
    EXPECT_EQ(calendar.dayName(0), QStringLiteral("Sun"));
    EXPECT_EQ(calendar.dayName(6), QStringLiteral("Sat"));
    EXPECT_EQ(february.dayCells[0].left(), february.nameCells[0].left());
    EXPECT_EQ(february.dayCells[6].left(), february.nameCells[6].left());

    calendar.setCalendarDate(encodeDate(2026, 8, 1)); // a Saturday
    const CalendarGrid& august = calendar.grid();
    EXPECT_EQ(august.dayCells[0].left(), august.nameCells[6].left());
    EXPECT_EQ(august.dayCells[1].left(), august.nameCells[0].left());
    EXPECT_GT(august.dayCells[1].top(), august.dayCells[0].top());
    // 31 days starting on a Saturday need all six week rows.
    EXPECT_EQ(august.dayCells[30].bottom(), calendar.height() - 1);
}

TEST(TCalendarTest, ClickOnADayPicksItButTheCalendarIsNoTabStop)
{
    MonthCalendar calendar(encodeDate(2026, 6, 10));
    EXPECT_EQ(calendar.focusPolicy(), Qt::NoFocus);
    calendar.resize(350, 140);
    calendar.show();
    QSignalSpy changes(&calendar, &MonthCalendar::change);

    QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.grid().dayCells[16].center());
    EXPECT_EQ(shown(calendar), (CivilDate{2026, 6, 17}));
    EXPECT_EQ(changes.count(), 1);

    // The names row and the empty cells before the 1st pick nothing; nor does another button.
    QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.grid().nameCells[3].center());
    QTest::mouseClick(&calendar, Qt::LeftButton, {}, QPoint(2, calendar.grid().dayCells[0].center().y()));
    QTest::mouseClick(&calendar, Qt::RightButton, {}, calendar.grid().dayCells[2].center());
    EXPECT_EQ(shown(calendar), (CivilDate{2026, 6, 17}));
    EXPECT_EQ(changes.count(), 1);
}

// A screen reader reads the shown month's days by their dates and learns which one is picked.
TEST(TCalendarTest, ReadsAsAListOfTheMonthsDaysByTheirDates)
{
    MonthCalendar calendar(encodeDate(2026, 6, 10));
    calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    calendar.resize(350, 140);
    calendar.show();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&calendar);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 30);
    QAccessibleInterface* tenth = list->child(9);
    EXPECT_EQ(tenth->role(), QAccessible::ListItem);
    EXPECT_EQ(tenth->text(QAccessible::Name), "Wednesday, June 10, 2026");
    EXPECT_TRUE(tenth->state().selected);
    EXPECT_FALSE(list->child(10)->state().selected);
    const QPoint seventeenth = calendar.mapToGlobal(calendar.grid().dayCells[16].center());
    EXPECT_EQ(list->childAt(seventeenth.x(), seventeenth.y()), list->child(16));

    // The owner's format; a page of fewer days leaves the last ones out.
    calendar.setDateFormatter([](DateTime date) {
        const CivilDate civil = decodeDate(date);
        return QStringLiteral("%1.%2.%3").arg(civil.day).arg(civil.month).arg(civil.year);
    });
    QAccessibleInterface* thirtieth = list->child(29);
    calendar.setCalendarDate(encodeDate(2026, 2, 3));
    ASSERT_EQ(list->childCount(), 28);
    EXPECT_EQ(list->child(27)->text(QAccessible::Name), "28.2.2026");
    EXPECT_TRUE(list->child(2)->state().selected);
    EXPECT_FALSE(thirtieth->isValid());
}

TEST(TCalendarTest, PaintsThePickedDayInItsCell)
{
    MonthCalendar calendar(encodeDate(2026, 6, 10));
    calendar.resize(350, 140);
    const QImage picture = calendar.grab().toImage();
    const QColor highlight = calendar.palette().color(QPalette::Highlight);
    const QRect picked = calendar.grid().dayCells[9];
    const QRect other = calendar.grid().dayCells[10];
    EXPECT_EQ(picture.pixelColor(picked.topLeft() + QPoint(1, 1)), highlight);
    EXPECT_NE(picture.pixelColor(other.topLeft() + QPoint(1, 1)), highlight);
}

TEST(CalendarGridTest, CellsTileTheAreaWithoutOverlap)
{
    const QSize area(401, 157);
    const CalendarGrid grid = layOutMonth(area, 7, 31);
    ASSERT_EQ(grid.dayCells.size(), 31U);
    for (std::size_t i = 0; i < grid.dayCells.size(); ++i) {
        EXPECT_TRUE(QRect(QPoint(), area).contains(grid.dayCells[i]));
        EXPECT_EQ(grid.dayAt(grid.dayCells[i].center()), static_cast<int>(i) + 1);
        if (i > 0) {
            EXPECT_FALSE(grid.dayCells[i].intersects(grid.dayCells[i - 1]));
        }
    }
    EXPECT_EQ(grid.nameCells[0].left(), 0);
    EXPECT_EQ(grid.nameCells[6].right(), area.width() - 1);
    EXPECT_EQ(grid.nameCells[1].left(), grid.nameCells[0].right() + 1);
    EXPECT_EQ(grid.dayAt(QPoint(-1, 100)), 0);
}

} // namespace
} // namespace klaxora
