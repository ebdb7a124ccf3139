// Finds a line of text in a screenshot, so that the end-to-end scenarios can tell what a window shows
// without any help from the program. The text is drawn here with Qt, in the font the window uses, on the
// same display (so fonts, hinting and palette are the program's), and then looked for in the picture.
//
// usage: klaxora_e2e_find_text --image shot.png --text "Water the plants"
//          [--region x,y,w,h] [--family Arial --pixels 13 | --family default] [--bold] [--fg auto|#rrggbb]
// Prints "found <x> <y>" (top-left of the text's box in the picture) and exits 0, or prints
// "not found" and exits 1; 2 for wrong arguments or an unreadable picture.

#include <QColor>
#include <QCommandLineParser>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRect>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// Antialiased edges may differ a little between a window's backing store and our picture; the background
// around the text must be plain.
constexpr int InkTolerance = 40;
constexpr int BackgroundTolerance = 12;
constexpr double OutlierShare = 0.02;
constexpr int Margin = 1;

struct Template {
    QImage image;
    // Offsets of the pixels that carry ink, strongest first, so that a wrong place fails early.
    std::vector<QPoint> ink;
    std::vector<QPoint> rest;
};

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

Template render(const QString& text, const QFont& font, QRgb foreground, QRgb background)
{
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text) + 2 * Margin, metrics.height() + 2 * Margin);
    Template result;
    result.image = QImage(size, QImage::Format_RGB32);
    result.image.fill(background);
    QPainter painter(&result.image);
    painter.setFont(font);
    painter.setPen(QColor(foreground));
    painter.drawText(QPoint(Margin, Margin + metrics.ascent()), text);
    painter.end();

    std::vector<std::pair<int, QPoint>> inked;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int strength = difference(result.image.pixel(x, y), background);
            if (strength > 0) {
                inked.emplace_back(strength, QPoint(x, y));
            } else {
                result.rest.emplace_back(x, y);
            }
        }
    }
    std::stable_sort(inked.begin(), inked.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& entry : inked) {
        result.ink.push_back(entry.second);
    }
    return result;
}

QRgb autoForeground(QRgb background)
{
    // Dark backgrounds (a selected row) carry light text.
    return qGray(background) < 150 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
}

// The text's box at `at` has a plain background: its four corners have the colour of the first.
bool plainCorners(const QImage& shot, const QPoint& at, const QSize& size)
{
    const QRgb first = shot.pixel(at);
    const QPoint last(at.x() + size.width() - 1, at.y() + size.height() - 1);
    return near(shot.pixel(last.x(), at.y()), first, BackgroundTolerance) &&
           near(shot.pixel(at.x(), last.y()), first, BackgroundTolerance) &&
           near(shot.pixel(last), first, BackgroundTolerance);
}

bool matchesAt(const QImage& shot, const Template& probe, const QPoint& at)
{
    const auto allowed = static_cast<std::size_t>(OutlierShare * double(probe.ink.size()));
    std::size_t misses = 0;
    for (const QPoint& p : probe.ink) {
        if (!near(shot.pixel(at + p), probe.image.pixel(p), InkTolerance) && ++misses > allowed) {
            return false;
        }
    }
    for (const QPoint& p : probe.rest) {
        if (!near(shot.pixel(at + p), probe.image.pixel(p), BackgroundTolerance) && ++misses > allowed) {
            return false;
        }
    }
    return true;
}

std::optional<QRect> parseRegion(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return std::nullopt;
    }
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption imageOption("image", "screenshot to search", "file");
    const QCommandLineOption textOption("text", "text to find", "text");
    const QCommandLineOption regionOption("region", "part of the picture to search", "x,y,w,h");
    const QCommandLineOption familyOption("family", "font family, or 'default' for the application font",
                                          "family", "default");
    const QCommandLineOption pixelsOption("pixels", "font size in pixels", "n", "0");
    const QCommandLineOption boldOption("bold", "bold font");
    const QCommandLineOption fgOption("fg", "text colour, or 'auto' (black, white on dark)", "colour",
                                      "auto");
    parser.addOptions(
        {imageOption, textOption, regionOption, familyOption, pixelsOption, boldOption, fgOption});
    parser.process(app);

    const QImage shot = QImage(parser.value(imageOption)).convertToFormat(QImage::Format_RGB32);
    const QString text = parser.value(textOption);
    if (shot.isNull() || text.isEmpty()) {
        std::fprintf(stderr, "klaxora_e2e_find_text: a readable --image and a --text are needed\n");
        return 2;
    }
    QRect region = shot.rect();
    if (parser.isSet(regionOption)) {
        const auto parsed = parseRegion(parser.value(regionOption));
        if (!parsed) {
            std::fprintf(stderr, "klaxora_e2e_find_text: --region wants x,y,w,h\n");
            return 2;
        }
        region = parsed->intersected(shot.rect());
    }

    QFont font = QGuiApplication::font();
    if (parser.value(familyOption) != QLatin1String("default")) {
        font = QFont(parser.value(familyOption));
    }
    if (const int pixels = parser.value(pixelsOption).toInt(); pixels > 0) {
        font.setPixelSize(pixels);
    }
    font.setBold(parser.isSet(boldOption));
    const bool automaticForeground = parser.value(fgOption) == QLatin1String("auto");
    const QRgb fixedForeground = automaticForeground ? 0 : QColor(parser.value(fgOption)).rgb();

    // One picture of the text per background met; the margin pixel at a place gives its background.
    QHash<QRgb, Template> probes;
    const QSize probeSize = render(text, font, 0, 0).image.size();
    for (int y = region.top(); y + probeSize.height() <= region.bottom() + 1; ++y) {
        for (int x = region.left(); x + probeSize.width() <= region.right() + 1; ++x) {
            if (!plainCorners(shot, QPoint(x, y), probeSize)) {
                continue;
            }
            const QRgb background = shot.pixel(x, y) | 0xFF000000u;
            auto found = probes.find(background);
            if (found == probes.end()) {
                const QRgb foreground = automaticForeground ? autoForeground(background) : fixedForeground;
                found = probes.insert(background, render(text, font, foreground, background));
            }
            if (matchesAt(shot, *found, QPoint(x, y))) {
                std::printf("found %d %d\n", x + Margin, y + Margin);
                return 0;
            }
        }
    }
    std::printf("not found\n");
    return 1;
}
