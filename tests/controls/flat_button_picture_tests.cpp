// The grey copy, transparent drawing, the embossed disabled picture and the down pattern.
#include "controls/grey_copy.h"
#include "flat_button_test_support.h"

#include <QTest>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

using namespace flatbtn;
using namespace test;

QImage row(std::initializer_list<QColor> colors)
{
    QImage image(int(colors.size()), 1, QImage::Format_ARGB32);
    int x = 0;
    for (const QColor& c : colors)
        image.setPixelColor(x++, 0, c);
    return image;
}

QColor grey(int sum)
{
    const int third = sum / 3;
    return QColor(third + (sum % 3 > 0 ? 1 : 0), third + (sum % 3 > 1 ? 1 : 0), third);
}

TEST(FlatButtonGreyCopy, MediumShadingExamplesAndTheTransparentColour)
{
    const QColor t(10, 200, 30);
    const QImage copy = makeGreyCopy(
        row({t, QColor(255, 255, 255), QColor(128, 128, 128), QColor(40, 40, 40), QColor(0, 0, 0), t}),
        stMedium, Highlight, Shadow);
    EXPECT_EQ(copy.pixelColor(0, 0), t);
    EXPECT_EQ(copy.pixelColor(1, 0), QColor(255, 255, 255));
    EXPECT_EQ(copy.pixelColor(2, 0), Highlight);
    EXPECT_EQ(copy.pixelColor(3, 0), Shadow);
    EXPECT_EQ(copy.pixelColor(4, 0), QColor(0, 0, 0));
    EXPECT_EQ(copy.pixelColor(5, 0), t);
}

TEST(FlatButtonGreyCopy, EachThresholdOfEachShadingIsExclusive)
{
    struct Limits {
        FlatButtonShading type;
        int white, highlight, shadow;
    };
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    for (const Limits& l :
         {Limits{stLight, 205, 127, 68}, Limits{stMedium, 553, 231, 57}, Limits{stDark, 335, 274, 175}}) {
        SCOPED_TRACE(int(l.type));
        const QImage copy =
            makeGreyCopy(row({QColor(1, 2, 3), grey(l.white + 1), grey(l.white), grey(l.highlight + 1),
                              grey(l.highlight), grey(l.shadow + 1), grey(l.shadow)}),
                         l.type, Highlight, Shadow);
        EXPECT_EQ(copy.pixelColor(1, 0), white);
        EXPECT_EQ(copy.pixelColor(2, 0), Highlight);
        EXPECT_EQ(copy.pixelColor(3, 0), Highlight);
        EXPECT_EQ(copy.pixelColor(4, 0), Shadow);
        EXPECT_EQ(copy.pixelColor(5, 0), Shadow);
        EXPECT_EQ(copy.pixelColor(6, 0), black);
    }
}

// A 4 x 4 picture: red top-left (the transparent colour) and (1, 0), green (2, 0), blue elsewhere.
QImage picture()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    image.setPixelColor(0, 0, QColor(255, 0, 0));
    image.setPixelColor(1, 0, QColor(255, 0, 0));
    image.setPixelColor(2, 0, QColor(0, 160, 0));
    return image;
}

class FlatButtonPictures : public testing::Test {
protected:
    void SetUp() override
    {
        button = new FlatButton(form.get());
        button->setBitmap(picture());
        // A 50 x 40 button centres the 4 x 4 bitmap at (23, 18).
    }
    std::unique_ptr<QWidget> form = makeForm();
    FlatButton* button = nullptr;
    const QPoint b{23, 18};
};

TEST_F(FlatButtonPictures, BitmapIsDrawnTransparentlyByItsTopLeftColour)
{
    sendEnter(*button);
    const QImage image = render(*button);
    EXPECT_EQ(at(image, b.x(), b.y()), Canvas);
    EXPECT_EQ(at(image, b.x() + 1, b.y()), Canvas);
    EXPECT_EQ(at(image, b.x() + 2, b.y()), QColor(0, 160, 0));
    EXPECT_EQ(at(image, b.x() + 3, b.y() + 3), QColor(0, 0, 255));
    EXPECT_EQ(at(image, b.x() + 4, b.y() + 3), Canvas);
    EXPECT_EQ(button->bitmap().pixelColor(0, 0), QColor(255, 0, 0)) << "the picture itself is unchanged";
}

TEST_F(FlatButtonPictures, FlatLookShowsGreyCopyOrNoFocusBitmap)
{
    QImage image = render(*button);
    EXPECT_EQ(at(image, b.x(), b.y()), Canvas);
    EXPECT_EQ(at(image, b.x() + 2, b.y()), Shadow);        // green, sum 160
    EXPECT_EQ(at(image, b.x() + 3, b.y() + 3), Highlight); // blue, sum 255

    // A darker shading turns the blue to shadow.
    button->setShadingType(stDark);
    EXPECT_EQ(at(render(*button), b.x() + 3, b.y() + 3), Shadow);

    QImage noFocus(4, 4, QImage::Format_RGB32);
    noFocus.fill(QColor(255, 255, 0));
    noFocus.setPixelColor(0, 0, QColor(0, 0, 0));
    button->setNoFocusBitmap(noFocus);
    EXPECT_TRUE(button->greyCopy().isNull()) << "no grey copy while NoFocusBitmap is set";
    image = render(*button);
    EXPECT_EQ(at(image, b.x(), b.y()), Canvas);
    EXPECT_EQ(at(image, b.x() + 3, b.y() + 3), QColor(255, 255, 0));

    button->setNoFocusBitmap(QImage());
    EXPECT_FALSE(button->greyCopy().isNull());
    button->setOptions(boPopupMark);
    EXPECT_EQ(at(render(*button), b.x() + 3, b.y() + 3), QColor(0, 0, 255)) << "colour without boMonoDisplay";
}

TEST_F(FlatButtonPictures, PressedBitmapMovesOnePixelRightAndDown)
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    const QImage image = render(*button);
    EXPECT_EQ(at(image, b.x() + 3, b.y() + 1), QColor(0, 160, 0));
    EXPECT_EQ(at(image, b.x() + 2, b.y() + 1), Canvas);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));
}

TEST_F(FlatButtonPictures, DisabledBitmapIsEmbossedFromItsBlackPixels)
{
    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(QColor(255, 255, 255));
    source.setPixelColor(1, 1, QColor(0, 0, 0));
    source.setPixelColor(2, 2, QColor(0, 0, 0));
    source.setPixelColor(3, 0, QColor(1, 1, 1)); // nearly black is not black
    button->setBitmap(source);
    button->setEnabled(false);
    QImage image = render(*button);
    EXPECT_EQ(at(image, b.x() + 1, b.y() + 1), Shadow);
    EXPECT_EQ(at(image, b.x() + 2, b.y() + 2), Shadow);
    EXPECT_EQ(at(image, b.x() + 3, b.y() + 3), Highlight);
    EXPECT_EQ(at(image, b.x() + 1, b.y() + 2), Canvas);
    EXPECT_EQ(at(image, b.x() + 3, b.y()), Canvas);
    EXPECT_EQ(at(image, b.x(), b.y()), Canvas);

    // A DisabledBitmap replaces the embossed picture and is drawn transparently.
    button->setDisabledBitmap(picture());
    image = render(*button);
    EXPECT_EQ(at(image, b.x() + 2, b.y()), QColor(0, 160, 0));
    EXPECT_EQ(at(image, b.x() + 1, b.y() + 1), QColor(0, 0, 255));
    EXPECT_EQ(at(image, b.x(), b.y()), Canvas);
}

TEST(FlatButtonDownPattern, DownButtonIsFilledWithACheckerboard)
{
    auto form = makeForm();
    FlatButton button(form.get());
    button.setGroupIndex(1);
    button.setDown(true);
    QImage image = render(button);
    int wrong = 0;
    for (int y = 1; y < 39; ++y) {
        for (int x = 1; x < 49; ++x)
            wrong += at(image, x, y) != ((x + y) % 2 == 0 ? Highlight : Face);
    }
    EXPECT_EQ(wrong, 0);

    button.setShowDownPattern(false);
    image = render(button);
    EXPECT_EQ(countColor(image, QRect(1, 1, 48, 38), Canvas), 48 * 38);
}

} // namespace
} // namespace klaxora
