// MonthCalendar: one month as a grid of days, weeks starting on Sunday, on which a click picks the date.
#pragma once

#include "controls/calendar_grid.h"
#include "store/date_time.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <utility>

namespace klaxora {

class MonthCalendar : public QWidget {
    Q_OBJECT

public:
    // The calendar needs a date from the start; callers pass today from their clock.
    explicit MonthCalendar(DateTime date, QWidget* parent = nullptr);

    // The date shown and picked, as a whole day count.
    DateTime calendarDate() const;
    // Takes the date part only; Change follows when the date differs from the one shown.
    void setCalendarDate(DateTime date);

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }

    // Month steps keep the day, cut to the length of the new month.
    void prevMonth();
    void nextMonth();
    // Year steps turn 29 February into 28 February first.
    void prevYear();
    void nextYear();

    // How a day of the shown month reads to assistive technology: by default the locale's long date; the
    // owner hands the program's own long date format.
    void setDateFormatter(std::function<QString(DateTime)> formatter)
    {
        dateFormatter_ = std::move(formatter);
    }
    QString dateText(int day) const;

    const CalendarGrid& grid() const { return grid_; }
    // Short name of the weekday of a column, 0 = Sunday.
    QString dayName(int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showDate(int year, int month, int day);
    void stepMonths(int months);
    void stepYears(int years);
    void layOut();

    int year_ = 1899;
    int month_ = 12;
    int day_ = 30;
    CalendarGrid grid_;
    std::function<QString(DateTime)> dateFormatter_;
};

} // namespace klaxora
