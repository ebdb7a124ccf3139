// Paints a flat button from its state and the geometry of computeFlatButtonGeometry().
#pragma once

#include "controls/flat_button_layout.h"
#include "controls/flat_button_types.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

namespace klaxora {

struct FlatButtonLook {
    QSize size;
    bool enabled = true;
    bool down = false;
    bool pressed = false;
    bool hovered = false;
    bool monoDisplay = true;
    bool showDownPattern = true;
    bool captionShown = false;
    bool arrowShown = false;
    flatbtn::BevelStyle bevelStyle = flatbtn::bsRaised;
    flatbtn::TextAlignment alignment = flatbtn::taCenter;
    bool wordWrap = false;
    QString captionBuffer;
    QFont font;
    QColor face;
    QColor highlight;
    QColor shadow;
    QColor fontColor;
    QColor unselectedFontColor;
    const QImage* bitmap = nullptr;
    const QImage* noFocusBitmap = nullptr;
    const QImage* disabledBitmap = nullptr;
    const QImage* greyCopy = nullptr;
};

void paintFlatButton(QPainter& painter, const FlatButtonLook& look, const FlatButtonGeometry& geometry);

} // namespace klaxora
