#include "ui/alarm_list_model.h"

namespace klaxora {

AlarmListModel::AlarmListModel(const AlarmStore& store, QObject* parent)
    : QAbstractListModel(parent), store_(store)
{
}

int AlarmListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : store_.rows().count();
}

QVariant AlarmListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= store_.rows().count()) {
        return {};
    }
    const AlarmRow& row = store_.rows()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(row.text);
    case Qt::AccessibleTextRole:
        // The icon tells the eye whether the alarm is for today, or repeats; a screen reader says it.
        return QString::fromStdString(row.text) + (row.object.missed                ? tr(", missed")
                                                   : !row.object.repeatDays.empty() ? tr(", repeating")
                                                   : row.object.futureDate          ? tr(", future date")
                                                                                    : tr(", today"));
    case FutureDateRole:
        return row.object.futureDate;
    case MissedRole:
        return row.object.missed;
    case RepeatingRole:
        return !row.object.repeatDays.empty();
    case AlarmIdRole:
        return row.object.id;
    default:
        return {};
    }
}

void AlarmListModel::beginInsertRow(int index)
{
    beginInsertRows(QModelIndex(), index, index);
}

void AlarmListModel::endInsertRow()
{
    endInsertRows();
}

void AlarmListModel::beginRemoveRow(int index)
{
    beginRemoveRows(QModelIndex(), index, index);
}

void AlarmListModel::endRemoveRow()
{
    endRemoveRows();
}

void AlarmListModel::beginResetRows()
{
    beginResetModel();
}

void AlarmListModel::endResetRows()
{
    endResetModel();
}

} // namespace klaxora
