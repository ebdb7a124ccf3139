#include "controls/effect_label.h"

#include "controls/leading_characters.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace klaxora {

namespace {

// Truncates toward zero, as the turned-text formulas require.
int Trunc(double value)
{
    return static_cast<int>(value);
}

// Corner of a Width x Height box turned about (Q, Q); SignW and SignH pick the corner.
QPoint TurnedCorner(int q, double width, double height, double cos, double sin, int signW, int signH)
{
    return {q + signW * Trunc(width / 2 * cos) + signH * Trunc(height / 2 * sin),
            q - signW * Trunc(width / 2 * sin) + signH * Trunc(height / 2 * cos)};
}

} // namespace

void TEffectLabel::paintEvent(QPaintEvent* /*event*/)
{
    const QPoint highlight = DirectionStep(directionHighlight_) * depthHighlight_;
    const QPoint shadow = DirectionStep(directionShadow_) * depthShadow_;
    // Moving every layer by -m keeps all three inside the label.
    const int m = std::min({highlight.x(), highlight.y(), shadow.x(), shadow.y(), 0});
    const QPoint keepInside(-m, -m);

    const QString caption = LeadingCharacters(text(), CaptionCapacity);
    QPainter painter(this);
    painter.setFont(font());

    if (angle_ == 0) {
        if (!transparent_) {
            painter.fillRect(rect(), Color());
        }
        PaintPlainLayer(painter, shadow + keepInside, colourShadow_, caption);
        PaintPlainLayer(painter, highlight + keepInside, colourHighlight_, caption);
        PaintPlainLayer(painter, keepInside, FontColour(), caption);
        return;
    }

    // The text turns about (Q, Q); (x0, y0) is where its top-left corner lands.
    const QFontMetrics metrics(font());
    const int q = metrics.horizontalAdvance(caption + QStringLiteral("   ")) / 2;
    const int w = metrics.horizontalAdvance(caption);
    const int h = metrics.height();
    const QPoint origin = TurnedCorner(q, w, h, angleCos_, angleSin_, -1, -1);

    if (!transparent_) {
        const double boxWidth = w + 7;
        const double boxHeight = h + 5;
        const QPolygon box{{TurnedCorner(q, boxWidth, boxHeight, angleCos_, angleSin_, -1, -1),
                            TurnedCorner(q, boxWidth, boxHeight, angleCos_, angleSin_, 1, -1),
                            TurnedCorner(q, boxWidth, boxHeight, angleCos_, angleSin_, 1, 1),
                            TurnedCorner(q, boxWidth, boxHeight, angleCos_, angleSin_, -1, 1)}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(Color());
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
    paintTurnedLayer(keepInside, FontColour());
}

void TEffectLabel::PaintPlainLayer(QPainter& painter, QPoint offset, const QColor& colour,
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
