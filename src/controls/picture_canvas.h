// Pictures drawn in code on a key colour: the key colour marks the background and nothing else.
#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>
#include <QRgb>
#include <QSize>

#include <functional>

class QPainter;

namespace klaxora {

// Background of the list icons: the rows replace it by their own background.
inline constexpr QRgb SilverKey = 0xFFC0C0C0;
// Background of the button pictures: the buttons treat the top-left pixel's colour as transparent.
inline constexpr QRgb FuchsiaKey = 0xFFFF00FF;

// Runs draw on a transparent, anti-aliased canvas of the given size and sets the result on the key colour.
// Edge pixels at least half covered take the drawing's colour at full strength and the others become the
// key colour, so the outline stays clean on any background; a drawn pixel that happens to equal the key
// colour is moved off it. The drawing must leave the top-left pixel empty.
QImage renderOnKeyColour(QSize size, QRgb key, const std::function<void(QPainter&)>& draw);

// A button picture: drawn on the fuchsia key, with its rim (every drawn pixel beside the background) in
// pure black. A disabled button embosses the black pixels of its picture; the rim gives it the shape.
QImage renderButtonPicture(QSize size, const std::function<void(QPainter&)>& draw);

// The rectangle, given about the origin, turned by `degrees` and moved to `centre`.
QPainterPath turnedRect(const QRectF& rect, QPointF centre, double degrees);

// A two-colour gradient from the light colour at one point to the dark one at the other.
QLinearGradient shade(QPointF from, QPointF to, QColor light, QColor dark);

// For push buttons that take an icon: every pixel of the top-left pixel's colour becomes transparent.
QPixmap transparentByTopLeft(const QImage& picture);

} // namespace klaxora
