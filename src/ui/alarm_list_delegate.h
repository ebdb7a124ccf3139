// Measures and draws the rows of the alarm list: the row's icon (today or a later date) at its top-left
// with the icon's silver background in the row's own colour, and the row's text in one line beside it.
#pragma once

#include <QAbstractItemDelegate>
#include <QColor>
#include <QImage>

namespace klaxora {

class AlarmListDelegate : public QAbstractItemDelegate {
    Q_OBJECT

public:
    // The height every row is offered before it is measured.
    static constexpr int StartingRowHeight = 14;

    // The row pictures; today's size is the icon area of every row.
    struct Pictures {
        QImage today;     // alarms for today
        QImage future;    // alarms for a later date
        QImage missed;    // passed, never answered
        QImage repeating; // alarms that repeat, whatever their next date
    };
    explicit AlarmListDelegate(Pictures pictures, QObject* parent = nullptr);

    // A picture at least as high as the offered height makes the row two pixels higher than the picture;
    // otherwise the row keeps the offered height.
    static int measureItem(int pictureHeight, int offeredHeight);
    // The picture with every silver (0xC0C0C0) pixel replaced by `background`.
    static QImage withSilverReplaced(const QImage& picture, const QColor& background);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    Pictures pictures_;
};

} // namespace klaxora
