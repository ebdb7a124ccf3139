// What the alarm store asks of the window that shows it. The store stays free of any GUI library;
// the Qt side implements these two interfaces.
#pragma once

namespace klaxora {

// Told about every change of the rows, before and after, so that a list model can forward it.
class AlarmRowsObserver {
public:
    virtual ~AlarmRowsObserver() = default;
    virtual void BeginInsertRow(int index) = 0;
    virtual void EndInsertRow() = 0;
    virtual void BeginRemoveRow(int index) = 0;
    virtual void EndRemoveRow() = 0;
    virtual void BeginResetRows() = 0;
    virtual void EndResetRows() = 0;
};

// The window side of the store's operations.
class AlarmStoreHost {
public:
    virtual ~AlarmStoreHost() = default;
    // Lets pending user-interface events run; other handlers may change the store meanwhile.
    virtual void ProcessPendingEvents() = 0;
    // The selected row, or -1.
    virtual int SelectedRow() const = 0;
    virtual void SelectRow(int index) = 0;
    // Gives the keyboard focus to the alarm list when the main window is visible.
    virtual void FocusListIfVisible() = 0;
    // Enables the buttons that need a row.
    virtual void Setbuttons() = 0;
};

} // namespace klaxora
