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

void UseTestFont(TEffectLabel& label, const QString& caption, QSize size)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    label.setFont(font);
    label.setText(caption);
    label.resize(size);
}

QImage Render(TEffectLabel& label)
{
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Bounding box of the pixels in Colour; of all painted pixels when Colour is invalid.
QRect PixelsOf(const QImage& image, const QColor& colour = QColor())
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
QRect LayerBox(TEffectLabel& label, Layer layer)
{
    const QColor highlight = label.ColourHighlight();
    const QColor shadow = label.ColourShadow();
    const QColor text = label.FontColour();
    label.SetColourShadow(layer == Layer::Shadow ? red : none);
    label.SetColourHighlight(layer == Layer::Highlight ? red : none);
    label.SetFontColour(layer == Layer::Text ? red : none);
    const QRect box = PixelsOf(Render(label));
    label.SetColourShadow(shadow);
    label.SetColourHighlight(highlight);
    label.SetFontColour(text);
    return box;
}

class EffectLabelPaintingTest : public ::testing::Test {
protected:
    EffectLabelPaintingTest()
    {
        UseTestFont(label_, QStringLiteral("I"), QSize(80, 60));
        TEffectLabel flat;
        UseTestFont(flat, QStringLiteral("I"), QSize(80, 60));
        flat.SetEffectStyle(TEffectStyle::esNone);
        plain_ = LayerBox(flat, Layer::Text);
    }

    TEffectLabel label_;
    QRect plain_; // the caption drawn without any offset
};

TEST_F(EffectLabelPaintingTest, RaisedDrawsShadowTwoRightAndDownHighlightAtZeroTextAtOne)
{
    ASSERT_FALSE(plain_.isEmpty());
    EXPECT_EQ(LayerBox(label_, Layer::Shadow), plain_.translated(2, 2));
    EXPECT_EQ(LayerBox(label_, Layer::Highlight), plain_);
    EXPECT_EQ(LayerBox(label_, Layer::Text), plain_.translated(1, 1));
}

TEST_F(EffectLabelPaintingTest, LayersArePaintedShadowFirstTextLast)
{
    label_.SetColourShadow(red);
    label_.SetColourHighlight(green);
    label_.SetFontColour(blue);
    const QImage image = Render(label_);
    // The "I" is a solid bar: each layer's outer corner shows, the text covers the middle.
    EXPECT_EQ(image.pixelColor(plain_.topLeft()), green);
    EXPECT_EQ(image.pixelColor(plain_.bottomRight() + QPoint(2, 2)), red);
    EXPECT_EQ(image.pixelColor(plain_.bottomRight() + QPoint(1, 1)), blue);
    EXPECT_EQ(image.pixelColor(plain_.center()), blue);
}

TEST_F(EffectLabelPaintingTest, FlyingDrawsBothLayersDownRightInTheShadowColour)
{
    label_.SetEffectStyle(TEffectStyle::esFlying);
    EXPECT_EQ(LayerBox(label_, Layer::Text), plain_);
    EXPECT_EQ(LayerBox(label_, Layer::Highlight), plain_.translated(1, 1));
    EXPECT_EQ(LayerBox(label_, Layer::Shadow), plain_.translated(5, 5));
    const QImage image = Render(label_);
    EXPECT_TRUE(PixelsOf(image, Qt::white).isEmpty());
    EXPECT_EQ(PixelsOf(image, Qt::black), plain_.translated(1, 1) | plain_.translated(5, 5));
}

TEST_F(EffectLabelPaintingTest, NoneShowsOnlyTheTextColour)
{
    label_.SetEffectStyle(TEffectStyle::esNone);
    const QImage image = Render(label_);
    EXPECT_EQ(PixelsOf(image), plain_);
    EXPECT_EQ(PixelsOf(image, label_.FontColour()), plain_);
}

TEST_F(EffectLabelPaintingTest, UpLeftLayersMoveEverythingBackInside)
{
    label_.SetDirectionShadow(TEffectDirection::edUpLeft);
    label_.SetDepthShadow(3); // m = -3
    EXPECT_EQ(LayerBox(label_, Layer::Shadow), plain_);
    EXPECT_EQ(LayerBox(label_, Layer::Highlight), plain_.translated(2, 2));
    EXPECT_EQ(LayerBox(label_, Layer::Text), plain_.translated(3, 3));
}

// Turned text: about (Q, Q), with its top-left corner at (x0, y0).
class TurnedTextTest : public ::testing::Test {
protected:
    TurnedTextTest()
    {
        UseTestFont(label_, caption_, QSize(200, 200));
        const QFontMetrics metrics(label_.font());
        q_ = metrics.horizontalAdvance(caption_ + QStringLiteral("   ")) / 2;
        w_ = metrics.horizontalAdvance(caption_);
        h_ = metrics.height();
    }

    const QString caption_ = QStringLiteral("HHH");
    TEffectLabel label_;
    int q_ = 0;
    int w_ = 0;
    int h_ = 0;
};

TEST_F(TurnedTextTest, NinetyDegreesDrawsUpwardsFromTheOrigin)
{
    label_.SetEffectStyle(TEffectStyle::esNone);
    label_.SetAngle(90);
    EXPECT_EQ(label_.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const int x0 = q_ - h_ / 2;
    const int y0 = q_ + w_ / 2;
    const QRect text = LayerBox(label_, Layer::Text);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GT(text.height(), 2 * text.width()); // the row of letters stands upright
    EXPECT_GE(text.left(), x0);
    EXPECT_LE(text.right(), x0 + h_);
    EXPECT_LE(text.bottom(), y0);
    EXPECT_GE(text.top(), y0 - w_);
    EXPECT_GT(text.height(), w_ * 3 / 4);
}

TEST_F(TurnedTextTest, TurnedLayersKeepTheirScreenOffsets)
{
    label_.SetAngle(90);
    const QRect highlight = LayerBox(label_, Layer::Highlight);
    EXPECT_EQ(LayerBox(label_, Layer::Text), highlight.translated(1, 1));
    EXPECT_EQ(LayerBox(label_, Layer::Shadow), highlight.translated(2, 2));
}

TEST_F(TurnedTextTest, OpaqueTurnedLabelFillsOnlyTheTurnedBox)
{
    label_.SetEffectStyle(TEffectStyle::esNone);
    label_.SetTransparent(false);
    label_.SetColor(yellow);
    label_.SetAngle(90);
    const QRect filled = PixelsOf(Render(label_), yellow);
    // The box of (W + 7) x (H + 5) stands upright about (Q, Q).
    EXPECT_NEAR(filled.width(), h_ + 5, 2);
    EXPECT_NEAR(filled.height(), w_ + 7, 2);
    EXPECT_NEAR(filled.center().x(), q_, 2);
    EXPECT_NEAR(filled.center().y(), q_, 2);
}

} // namespace
} // namespace klaxora
