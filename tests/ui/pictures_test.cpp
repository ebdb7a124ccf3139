#include "controls/flat_button.h"
#include "controls/picture_canvas.h"
#include "ui/button_pictures.h"
#include "ui/list_icons.h"
#include "ui/program_icon.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace klaxora {
namespace {

struct NamedPicture {
    const char* name;
    std::function<QImage()> draw;
    int size;
};

const std::vector<NamedPicture>& buttonPictures()
{
    static const std::vector<NamedPicture> pictures{
        {"Add", addAlarmPicture, 16},        {"Edit", editAlarmPicture, 16},
        {"Delete", deleteAlarmPicture, 16},  {"Clone", cloneAlarmPicture, 16},
        {"Adjust", adjustTimePicture, 16},   {"Minimize", minimizePicture, 24},
        {"Exit", exitPicture, 24},           {"PrevMonth", prevMonthPicture, 16},
        {"NextMonth", nextMonthPicture, 16}, {"PrevYear", prevYearPicture, 16},
        {"NextYear", nextYearPicture, 16},   {"Choose", chooseFilePicture, 16},
        {"PlayNow", playNowPicture, 16},     {"Ok", okPicture, 16},
        {"Cancel", cancelPicture, 16},       {"Help", helpPicture, 16},
        {"Options", optionsPicture, 16},
    };
    return pictures;
}

// Pixels of the key colour that cannot be reached from the edge through key-coloured pixels: these would
// turn transparent inside the drawing.
int enclosedKeyPixels(const QImage& picture, QRgb key)
{
    const int width = picture.width();
    const int height = picture.height();
    std::vector<char> reached(static_cast<std::size_t>(width * height), 0);
    std::vector<QPoint> pending;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return;
        }
        char& seen = reached[static_cast<std::size_t>(y * width + x)];
        if (!seen && picture.pixel(x, y) == key) {
            seen = 1;
            pending.emplace_back(x, y);
        }
    };
    for (int x = 0; x < width; ++x) {
        visit(x, 0);
        visit(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        visit(0, y);
        visit(width - 1, y);
    }
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            enclosed += picture.pixel(x, y) == key && !reached[static_cast<std::size_t>(y * width + x)];
        }
    }
    return enclosed;
}

int drawnPixels(const QImage& picture, QRgb key)
{
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            drawn += picture.pixel(x, y) != key;
        }
    }
    return drawn;
}

void expectKeyedPicture(const QImage& picture, const char* name, int size, QRgb key)
{
    SCOPED_TRACE(name);
    EXPECT_EQ(picture.size(), QSize(size, size));
    EXPECT_EQ(picture.pixel(0, 0), key);
    EXPECT_EQ(enclosedKeyPixels(picture, key), 0);
    EXPECT_GT(drawnPixels(picture, key), size * size / 5);
}

TEST(PicturesTest, ListIconsAre17PixelsOnSilverOnlyAroundTheDrawing)
{
    expectKeyedPicture(todayAlarmPicture(), "todayAlarmPicture", 17, 0xFFC0C0C0);
    expectKeyedPicture(futureAlarmPicture(), "futureAlarmPicture", 17, 0xFFC0C0C0);
    EXPECT_NE(todayAlarmPicture(), futureAlarmPicture());
}

TEST(PicturesTest, ButtonPicturesHaveTheirTopLeftColourOnlyAroundTheDrawing)
{
    for (const NamedPicture& picture : buttonPictures()) {
        const QImage image = picture.draw();
        expectKeyedPicture(image, picture.name, picture.size, image.pixel(0, 0));
    }
}

// A disabled button embosses the black pixels of its picture: every picture must leave a shape there.
TEST(PicturesTest, DisabledButtonsShowTheEmbossedShapeOfTheirPicture)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::Light, QColor(0xF0, 0xF0, 0xF0));
    palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    for (const NamedPicture& picture : buttonPictures()) {
        SCOPED_TRACE(picture.name);
        FlatButton button;
        button.setPalette(palette);
        button.setBitmap(picture.draw());
        button.setEnabled(false);
        QImage image(button.size(), QImage::Format_RGB32);
        image.fill(palette.color(QPalette::Window));
        button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QRect area(button.paintGeometry().bitmapPos, QSize(picture.size + 1, picture.size + 1));
        int highlight = 0;
        int shadow = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                highlight += image.pixelColor(x, y) == palette.color(QPalette::Light);
                shadow += image.pixelColor(x, y) == palette.color(QPalette::Dark);
            }
        }
        EXPECT_GT(shadow, picture.size);
        EXPECT_GT(highlight, picture.size / 2);
    }
}

TEST(PicturesTest, KeyColourNeverSurvivesInsideADrawing)
{
    const QImage picture = renderOnKeyColour(QSize(8, 8), SilverKey, [](QPainter& painter) {
        painter.fillRect(QRect(2, 2, 4, 4), QColor(0xC0, 0xC0, 0xC0));
        painter.fillRect(QRect(6, 2, 1, 4), QColor(0, 0, 0, 60)); // faint edge
    });
    EXPECT_NE(picture.pixel(3, 3), SilverKey);
    EXPECT_EQ(picture.pixel(6, 3), SilverKey);
    EXPECT_EQ(picture.pixel(0, 0), SilverKey);

    const QPixmap glyph = transparentByTopLeft(picture);
    const QImage transparent = glyph.toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(transparent.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(transparent.pixel(3, 3)), 255);
}

TEST(PicturesTest, ProgramIconHasEveryThemeSizeOnTransparency)
{
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : ProgramIconSizes) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(sizes.contains(QSize(size, size)));
        const QImage image = programIconImage(size);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2 + 1)), 255);
    }
}

TEST(PicturesTest, IconExportWritesTheThemeFolders)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess tool;
    tool.start(QStringLiteral(KLAXORA_ICON_EXPORT), {folder.path()});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0);
    for (const int size : ProgramIconSizes) {
        const QImage written(folder.filePath(QStringLiteral("%1x%1/apps/klaxora.png").arg(size)));
        EXPECT_EQ(written.size(), QSize(size, size));
    }

    tool.start(QStringLiteral(KLAXORA_ICON_EXPORT), {});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_NE(tool.exitCode(), 0);
}

} // namespace
} // namespace klaxora
