// TCalendar: one month as a grid of days, weeks starting on Sunday, on which a click picks the date.
#pragma once

#include "controls/calendar_grid.h"
#include "store/date_time.h"

#include <QString>
#include <QWidget>

namespace klaxora {

class TCalendar : public QWidget {
    Q_OBJECT

public:
    // The calendar needs a date from the start; callers pass today from their clock.
    explicit TCalendar(TDateTime date, QWidget* parent = nullptr);

    // The date shown and picked, as a whole day count.
    TDateTime CalendarDate() const;
    // Takes the date part only; Change follows when the date differs from the one shown.
    void SetCalendarDate(TDateTime date);

    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }

    // Month steps keep the day, cut to the length of the new month.
    void PrevMonth();
    void NextMonth();
    // Year steps turn 29 February into 28 February first.
    void PrevYear();
    void NextYear();

    const CalendarGrid& Grid() const { return grid_; }
    // Short name of the weekday of a column, 0 = Sunday.
    QString DayName(int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowDate(int year, int month, int day);
    void StepMonths(int months);
    void StepYears(int years);
    void LayOut();

    int year_ = 1899;
    int month_ = 12;
    int day_ = 30;
    CalendarGrid grid_;
};

} // namespace klaxora
