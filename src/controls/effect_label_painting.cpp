#include "controls/effect_label.h"

#include "controls/leading_characters.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace klaxora {

namespace {

// Truncates toward zero, as the turned-text formulas require.
int trunc(double value)
{
    return static_cast<int>(value);
}

// Corner of a Width x Height box turned about (Q, Q); SignW and SignH pick the corner.
QPoint turnedCorner(int q, double width, double height, double cos, double sin, int signW, int signH)
{
    return {q + signW * trunc(width / 2 * cos) + signH * trunc(height / 2 * sin),
            q - signW * trunc(width / 2 * sin) + signH * trunc(height / 2 * cos)};
}

} // namespace

void EffectLabel::paintEvent(QPaintEvent* /*event*/)
{
    const QPoint highlight = directionStep(directionHighlight_) * depthHighlight_;
    const QPoint shadow = directionStep(directionShadow_) * depthShadow_;
    // Moving every layer by -m keeps all three inside the label.
    const int m = std::min({highlight.x(), highlight.y(), shadow.x(), shadow.y(), 0});
    const QPoint keepInside(-m, -m);

    const QString caption = leadingCharacters(text(), CaptionCapacity);
    QPainter painter(this);
    painter.setFont(font());

    if (angle_ == 0) {
        if (!transparent_) {
            painter.fillRect(rect(), color());
        }
        paintPlainLayer(painter, shadow + keepInside, colourShadow_, caption);
        paintPlainLayer(painter, highlight + keepInside, colourHighlight_, caption);
        paintPlainLayer(painter, keepInside, fontColour(), caption);
        return;
    }

    // The text turns about (Q, Q); (x0, y0) is where its top-left corner lands.
    const QFontMetrics metrics(font());
    const int q = metrics.horizontalAdvance(caption + QStringLiteral("   ")) / 2;
    const int w = metrics.horizontalAdvance(caption);
    const int h = metrics.height();
    const QPoint origin = turnedCorner(q, w, h, angleCos_, angleSin_, -1, -1);

    if (!transparent_) {
        const double boxWidth = w + 7;
        const double boxHeight = h + 5;
        const QPolygon box{{turnedCorner(q, boxWidth, boxHeight, angleCos_, angleSin_, -1, -1),
                            turnedCorner(q, boxWidth, boxHeight, angleCos_, angleSin_, 1, -1),
                            turnedCorner(q, boxWidth, boxHeight, angleCos_, angleSin_, 1, 1),
                            turnedCorner(q, boxWidth, boxHeight, angleCos_, angleSin_, -1, 1)}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(color());
        painter.drawPolygon(box);
    }

    const auto paintTurnedLayer = [&](QPoint offset, const QColor& colour) {
        painter.save();
        painter.translate(origin + offset);
        painter.rotate(-angle_); // counter-clockwise on the screen
        painter.setPen(colour);
        painter.drawText(QPoint(0, metrics.ascent()), caption);
        painter.restore();
    };
    paintTurnedLayer(shadow + keepInside, colourShadow_);
    paintTurnedLayer(highlight + keepInside, colourHighlight_);
    paintTurnedLayer(keepInside, fontColour());
}

void EffectLabel::paintPlainLayer(QPainter& painter, QPoint offset, const QColor& colour,
                                  const QString& caption)
{
    int flags = static_cast<int>(alignment());
    if (wordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    if (showAccelChar_) {
        flags |= Qt::TextShowMnemonic;
    }
    painter.setPen(colour);
    painter.drawText(rect().translated(offset), flags, caption);
}

} // namespace klaxora
