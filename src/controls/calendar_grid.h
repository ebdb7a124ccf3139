// Where the parts of one month's page lie, worked out apart from painting so that clicks and tests agree.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

namespace klaxora {

// A row of weekday names over six week rows; the first column is Sunday.
struct CalendarGrid {
    static constexpr int Columns = 7;
    static constexpr int Rows = 7;

    std::array<QRect, Columns> nameCells;
    std::vector<QRect> dayCells; // dayCells[day - 1]

    // The day of the month under the point, or 0 when the point lies on no day.
    int dayAt(QPoint point) const;
};

// firstWeekday is the weekday of the month's first day, 1 = Sunday ... 7 = Saturday.
// The cells tile the whole area, the spare pixels spread over the columns and rows.
CalendarGrid layOutMonth(QSize area, int firstWeekday, int daysInMonth);

} // namespace klaxora
