// Geometry of the flat button: bitmap, caption and arrow for every layout and alignment.
#include "controls/flat_button_layout.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

using namespace flatbtn;

// A 100 x 60 button, a 40 x 16 caption and a 20 x 10 bitmap unless a test says otherwise.
FlatButtonLayoutInput input(FlatButtonLayout layout, TextAlignment alignment, bool arrow = false)
{
    FlatButtonLayoutInput in;
    in.width = 100;
    in.height = 60;
    in.captionShown = true;
    in.textWidth = 40;
    in.textHeight = 16;
    in.bitmapWidth = 20;
    in.bitmapHeight = 10;
    in.arrowShown = arrow;
    in.layout = layout;
    in.alignment = alignment;
    return in;
}

struct Expected {
    FlatButtonLayout layout;
    TextAlignment alignment;
    bool arrow;
    int bx, by, tl, tt;
};

TEST(FlatButtonLayout, PlacesBitmapAndCaptionForEveryLayoutAndAlignment)
{
    const Expected cases[] = {
        // Bitmap above: BY = (60-16-10-2)/2, TT = BY+10+2.
        {blBitmapTop, taLeftJustify, false, 3, 16, 3, 28},
        {blBitmapTop, taRightJustify, false, 77, 16, 57, 28},
        {blBitmapTop, taCenter, false, 40, 16, 30, 28},
        // The arrow widens the bitmap by 10.
        {blBitmapTop, taRightJustify, true, 67, 16, 57, 28},
        {blBitmapTop, taCenter, true, 35, 16, 30, 28},
        // Bitmap below: TT = 16, BY = 16+16+2.
        {blBitmapBottom, taLeftJustify, false, 3, 34, 3, 16},
        {blBitmapBottom, taRightJustify, false, 77, 34, 57, 16},
        {blBitmapBottom, taCenter, false, 40, 34, 30, 16},
        // Beside: BY = (60-10)/2, TT = (60-16)/2.
        {blBitmapLeft, taLeftJustify, false, 3, 25, 25, 22},
        {blBitmapLeft, taRightJustify, false, 35, 25, 57, 22},
        {blBitmapLeft, taCenter, false, 19, 25, 41, 22},
        {blBitmapLeft, taCenter, true, 14, 25, 46, 22},
        {blBitmapRight, taLeftJustify, false, 45, 25, 3, 22},
        {blBitmapRight, taRightJustify, false, 77, 25, 35, 22},
        {blBitmapRight, taCenter, false, 61, 25, 19, 22},
        {blBitmapRight, taRightJustify, true, 67, 25, 25, 22},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "layout " << c.layout << " alignment " << c.alignment << " arrow " << c.arrow);
        const FlatButtonGeometry g = computeFlatButtonGeometry(input(c.layout, c.alignment, c.arrow));
        EXPECT_EQ(g.bitmapPos, QPoint(c.bx, c.by));
        EXPECT_EQ(g.textLeft, c.tl);
        EXPECT_EQ(g.textTop, c.tt);
        EXPECT_EQ(g.textRect, QRect(c.tl, c.tt, 40, 16));
        // The arrow follows the bitmap, one pixel further right and down when pressed.
        EXPECT_EQ(g.arrowPos, QPoint(c.bx + 23, c.by + 5));
        EXPECT_EQ(g.pressedArrowPos, QPoint(c.bx + 24, c.by + 6));
    }
}

TEST(FlatButtonLayout, WithoutCaptionTheBitmapIsCentredWithoutSpacing)
{
    FlatButtonLayoutInput in = input(blBitmapTop, taCenter);
    in.captionShown = false;
    const FlatButtonGeometry g = computeFlatButtonGeometry(in);
    EXPECT_EQ(g.bitmapPos, QPoint(40, 25));
    EXPECT_EQ(g.textRect, QRect(50, 35, 0, 0));

    in.layout = blBitmapLeft;
    EXPECT_EQ(computeFlatButtonGeometry(in).bitmapPos, QPoint(40, 25));
}

TEST(FlatButtonLayout, CaptionAloneWithAndWithoutArrow)
{
    FlatButtonLayoutInput in = input(blBitmapLeft, taCenter);
    in.bitmapWidth = in.bitmapHeight = 0;
    const int left[] = {3, 57, 30};
    const int leftWithArrow[] = {3, 47, 25};
    for (TextAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
        in.alignment = a;
        in.arrowShown = false;
        FlatButtonGeometry g = computeFlatButtonGeometry(in);
        EXPECT_EQ(g.textRect, QRect(left[a], 22, 40, 16)) << a;
        // The caption is placed as if 10 pixels wider; the arrow starts 3 pixels after it (4 pressed).
        in.arrowShown = true;
        g = computeFlatButtonGeometry(in);
        EXPECT_EQ(g.textRect, QRect(leftWithArrow[a], 22, 40, 16)) << a;
        EXPECT_EQ(g.arrowPos, QPoint(leftWithArrow[a] + 43, 30)) << a;
        EXPECT_EQ(g.pressedArrowPos, QPoint(leftWithArrow[a] + 44, 31)) << a;
    }
}

TEST(FlatButtonLayout, WideCaptionsAreFittedAndHalvingTruncatesTowardsZero)
{
    // Alone with the arrow: E = W - 14, and (100 - 105) / 2 gives -2.
    FlatButtonLayoutInput in = input(blBitmapTop, taCenter, true);
    in.bitmapWidth = in.bitmapHeight = 0;
    in.textWidth = 95;
    FlatButtonGeometry g = computeFlatButtonGeometry(in);
    EXPECT_EQ(g.textRect, QRect(-2, 22, 86, 16));

    // Above the bitmap in a low button: (19 - 28) / 2 gives -4; TW is cut to W - 4.
    in = input(blBitmapTop, taCenter);
    in.height = 19;
    in.textWidth = 150;
    g = computeFlatButtonGeometry(in);
    EXPECT_EQ(g.bitmapPos, QPoint(40, -4));
    EXPECT_EQ(g.textRect, QRect(2, 8, 96, 16));

    // Beside the bitmap: TW = W - Sp - BW - 4.
    in = input(blBitmapLeft, taCenter);
    in.width = 60;
    in.textWidth = 50;
    g = computeFlatButtonGeometry(in);
    EXPECT_EQ(g.textWidth, 34);
    EXPECT_EQ(g.bitmapPos.x(), 2);
    EXPECT_EQ(g.textRect, QRect(24, 22, 34, 16));
}

TEST(FlatButtonLayout, WrappedCaptionKeepsFivePixelsFromTheRightEdge)
{
    FlatButtonLayoutInput in = input(blBitmapTop, taLeftJustify);
    in.bitmapWidth = in.bitmapHeight = 0;
    in.textWidth = 120;
    EXPECT_EQ(computeFlatButtonGeometry(in).textRect.width(), 96);
    in.wordWrap = true;
    const FlatButtonGeometry g = computeFlatButtonGeometry(in);
    EXPECT_EQ(g.textRect, QRect(3, 22, 92, 16));
    EXPECT_EQ(g.arrowPos, QPoint(3 + 92 + 3, 30));
}

} // namespace
} // namespace klaxora
