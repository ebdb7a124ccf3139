#include "controls/calendar_grid.h"

namespace klaxora {

namespace {

QRect cell(QSize area, int column, int row)
{
    const int left = column * area.width() / CalendarGrid::Columns;
    const int right = (column + 1) * area.width() / CalendarGrid::Columns;
    const int top = row * area.height() / CalendarGrid::Rows;
    const int bottom = (row + 1) * area.height() / CalendarGrid::Rows;
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

int CalendarGrid::dayAt(QPoint point) const
{
    for (std::size_t i = 0; i < dayCells.size(); ++i) {
        if (dayCells[i].contains(point)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

CalendarGrid layOutMonth(QSize area, int firstWeekday, int daysInMonth)
{
    CalendarGrid grid;
    for (int column = 0; column < CalendarGrid::Columns; ++column) {
        grid.nameCells[static_cast<std::size_t>(column)] = cell(area, column, 0);
    }
    grid.dayCells.reserve(static_cast<std::size_t>(daysInMonth));
    for (int day = 1; day <= daysInMonth; ++day) {
        const int slot = firstWeekday - 1 + day - 1;
        grid.dayCells.push_back(cell(area, slot % CalendarGrid::Columns, 1 + slot / CalendarGrid::Columns));
    }
    return grid;
}

} // namespace klaxora
