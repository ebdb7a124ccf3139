// What the alarm store asks of the window that shows it. The store stays free of any GUI library;
// the Qt side implements these interfaces.
#pragma once

namespace klaxora {

// Told about every change of the rows, before and after, so that a list model can forward it.
class AlarmRowsObserver {
public:
    virtual ~AlarmRowsObserver() = default;
    virtual void beginInsertRow(int index) = 0;
    virtual void endInsertRow() = 0;
    virtual void beginRemoveRow(int index) = 0;
    virtual void endRemoveRow() = 0;
    virtual void beginResetRows() = 0;
    virtual void endResetRows() = 0;
};

// Told after each write of the alarm file, whoever changed the alarms (the calendar sync sends them on).
class AlarmFileObserver {
public:
    virtual ~AlarmFileObserver() = default;
    virtual void alarmFileWritten() = 0;
};

// The window side of the store's operations.
class AlarmStoreHost {
public:
    virtual ~AlarmStoreHost() = default;
    // Lets pending user-interface events run; other handlers may change the store meanwhile.
    virtual void processPendingEvents() = 0;
    // The selected row, or -1.
    virtual int selectedRow() const = 0;
    virtual void selectRow(int index) = 0;
    // Gives the keyboard focus to the alarm list when the main window is visible.
    virtual void focusListIfVisible() = 0;
    // Enables the buttons that need a row.
    virtual void updateButtons() = 0;
};

} // namespace klaxora
