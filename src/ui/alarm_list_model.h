// The alarm store's rows as a Qt list model. The store tells the model before and after every change of
// its rows, and the model passes that on, so that the list view's selection follows inserted and removed
// rows. The model never holds alarm data of its own.
#pragma once

#include "store/alarm_store.h"
#include "store/alarm_store_ui.h"

#include <QAbstractListModel>

namespace klaxora {

class AlarmListModel : public QAbstractListModel, public AlarmRowsObserver {
    Q_OBJECT

public:
    // The row's ListedAlarm fields besides the text (Qt::DisplayRole).
    enum Role { FutureDateRole = Qt::UserRole + 1, AlarmIdRole, MissedRole, RepeatingRole };

    // The store must outlive the model; the caller makes the model the store's rows observer.
    explicit AlarmListModel(const AlarmStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void beginInsertRow(int index) override;
    void endInsertRow() override;
    void beginRemoveRow(int index) override;
    void endRemoveRow() override;
    void beginResetRows() override;
    void endResetRows() override;

private:
    const AlarmStore& store_;
};

} // namespace klaxora
