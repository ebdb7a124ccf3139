#include "ui/alarm_list_model.h"

namespace klaxora {

AlarmListModel::AlarmListModel(const AlarmStore& store, QObject* parent)
    : QAbstractListModel(parent), store_(store)
{
}

int AlarmListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : store_.Rows().Count();
}

QVariant AlarmListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= store_.Rows().Count()) {
        return {};
    }
    const AlarmRow& row = store_.Rows()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(row.Text);
    case Qt::AccessibleTextRole:
        // The icon tells the eye whether the alarm is for today; a screen reader says it.
        return QString::fromStdString(row.Text) +
               (row.Object.FutureDate ? QStringLiteral(", future date") : QStringLiteral(", today"));
    case FutureDateRole:
        return row.Object.FutureDate;
    case AlarmIdRole:
        return row.Object.Id;
    default:
        return {};
    }
}

void AlarmListModel::BeginInsertRow(int index)
{
    beginInsertRows(QModelIndex(), index, index);
}

void AlarmListModel::EndInsertRow()
{
    endInsertRows();
}

void AlarmListModel::BeginRemoveRow(int index)
{
    beginRemoveRows(QModelIndex(), index, index);
}

void AlarmListModel::EndRemoveRow()
{
    endRemoveRows();
}

void AlarmListModel::BeginResetRows()
{
    beginResetModel();
}

void AlarmListModel::EndResetRows()
{
    endResetModel();
}

} // namespace klaxora
