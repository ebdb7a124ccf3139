#include "controls/month_calendar.h"

#include "controls/month_calendar_accessible.h"

#include <QAccessible>
#include <QDate>
#include <QFont>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace klaxora {

namespace {

constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

} // namespace

MonthCalendar::MonthCalendar(DateTime date, QWidget* parent) : QWidget(parent)
{
    installMonthCalendarAccessibility();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    // Picking a date is done with the mouse and the step buttons; the calendar is no tab stop.
    setFocusPolicy(Qt::NoFocus);
    const CivilDate civil = decodeDate(date);
    year_ = civil.year;
    month_ = civil.month;
    day_ = civil.day;
    layOut();
}

DateTime MonthCalendar::calendarDate() const
{
    return encodeDate(year_, month_, day_);
}

void MonthCalendar::setCalendarDate(DateTime date)
{
    const CivilDate civil = decodeDate(date);
    showDate(civil.year, civil.month, civil.day);
}

void MonthCalendar::prevMonth()
{
    stepMonths(-1);
}

void MonthCalendar::nextMonth()
{
    stepMonths(1);
}

void MonthCalendar::prevYear()
{
    stepYears(-1);
}

void MonthCalendar::nextYear()
{
    stepYears(1);
}

void MonthCalendar::stepMonths(int months)
{
    const int index = year_ * 12 + (month_ - 1) + months;
    const int year = index / 12;
    const int month = index % 12 + 1;
    if (year < FirstYear || year > LastYear) {
        return;
    }
    showDate(year, month, std::min(day_, daysInMonth(year, month)));
}

void MonthCalendar::stepYears(int years)
{
    const int year = year_ + years;
    if (year < FirstYear || year > LastYear) {
        return;
    }
    const int day = (month_ == 2 && day_ == 29) ? 28 : day_;
    showDate(year, month_, day);
}

void MonthCalendar::showDate(int year, int month, int day)
{
    if (year == year_ && month == month_ && day == day_) {
        return;
    }
    const bool newPage = year != year_ || month != month_;
    year_ = year;
    month_ = month;
    day_ = day;
    if (newPage) {
        layOut();
    }
    update();
    if (QAccessible::isActive()) {
        // The new day is the list's selection.
        QAccessibleEvent selected(this, QAccessible::Selection);
        selected.setChild(day_ - 1);
        QAccessible::updateAccessibility(&selected);
    }
    emit change();
}

QString MonthCalendar::dateText(int day) const
{
    if (dateFormatter_)
        return dateFormatter_(encodeDate(year_, month_, day));
    return locale().toString(QDate(year_, month_, day), QLocale::LongFormat);
}

void MonthCalendar::layOut()
{
    const int firstWeekday = dayOfWeek(encodeDate(year_, month_, 1));
    grid_ = layOutMonth(size(), firstWeekday, daysInMonth(year_, month_));
}

QString MonthCalendar::dayName(int column) const
{
    // QLocale counts Monday as 1 and Sunday as 7.
    return locale().dayName(column == 0 ? 7 : column, QLocale::ShortFormat);
}

QSize MonthCalendar::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int cellWidth = metrics.horizontalAdvance(QStringLiteral("Wed")) + 16;
    const int cellHeight = metrics.height() + 6;
    return QSize(cellWidth * CalendarGrid::Columns, cellHeight * CalendarGrid::Rows);
}

QSize MonthCalendar::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    const int cellWidth = metrics.horizontalAdvance(QStringLiteral("30")) + 4;
    return QSize(cellWidth * CalendarGrid::Columns, metrics.height() * CalendarGrid::Rows);
}

void MonthCalendar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void MonthCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int day = grid_.dayAt(event->position().toPoint());
    if (day > 0) {
        showDate(year_, month_, day);
    }
}

void MonthCalendar::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));

    // Cell edges: a light line at the right and the bottom of every cell.
    painter.setPen(colours.color(QPalette::Midlight));
    for (const QRect& cell : grid_.nameCells) {
        painter.fillRect(cell, colours.color(QPalette::Button));
    }
    for (int column = 1; column < CalendarGrid::Columns; ++column) {
        const int x = grid_.nameCells[static_cast<std::size_t>(column)].left() - 1;
        painter.drawLine(x, 0, x, height() - 1);
    }
    for (int row = 1; row < CalendarGrid::Rows; ++row) {
        const int y = row * height() / CalendarGrid::Rows - 1;
        painter.drawLine(0, y, width() - 1, y);
    }

    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(colours.color(group, QPalette::ButtonText));
    for (int column = 0; column < CalendarGrid::Columns; ++column) {
        painter.drawText(grid_.nameCells[static_cast<std::size_t>(column)], Qt::AlignCenter, dayName(column));
    }

    for (int day = 1; day <= static_cast<int>(grid_.dayCells.size()); ++day) {
        QRect cell = grid_.dayCells[static_cast<std::size_t>(day - 1)];
        if (day == day_) {
            painter.fillRect(cell.adjusted(0, 0, -1, -1), colours.color(group, QPalette::Highlight));
            painter.setPen(colours.color(group, QPalette::HighlightedText));
        } else {
            painter.setPen(colours.color(group, QPalette::Text));
        }
        painter.drawText(cell, Qt::AlignCenter, QString::number(day));
    }
}

} // namespace klaxora
