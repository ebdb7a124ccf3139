#include "controls/picture_drawing.h"

#include <QPainter>

namespace klaxora {

namespace {

// The picture with `keep` pixels painted in `colour` (or left as they are for an invalid colour)
// and every other pixel fully transparent.
template <typename Keep>
QImage masked(const QImage& picture, Keep keep, QColor colour)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (!keep(row[x]))
                row[x] = qRgba(0, 0, 0, 0);
            else if (colour.isValid())
                row[x] = (colour.rgb() & RGB_MASK) | (row[x] & ~RGB_MASK);
        }
    }
    return out;
}

} // namespace

void drawTransparent(QPainter& painter, QPoint pos, const QImage& picture)
{
    if (picture.isNull())
        return;
    const QRgb transparent = picture.convertToFormat(QImage::Format_ARGB32).pixel(0, 0);
    painter.drawImage(pos, masked(
                               picture, [transparent](QRgb p) { return p != transparent; }, QColor()));
}

void drawEmbossed(QPainter& painter, QPoint pos, const QImage& picture, QColor highlight, QColor shadow)
{
    if (picture.isNull())
        return;
    // A monochrome copy made against a black background turns exactly the black pixels white,
    // and the raster operation paints its brush only there.
    const auto black = [](QRgb p) { return (p & RGB_MASK) == 0 && qAlpha(p) != 0; };
    painter.drawImage(pos + QPoint(1, 1), masked(picture, black, highlight));
    painter.drawImage(pos, masked(picture, black, shadow));
}

} // namespace klaxora
