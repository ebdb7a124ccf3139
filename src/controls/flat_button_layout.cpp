#include "controls/flat_button_layout.h"

#include <algorithm>

namespace klaxora {

using namespace flatbtn;

namespace {

// The arrow adds this much to the width that the bitmap or caption takes.
constexpr int ArrowRoom = 10;

// Positions of bitmap and caption when there is no bitmap: only the caption (and the arrow) to place.
void placeCaptionAlone(const FlatButtonLayoutInput& in, int tw, int th, FlatButtonGeometry& g)
{
    const int w = in.width;
    int aw = tw;
    g.drawnTextWidth = tw;
    if (in.arrowShown) {
        g.drawnTextWidth = std::min(tw, w - 14);
        aw = tw + ArrowRoom;
    }
    g.textTop = (in.height - th) / 2;
    switch (in.alignment) {
    case taLeftJustify:
        g.textLeft = 3;
        break;
    case taRightJustify:
        g.textLeft = w - aw - 3;
        break;
    case taCenter:
        g.textLeft = (w - aw) / 2;
        break;
    }
}

void placeAboveOrBelow(const FlatButtonLayoutInput& in, int tw, int th, int bw, int sp, FlatButtonGeometry& g)
{
    const int w = in.width;
    const int bh = in.bitmapHeight;
    int bx = 0;
    int by = 0;
    if (in.layout == blBitmapTop) {
        by = (in.height - th - bh - sp) / 2;
        g.textTop = by + bh + sp;
    } else {
        g.textTop = (in.height - th - bh - sp) / 2;
        by = g.textTop + th + sp;
    }
    switch (in.alignment) {
    case taLeftJustify:
        bx = 3;
        g.textLeft = 3;
        break;
    case taRightJustify:
        bx = w - bw - 3;
        g.textLeft = w - tw - 3;
        break;
    case taCenter:
        bx = (w - bw) / 2;
        g.textLeft = (w - tw) / 2;
        break;
    }
    g.bitmapPos = QPoint(bx, by);
    g.drawnTextWidth = tw;
}

void placeBeside(const FlatButtonLayoutInput& in, int& tw, int th, int bw, int sp, FlatButtonGeometry& g)
{
    const int w = in.width;
    if (tw + bw + sp > w - 4)
        tw = w - sp - bw - 4;
    const int by = (in.height - in.bitmapHeight) / 2;
    g.textTop = (in.height - th) / 2;
    int bx = 0;
    if (in.layout == blBitmapLeft) {
        switch (in.alignment) {
        case taLeftJustify:
            bx = 3;
            g.textLeft = bw + sp + 3;
            break;
        case taRightJustify:
            g.textLeft = w - tw - 3;
            bx = g.textLeft - bw - sp;
            break;
        case taCenter:
            bx = (w - tw - bw - sp) / 2;
            g.textLeft = bx + bw + sp;
            break;
        }
    } else {
        switch (in.alignment) {
        case taLeftJustify:
            g.textLeft = 3;
            bx = tw + 3 + sp;
            break;
        case taRightJustify:
            bx = w - bw - 3;
            g.textLeft = bx - tw - sp;
            break;
        case taCenter:
            g.textLeft = (w - tw - bw - sp) / 2;
            bx = tw + g.textLeft + sp;
            break;
        }
    }
    g.bitmapPos = QPoint(bx, by);
    g.drawnTextWidth = tw;
}

} // namespace

FlatButtonGeometry computeFlatButtonGeometry(const FlatButtonLayoutInput& in)
{
    FlatButtonGeometry g;
    const int w = in.width;
    int tw = in.captionShown ? std::min(in.textWidth, w - 4) : 0;
    const int th = in.captionShown ? in.textHeight : 0;
    const int sp = in.captionShown ? 2 : 0;
    const bool hasBitmap = in.bitmapWidth > 0 && in.bitmapHeight > 0;
    const int bw = in.bitmapWidth + (in.arrowShown ? ArrowRoom : 0);

    if (!hasBitmap)
        placeCaptionAlone(in, tw, th, g);
    else if (in.layout == blBitmapTop || in.layout == blBitmapBottom)
        placeAboveOrBelow(in, tw, th, bw, sp, g);
    else
        placeBeside(in, tw, th, bw, sp, g);

    // A wrapped caption keeps clear of the right edge.
    if (in.wordWrap && g.textLeft + g.drawnTextWidth > w - 5)
        g.drawnTextWidth = w - g.textLeft - 5;

    g.textWidth = tw;
    g.textHeight = th;
    g.textRect = QRect(g.textLeft, g.textTop, g.drawnTextWidth, th);
    if (hasBitmap) {
        const QPoint beside(g.bitmapPos.x() + in.bitmapWidth, g.bitmapPos.y() + in.bitmapHeight / 2);
        g.arrowPos = beside + QPoint(3, 0);
        g.pressedArrowPos = beside + QPoint(4, 1);
    } else {
        const QPoint beside(g.textLeft + g.drawnTextWidth, g.textTop + th / 2);
        g.arrowPos = beside + QPoint(3, 0);
        g.pressedArrowPos = beside + QPoint(4, 1);
    }
    return g;
}

} // namespace klaxora
