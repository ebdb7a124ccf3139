#include "controls/effect_label.h"

#include <QFont>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace klaxora {

namespace {

constexpr double DegreesToRadians = 0.017453292519943295;

} // namespace

QPoint directionStep(EffectDirection direction)
{
    switch (direction) {
    case EffectDirection::edNone:
        return {0, 0};
    case EffectDirection::edUp:
        return {0, -1};
    case EffectDirection::edUpRight:
        return {1, -1};
    case EffectDirection::edRight:
        return {1, 0};
    case EffectDirection::edDownRight:
        return {1, 1};
    case EffectDirection::edDown:
        return {0, 1};
    case EffectDirection::edDownLeft:
        return {-1, 1};
    case EffectDirection::edLeft:
        return {-1, 0};
    case EffectDirection::edUpLeft:
        return {-1, -1};
    }
    return {0, 0};
}

EffectLabel::EffectLabel(QWidget* parent) : QLabel(parent), schemes_(initialSchemes())
{
    resize(142, 33);
    setTextFormat(Qt::PlainText); // the caption is painted as plain text, so measure it as such
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont lettering(QStringLiteral("Times New Roman"));
    lettering.setPointSize(20);
    setFont(lettering);
    setFontColour(coloursOf(colourScheme_).text);
}

template <typename T>
void EffectLabel::setLayer(T& setting, T value)
{
    if (value == setting) {
        return;
    }
    setting = value;
    if (!styleGuard_) {
        setEffectStyle(EffectStyle::esCustom);
    }
    update();
}

void EffectLabel::setDepthHighlight(EffectDepth depth)
{
    setLayer(depthHighlight_, std::min(depth, MaxDepth));
}

void EffectLabel::setDepthShadow(EffectDepth depth)
{
    setLayer(depthShadow_, std::min(depth, MaxDepth));
}

void EffectLabel::setDirectionHighlight(EffectDirection direction)
{
    setLayer(directionHighlight_, direction);
}

void EffectLabel::setDirectionShadow(EffectDirection direction)
{
    setLayer(directionShadow_, direction);
}

void EffectLabel::setAsButton(bool asButton)
{
    if (asButton == asButton_) {
        return;
    }
    asButton_ = asButton;
    if (asButton) {
        setEffectStyle(EffectStyle::esRaised);
    }
}

void EffectLabel::setAngle(AngleRange angle)
{
    angle = std::min(angle, MaxAngle);
    if (angle == angle_) {
        return;
    }
    angle_ = angle;
    angleCos_ = std::cos(angle * DegreesToRadians);
    angleSin_ = std::sin(angle * DegreesToRadians);
    if (angle != 0) {
        setAlignment(Qt::AlignLeft | (alignment() & Qt::AlignVertical_Mask));
    }
    update();
}

QColor EffectLabel::fontColour() const
{
    return palette().color(QPalette::WindowText);
}

void EffectLabel::setFontColour(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void EffectLabel::setTransparent(bool transparent)
{
    if (transparent == transparent_) {
        return;
    }
    transparent_ = transparent;
    update();
}

QColor EffectLabel::color() const
{
    return palette().color(QPalette::Window);
}

void EffectLabel::setColor(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

void EffectLabel::setShowAccelChar(bool show)
{
    if (show == showAccelChar_) {
        return;
    }
    showAccelChar_ = show;
    update();
}

bool EffectLabel::insideClientArea(QPoint point) const
{
    return point.x() >= 0 && point.x() <= width() && point.y() >= 0 && point.y() <= height();
}

void EffectLabel::mousePressEvent(QMouseEvent* event)
{
    if (!asButton_) {
        QLabel::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton && isEnabled() && effectStyle_ != EffectStyle::esSunken) {
        setEffectStyle(EffectStyle::esSunken);
    }
}

void EffectLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (!asButton_) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    // The lettering follows the pointer in and out while the button is held, like a push button.
    if (event->buttons() == Qt::LeftButton) {
        setEffectStyle(insideClientArea(event->position().toPoint()) ? EffectStyle::esSunken
                                                                     : EffectStyle::esRaised);
    }
}

void EffectLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (!asButton_) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    if (insideClientArea(event->position().toPoint())) {
        setEffectStyle(EffectStyle::esRaised);
    }
}

} // namespace klaxora
