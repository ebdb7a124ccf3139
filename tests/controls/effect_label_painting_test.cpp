// Where the effect label's three layers land. Each layer is found alone by making the colours of the
// other two fully transparent; the font is bold, large and not antialiased, so its pixels are exact.
#include "controls/effect_label.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include <cmath>

namespace klaxora {
namespace {

enum class Layer { Shadow, Highlight, Text };

const QColor none(0, 0, 0, 0);
const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);
const QColor yellow(255, 255, 0);

void useTestFont(EffectLabel& label, const QString& caption, QSize size)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    label.setFont(font);
    label.setText(caption);
    label.resize(size);
}

QImage render(EffectLabel& label)
{
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Bounding box of the pixels in Colour; of all painted pixels when Colour is invalid.
QRect pixelsOf(const QImage& image, const QColor& colour = QColor())
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (colour.isValid() ? pixel == colour : pixel.alpha() > 0) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The pixels of one layer alone.
QRect layerBox(EffectLabel& label, Layer layer)
{
    const QColor highlight = label.colourHighlight();
    const QColor shadow = label.colourShadow();
    const QColor text = label.fontColour();
    label.setColourShadow(layer == Layer::Shadow ? red : none);
    label.setColourHighlight(layer == Layer::Highlight ? red : none);
    label.setFontColour(layer == Layer::Text ? red : none);
    const QRect box = pixelsOf(render(label));
    label.setColourShadow(shadow);
    label.setColourHighlight(highlight);
    label.setFontColour(text);
    return box;
}

class EffectLabelPaintingTest : public ::testing::Test {
protected:
    EffectLabelPaintingTest()
    {
        useTestFont(label, QStringLiteral("I"), QSize(80, 60));
        EffectLabel flat;
        useTestFont(flat, QStringLiteral("I"), QSize(80, 60));
        flat.setEffectStyle(EffectStyle::esNone);
        plain = layerBox(flat, Layer::Text);
    }

    EffectLabel label;
    QRect plain; // the caption drawn without any offset
};

TEST_F(EffectLabelPaintingTest, RaisedDrawsShadowTwoRightAndDownHighlightAtZeroTextAtOne)
{
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_EQ(layerBox(label, Layer::Shadow), plain.translated(2, 2));
    EXPECT_EQ(layerBox(label, Layer::Highlight), plain);
    EXPECT_EQ(layerBox(label, Layer::Text), plain.translated(1, 1));
}

TEST_F(EffectLabelPaintingTest, LayersArePaintedShadowFirstTextLast)
{
    label.setColourShadow(red);
    label.setColourHighlight(green);
    label.setFontColour(blue);
    const QImage image = render(label);
    // The "I" is a solid bar: each layer's outer corner shows, the text covers the middle.
    EXPECT_EQ(image.pixelColor(plain.topLeft()), green);
    EXPECT_EQ(image.pixelColor(plain.bottomRight() + QPoint(2, 2)), red);
    EXPECT_EQ(image.pixelColor(plain.bottomRight() + QPoint(1, 1)), blue);
    EXPECT_EQ(image.pixelColor(plain.center()), blue);
}

TEST_F(EffectLabelPaintingTest, FlyingDrawsBothLayersDownRightInTheShadowColour)
{
    label.setEffectStyle(EffectStyle::esFlying);
    EXPECT_EQ(layerBox(label, Layer::Text), plain);
    EXPECT_EQ(layerBox(label, Layer::Highlight), plain.translated(1, 1));
    EXPECT_EQ(layerBox(label, Layer::Shadow), plain.translated(5, 5));
    const QImage image = render(label);
    EXPECT_TRUE(pixelsOf(image, Qt::white).isEmpty());
    EXPECT_EQ(pixelsOf(image, Qt::black), plain.translated(1, 1) | plain.translated(5, 5));
}

TEST_F(EffectLabelPaintingTest, NoneShowsOnlyTheTextColour)
{
    label.setEffectStyle(EffectStyle::esNone);
    const QImage image = render(label);
    EXPECT_EQ(pixelsOf(image), plain);
    EXPECT_EQ(pixelsOf(image, label.fontColour()), plain);
}

TEST_F(EffectLabelPaintingTest, UpLeftLayersMoveEverythingBackInside)
{
    label.setDirectionShadow(EffectDirection::edUpLeft);
    label.setDepthShadow(3); // m = -3
    EXPECT_EQ(layerBox(label, Layer::Shadow), plain);
    EXPECT_EQ(layerBox(label, Layer::Highlight), plain.translated(2, 2));
    EXPECT_EQ(layerBox(label, Layer::Text), plain.translated(3, 3));
}

// Turned text: about (Q, Q), with its top-left corner at (x0, y0).
class TurnedTextTest : public ::testing::Test {
protected:
    TurnedTextTest()
    {
        useTestFont(label, caption, QSize(200, 200));
        const QFontMetrics metrics(label.font());
        q = metrics.horizontalAdvance(caption + QStringLiteral("   ")) / 2;
        w = metrics.horizontalAdvance(caption);
        h = metrics.height();
    }

    const QString caption = QStringLiteral("HHH");
    EffectLabel label;
    int q = 0;
    int w = 0;
    int h = 0;
};

TEST_F(TurnedTextTest, NinetyDegreesDrawsUpwardsFromTheOrigin)
{
    label.setEffectStyle(EffectStyle::esNone);
    label.setAngle(90);
    EXPECT_EQ(label.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const int x0 = q - h / 2;
    const int y0 = q + w / 2;
    const QRect text = layerBox(label, Layer::Text);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GT(text.height(), 2 * text.width()); // the row of letters stands upright
    EXPECT_GE(text.left(), x0);
    EXPECT_LE(text.right(), x0 + h);
    EXPECT_LE(text.bottom(), y0);
    EXPECT_GE(text.top(), y0 - w);
    EXPECT_GT(text.height(), w * 3 / 4);
}

TEST_F(TurnedTextTest, TurnedLayersKeepTheirScreenOffsets)
{
    label.setAngle(90);
    const QRect highlight = layerBox(label, Layer::Highlight);
    EXPECT_EQ(layerBox(label, Layer::Text), highlight.translated(1, 1));
    EXPECT_EQ(layerBox(label, Layer::Shadow), highlight.translated(2, 2));
}

TEST_F(TurnedTextTest, OpaqueTurnedLabelFillsOnlyTheTurnedBox)
{
    label.setEffectStyle(EffectStyle::esNone);
    label.setTransparent(false);
    label.setColor(yellow);
    label.setAngle(90);
    const QRect filled = pixelsOf(render(label), yellow);
    // The box of (W + 7) x (H + 5) stands upright about (Q, Q).
    EXPECT_NEAR(filled.width(), h + 5, 2);
    EXPECT_NEAR(filled.height(), w + 7, 2);
    EXPECT_NEAR(filled.center().x(), q, 2);
    EXPECT_NEAR(filled.center().y(), q, 2);
}

} // namespace
} // namespace klaxora
