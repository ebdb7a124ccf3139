// The flat button's look in each state: borders, the drop-down arrow and caption colours.
#include "flat_button_test_support.h"

#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace klaxora {
namespace {

using namespace flatbtn;
using namespace test;

// Pixels that do not match a one-pixel frame with `first` on the left and top edges (up to, not
// including, the top-right pixel) and `second` on the right and bottom edges.
int frameMismatches(const QImage& image, const QColor& first, const QColor& second)
{
    const int w = image.width();
    const int h = image.height();
    int wrong = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QColor expected = Canvas;
            if (x == 0 || (y == 0 && x <= w - 2))
                expected = first;
            else if (x == w - 1 || y == h - 1)
                expected = second;
            if (x > 0 && x < w - 1 && y > 0 && y < h - 1)
                continue; // the inside is checked by other tests
            wrong += image.pixelColor(x, y) != expected;
        }
    }
    return wrong;
}

class FlatButtonLook : public testing::Test {
protected:
    std::unique_ptr<QWidget> form = makeForm();
    FlatButton* button = new FlatButton(form.get());
};

TEST_F(FlatButtonLook, BorderOfEachState)
{
    EXPECT_EQ(frameMismatches(render(*button), Canvas, Canvas), 0) << "flat";
    sendEnter(*button);
    EXPECT_EQ(frameMismatches(render(*button), Highlight, Shadow), 0) << "hover";
    button->setBevelStyle(bsLowered);
    EXPECT_EQ(frameMismatches(render(*button), Shadow, Highlight), 0) << "hover, lowered";
    button->setBevelStyle(bsRaised);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(frameMismatches(render(*button), Shadow, Highlight), 0) << "pressed";
    QTest::mouseMove(button, QPoint(-5, 10));
    EXPECT_EQ(frameMismatches(render(*button), Canvas, Canvas), 0) << "pressed, mouse gone";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, 10));

    button->setGroupIndex(1);
    button->setDown(true);
    EXPECT_EQ(frameMismatches(render(*button), Shadow, Highlight), 0) << "down";
    button->setEnabled(false);
    EXPECT_EQ(frameMismatches(render(*button), Shadow, Highlight), 0) << "disabled, down";
    button->setDown(false);
    EXPECT_EQ(frameMismatches(render(*button), Canvas, Canvas), 0) << "disabled";
}

TEST_F(FlatButtonLook, AfterAClickTheButtonIsFlatUntilTheMouseComesBack)
{
    sendEnter(*button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(frameMismatches(render(*button), Canvas, Canvas), 0);
    sendLeave(*button);
    sendEnter(*button);
    EXPECT_EQ(frameMismatches(render(*button), Highlight, Shadow), 0);
}

std::set<std::pair<int, int>> arrowPixels(QPoint at)
{
    std::set<std::pair<int, int>> pixels;
    for (int x = at.x(); x <= at.x() + 6; ++x)
        pixels.insert({x, at.y() - 1});
    for (int x = at.x() + 1; x <= at.x() + 5; ++x)
        pixels.insert({x, at.y()});
    for (int x = at.x() + 2; x <= at.x() + 4; ++x)
        pixels.insert({x, at.y() + 1});
    pixels.insert({at.x() + 3, at.y() + 2});
    return pixels;
}

// Inside the frame, exactly the arrow's pixels at `at` have `color`; all others show the canvas.
void expectArrowOnly(const QImage& image, QPoint at, const QColor& color)
{
    const auto pixels = arrowPixels(at);
    int wrong = 0;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x)
            wrong += image.pixelColor(x, y) != (pixels.count({x, y}) ? color : Canvas);
    }
    EXPECT_EQ(wrong, 0) << "arrow at " << at.x() << "," << at.y();
}

TEST_F(FlatButtonLook, ArrowWithoutBitmapOrCaption)
{
    QMenu menu;
    button->setDropDownMenu(&menu);
    button->setUnselectedFontColor(QColor(255, 0, 0));
    // 50 x 40: the caption (empty) is placed as if 10 wide, at (20, 20).
    expectArrowOnly(render(*button), QPoint(23, 20), QColor(255, 0, 0));
    sendEnter(*button);
    expectArrowOnly(render(*button), QPoint(23, 20), Text);
    button->setGroupIndex(1);
    button->setDown(true);
    button->setShowDownPattern(false);
    expectArrowOnly(render(*button), QPoint(24, 21), Text);

    button->setOptions(boMonoDisplay);
    expectArrowOnly(render(*button), QPoint(-20, -20), Text); // no arrow without boPopupMark
}

TEST_F(FlatButtonLook, ArrowBesideTheBitmapAndNoneWhenDisabled)
{
    QImage bitmap(16, 16, QImage::Format_RGB32);
    bitmap.fill(Canvas); // all transparent, so only the arrow shows
    button->resize(60, 40);
    button->setBitmap(bitmap);
    button->setButtonLayout(blBitmapLeft);
    QMenu menu;
    button->setDropDownMenu(&menu);
    // BW = 16 + 10: BX = (60 - 26) / 2 = 17, BY = 12.
    expectArrowOnly(render(*button), QPoint(17 + 16 + 3, 12 + 8), Text);
    EXPECT_EQ(button->paintGeometry().arrowPos, QPoint(36, 20));

    button->setEnabled(false);
    expectArrowOnly(render(*button), QPoint(-20, -20), Text);
}

TEST_F(FlatButtonLook, CaptionColoursAndPressOffset)
{
    button->resize(120, 40);
    button->setCaption(QStringLiteral("Hello"));
    button->setUnselectedFontColor(QColor(255, 0, 0));
    const QRect text = button->paintGeometry().textRect;
    ASSERT_GT(text.width(), 10);

    QImage image = render(*button);
    EXPECT_GT(countColor(image, text, QColor(255, 0, 0)), 20);
    EXPECT_EQ(countColor(image, image.rect(), Text), 0);

    sendEnter(*button);
    const QImage hover = render(*button);
    EXPECT_GT(countColor(hover, text, Text), 20);
    EXPECT_EQ(countColor(hover, text, QColor(255, 0, 0)), 0);

    // Pressed, the caption moves one pixel right and down.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    const QImage pressed = render(*button);
    int moved = 0;
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x)
            moved += (hover.pixelColor(x, y) == Text) != (pressed.pixelColor(x + 1, y + 1) == Text);
    }
    EXPECT_EQ(moved, 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));

    button->setEnabled(false);
    image = render(*button);
    EXPECT_GT(countColor(image, text, Shadow), 20);
    EXPECT_GT(countColor(image, text.translated(1, 1), Highlight), 20);
    EXPECT_EQ(countColor(image, image.rect(), Text), 0);
}

TEST_F(FlatButtonLook, CaptionThatDoesNotFitEndsInAnEllipsis)
{
    button->resize(60, 40);
    button->setAlignment(taLeftJustify);
    button->setCaption(QStringLiteral("Mmmmmmmmmmmmmmmmmmmm"));
    const QRect text = button->paintGeometry().textRect;
    EXPECT_EQ(text.width(), 56);
    sendEnter(*button);
    const QImage image = render(*button);
    // An ellipsis leaves gaps between its dots in the last columns that a cut "m" would fill.
    QImage expected(button->size(), QImage::Format_RGB32);
    expected.fill(Canvas);
    {
        QPainter painter(&expected);
        painter.setFont(button->font());
        painter.setPen(Text);
        const QString elided = QFontMetrics(button->font()).elidedText(button->caption(), Qt::ElideRight, 56);
        ASSERT_TRUE(elided.endsWith(QChar(0x2026)));
        QTextLayout layout(elided, button->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        layout.draw(&painter, text.topLeft());
    }
    EXPECT_EQ(image.copy(text), expected.copy(text));
}

} // namespace
} // namespace klaxora
