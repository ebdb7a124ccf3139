// The alarm list: the alarms as the main window shows it. One row is selected at most, and no click
// leaves none selected; removing
// the selected row leaves none selected (the commands then select the first row themselves). A right
// click opens the pop-up menu without moving the selection; a double click anywhere, Enter and the
// Delete key are reported to the window.
#pragma once

#include <QListView>
#include <QMenu>
#include <QPointer>

namespace klaxora {

class AlarmListView : public QListView {
    Q_OBJECT

public:
    explicit AlarmListView(QWidget* parent = nullptr);

    // The selected row, or -1.
    int selectedRow() const;
    // Selects the row and makes it the current one; -1 clears the selection.
    void selectRow(int row);

    QMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

signals:
    void leftDoubleClicked(); // a double click with the left button, on a row or not
    void enterPressed();      // OnKeyPress with character 13
    void deleteKeyPressed();  // OnKeyDown with key code 46

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    QPointer<QMenu> popupMenu_;
    bool removingRows_ = false;
};

} // namespace klaxora
