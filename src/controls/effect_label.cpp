#include "controls/effect_label.h"

#include <QFont>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace klaxora {

namespace {

constexpr double DegreesToRadians = 0.017453292519943295;

} // namespace

QPoint directionStep(TEffectDirection direction)
{
    switch (direction) {
    case TEffectDirection::edNone:
        return {0, 0};
    case TEffectDirection::edUp:
        return {0, -1};
    case TEffectDirection::edUpRight:
        return {1, -1};
    case TEffectDirection::edRight:
        return {1, 0};
    case TEffectDirection::edDownRight:
        return {1, 1};
    case TEffectDirection::edDown:
        return {0, 1};
    case TEffectDirection::edDownLeft:
        return {-1, 1};
    case TEffectDirection::edLeft:
        return {-1, 0};
    case TEffectDirection::edUpLeft:
        return {-1, -1};
    }
    return {0, 0};
}

TEffectLabel::TEffectLabel(QWidget* parent) : QLabel(parent), schemes_(initialSchemes())
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
void TEffectLabel::setLayer(T& setting, T value)
{
    if (value == setting) {
        return;
    }
    setting = value;
    if (!styleGuard_) {
        setEffectStyle(TEffectStyle::esCustom);
    }
    update();
}

void TEffectLabel::setDepthHighlight(TEffectDepth depth)
{
    setLayer(depthHighlight_, std::min(depth, MaxDepth));
}

void TEffectLabel::setDepthShadow(TEffectDepth depth)
{
    setLayer(depthShadow_, std::min(depth, MaxDepth));
}

void TEffectLabel::setDirectionHighlight(TEffectDirection direction)
{
    setLayer(directionHighlight_, direction);
}

void TEffectLabel::setDirectionShadow(TEffectDirection direction)
{
    setLayer(directionShadow_, direction);
}

void TEffectLabel::setAsButton(bool asButton)
{
    if (asButton == asButton_) {
        return;
    }
    asButton_ = asButton;
    if (asButton) {
        setEffectStyle(TEffectStyle::esRaised);
    }
}

void TEffectLabel::setAngle(TAngleRange angle)
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

QColor TEffectLabel::fontColour() const
{
    return palette().color(QPalette::WindowText);
}

void TEffectLabel::setFontColour(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void TEffectLabel::setTransparent(bool transparent)
{
    if (transparent == transparent_) {
        return;
    }
    transparent_ = transparent;
    update();
}

QColor TEffectLabel::color() const
{
    return palette().color(QPalette::Window);
}

void TEffectLabel::setColor(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

void TEffectLabel::setShowAccelChar(bool show)
{
    if (show == showAccelChar_) {
        return;
    }
    showAccelChar_ = show;
    update();
}

bool TEffectLabel::insideClientArea(QPoint point) const
{
    return point.x() >= 0 && point.x() <= width() && point.y() >= 0 && point.y() <= height();
}

void TEffectLabel::mousePressEvent(QMouseEvent* event)
{
    if (!asButton_) {
        QLabel::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton && isEnabled() && effectStyle_ != TEffectStyle::esSunken) {
        setEffectStyle(TEffectStyle::esSunken);
    }
}

void TEffectLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (!asButton_) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    // The lettering follows the pointer in and out while the button is held, like a push button.
    if (event->buttons() == Qt::LeftButton) {
        setEffectStyle(insideClientArea(event->position().toPoint()) ? TEffectStyle::esSunken
                                                                     : TEffectStyle::esRaised);
    }
}

void TEffectLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (!asButton_) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    if (insideClientArea(event->position().toPoint())) {
        setEffectStyle(TEffectStyle::esRaised);
    }
}

} // namespace klaxora
