#include "controls/picture_canvas.h"

#include <QPainter>

namespace klaxora {

QImage renderOnKeyColour(QSize size, QRgb key, const std::function<void(QPainter&)>& draw)
{
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }

    QImage result(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (qAlpha(source[x]) < 128) {
                target[x] = key;
                continue;
            }
            QRgb colour = qUnpremultiply(source[x]) | 0xFF000000;
            if (colour == key) {
                colour ^= 0x01; // the nearest colour that no button takes for background
            }
            target[x] = colour;
        }
    }
    return result;
}

QImage renderButtonPicture(QSize size, const std::function<void(QPainter&)>& draw)
{
    const QImage drawn = renderOnKeyColour(size, FuchsiaKey, draw);
    const auto background = [&drawn](int x, int y) {
        return x < 0 || y < 0 || x >= drawn.width() || y >= drawn.height() || drawn.pixel(x, y) == FuchsiaKey;
    };
    QImage result = drawn;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (!background(x, y) && (background(x - 1, y) || background(x + 1, y) || background(x, y - 1) ||
                                      background(x, y + 1))) {
                result.setPixel(x, y, 0xFF000000);
            }
        }
    }
    return result;
}

QPainterPath turnedRect(const QRectF& rect, QPointF centre, double degrees)
{
    QPainterPath path;
    path.addRect(rect);
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(degrees);
    return turn.map(path);
}

QLinearGradient shade(QPointF from, QPointF to, QColor light, QColor dark)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, dark);
    return gradient;
}

QPixmap transparentByTopLeft(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        return {};
    }
    const QRgb key = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key) {
                line[x] = 0;
            }
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace klaxora
