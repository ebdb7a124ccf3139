#include "ui/alarm_list_delegate.h"

#include "ui/alarm_list_model.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <utility>

namespace klaxora {

namespace {

constexpr QRgb Silver = 0xFFC0C0C0;

// The standard focus rectangle: a one-pixel line of alternating dots just inside the row.
void drawFocusRect(QPainter& painter, const QRect& row, const QColor& colour)
{
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    pen.setDashPattern({1.0, 1.0});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(row.adjusted(0, 0, -1, -1));
}

} // namespace

AlarmListDelegate::AlarmListDelegate(Pictures pictures, QObject* parent)
    : QAbstractItemDelegate(parent), pictures_(std::move(pictures))
{
}

int AlarmListDelegate::measureItem(int pictureHeight, int offeredHeight)
{
    return pictureHeight >= offeredHeight ? pictureHeight + 2 : offeredHeight;
}

QImage AlarmListDelegate::withSilverReplaced(const QImage& picture, const QColor& background)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb replacement = background.rgba();
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == Silver) {
                line[x] = replacement;
            }
        }
    }
    return result;
}

QSize AlarmListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    // Width 0: the rows span the list and their text is cut at its right edge; there is no side scrolling.
    return {0, measureItem(pictures_.today.height(), StartingRowHeight)};
}

void AlarmListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    // The system colours, whether or not the list's window is the active one.
    const QColor background =
        selected ? option.palette.color(QPalette::Active, QPalette::Highlight) : QColor(Qt::white);
    const QColor textColour =
        selected ? option.palette.color(QPalette::Active, QPalette::HighlightedText) : QColor(Qt::black);
    const QRect row = option.rect;

    painter->save();
    painter->setClipRect(row);
    painter->fillRect(row, background);

    const bool future = index.data(AlarmListModel::FutureDateRole).toBool();
    const bool missed = index.data(AlarmListModel::MissedRole).toBool();
    const bool repeating = index.data(AlarmListModel::RepeatingRole).toBool();
    const QImage& picture = missed      ? pictures_.missed
                            : repeating ? pictures_.repeating
                            : future    ? pictures_.future
                                        : pictures_.today;
    const QRect iconArea(row.topLeft(), pictures_.today.size());
    painter->drawImage(iconArea.topLeft(), withSilverReplaced(picture, background),
                       QRect(QPoint(0, 0), iconArea.size()));

    painter->setFont(option.font);
    painter->setPen(textColour);
    const int x = row.left() + pictures_.today.width() + 4;
    const int y = row.top() + 2;
    // Drawn at a point: one line, never wrapped or shortened.
    painter->drawText(QPoint(x, y + QFontMetrics(option.font).ascent()),
                      index.data(Qt::DisplayRole).toString());

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        drawFocusRect(*painter, row, textColour);
    }
    painter->restore();
}

} // namespace klaxora
