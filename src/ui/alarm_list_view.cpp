#include "ui/alarm_list_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace klaxora {

AlarmListView::AlarmListView(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

int AlarmListView::selectedRow() const
{
    if (selectionModel() == nullptr) {
        return -1;
    }
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void AlarmListView::selectRow(int row)
{
    if (model() == nullptr || selectionModel() == nullptr) {
        return;
    }
    if (row < 0 || row >= model()->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void AlarmListView::mousePressEvent(QMouseEvent* event)
{
    // The right button only opens the pop-up menu; its commands act on the row selected before.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    // A click below the last row keeps the selection, so a double click there still edits it.
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QListView::mousePressEvent(event);
}

void AlarmListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    if (indexAt(event->position().toPoint()).isValid()) {
        QListView::mouseDoubleClickEvent(event);
    }
    emit leftDoubleClicked();
}

void AlarmListView::contextMenuEvent(QContextMenuEvent* event)
{
    if (popupMenu_ == nullptr) {
        event->ignore();
        return;
    }
    event->accept();
    popupMenu_->popup(event->globalPos());
}

void AlarmListView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit enterPressed();
        return;
    case Qt::Key_Delete:
        event->accept();
        emit deleteKeyPressed();
        return;
    default:
        QListView::keyPressEvent(event);
    }
}

void AlarmListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    // The view would move the selection to a neighbouring row; the list leaves it empty instead.
    removingRows_ = true;
    QListView::rowsAboutToBeRemoved(parent, start, end);
    removingRows_ = false;
}

QItemSelectionModel::SelectionFlags AlarmListView::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const
{
    if (removingRows_) {
        return QItemSelectionModel::NoUpdate;
    }
    // Ctrl+click on the selected row would leave none selected; the list keeps one selected instead.
    const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    if (index.isValid() &&
        command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::ClearAndSelect;
    }
    return command;
}

} // namespace klaxora
