#include "controls/grey_copy.h"

namespace klaxora {

namespace {

struct Thresholds {
    int white;
    int highlight;
    int shadow;
};

Thresholds thresholdsOf(flatbtn::FlatButtonShading shading)
{
    switch (shading) {
    case flatbtn::stLight:
        return {205, 127, 68};
    case flatbtn::stMedium:
        return {553, 231, 57};
    case flatbtn::stDark:
        return {335, 274, 175};
    }
    return {553, 231, 57};
}

} // namespace

QImage makeGreyCopy(const QImage& bitmap, flatbtn::FlatButtonShading shading, QColor highlight, QColor shadow)
{
    QImage grey = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (grey.isNull())
        return grey;
    const Thresholds limit = thresholdsOf(shading);
    const QRgb transparent = grey.pixel(0, 0);
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = row[x];
            if (p == transparent)
                continue;
            const int sum = qRed(p) + qGreen(p) + qBlue(p);
            QRgb shade = qRgb(0, 0, 0);
            if (sum > limit.white)
                shade = qRgb(255, 255, 255);
            else if (sum > limit.highlight)
                shade = highlight.rgb();
            else if (sum > limit.shadow)
                shade = shadow.rgb();
            row[x] = (shade & RGB_MASK) | (p & ~RGB_MASK);
        }
    }
    return grey;
}

} // namespace klaxora
