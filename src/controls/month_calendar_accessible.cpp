#include "controls/month_calendar_accessible.h"

#include "controls/month_calendar.h"

#include <QAccessibleWidget>

#include <array>

namespace klaxora {

namespace {

constexpr int MostDays = 31;

class AccessibleMonthCalendar final : public QAccessibleWidget {
public:
    explicit AccessibleMonthCalendar(MonthCalendar* calendar) : QAccessibleWidget(calendar, QAccessible::List)
    {
    }
    ~AccessibleMonthCalendar() override;

    MonthCalendar* calendar() const { return static_cast<MonthCalendar*>(widget()); }
    int daysShown() const { return static_cast<int>(calendar()->grid().dayCells.size()); }

    int childCount() const override { return daysShown(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    // The days' interfaces, made when first asked for and kept from month to month: day n stays child n - 1.
    mutable std::array<QAccessible::Id, MostDays> dayIds_{};
};

class AccessibleCalendarDay final : public QAccessibleInterface {
public:
    AccessibleCalendarDay(const AccessibleMonthCalendar* list, int day) : list_(list), day_(day) {}

    int day() const { return day_; }

    bool isValid() const override { return list_->isValid() && day_ <= list_->daysShown(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_->window(); }
    QAccessibleInterface* parent() const override { return const_cast<AccessibleMonthCalendar*>(list_); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? list_->calendar()->dateText(day_) : QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const MonthCalendar* calendar = list_->calendar();
        const QRect cell = calendar->grid().dayCells[static_cast<std::size_t>(day_ - 1)];
        return QRect(calendar->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        const QAccessible::State calendar = list_->state();
        QAccessible::State s;
        s.invisible = calendar.invisible;
        s.offscreen = calendar.offscreen;
        s.disabled = calendar.disabled;
        s.selectable = true;
        s.selected = day_ == list_->calendar()->day();
        return s;
    }

private:
    const AccessibleMonthCalendar* list_;
    int day_;
};

AccessibleMonthCalendar::~AccessibleMonthCalendar()
{
    for (QAccessible::Id id : dayIds_) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface* AccessibleMonthCalendar::child(int index) const
{
    if (index < 0 || index >= daysShown())
        return nullptr;
    QAccessible::Id& id = dayIds_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new AccessibleCalendarDay(this, index + 1));
    return QAccessible::accessibleInterface(id);
}

int AccessibleMonthCalendar::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == nullptr || child->parent() != this)
        return -1;
    const int day = static_cast<const AccessibleCalendarDay*>(child)->day();
    return day <= daysShown() ? day - 1 : -1;
}

QAccessibleInterface* AccessibleMonthCalendar::childAt(int x, int y) const
{
    const int day = calendar()->grid().dayAt(calendar()->mapFromGlobal(QPoint(x, y)));
    return day > 0 ? child(day - 1) : nullptr;
}

QAccessibleInterface* monthCalendarFactory(const QString& /*className*/, QObject* object)
{
    if (auto* calendar = qobject_cast<MonthCalendar*>(object))
        return new AccessibleMonthCalendar(calendar);
    return nullptr;
}

} // namespace

void installMonthCalendarAccessibility()
{
    QAccessible::installFactory(monthCalendarFactory);
}

} // namespace klaxora
