#include "controls/caption_text.h"

#include "controls/accelerator_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace klaxora {

namespace {

struct CaptionLine {
    int start = 0;
    int length = 0;
    int width = 0; // pixels taken by the text, trailing blanks not counted
};

// The caption as drawn: marks resolved, every line end turned into a line separator.
AcceleratorText displayText(const QString& buffer)
{
    QString unified = buffer;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    AcceleratorText text = parseAcceleratorText(unified);
    for (QChar& c : text.plain) {
        if (c == u'\n' || c == u'\r')
            c = QChar::LineSeparator;
    }
    return text;
}

QList<CaptionLine> breakLines(const QString& plain, const QFont& font, int width, bool wordWrap)
{
    QTextLayout layout(plain, font);
    QTextOption option;
    option.setWrapMode(wordWrap ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    QList<CaptionLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 0));
        lines.append({line.textStart(), line.textLength(), int(std::ceil(line.naturalTextWidth()))});
    }
    layout.endLayout();
    return lines;
}

void drawLine(QPainter& painter, const QString& text, const QList<int>& underlined, const QFont& font,
              QPointF topLeft)
{
    QTextLayout layout(text, font);
    QList<QTextLayout::FormatRange> formats;
    for (int pos : underlined) {
        QTextLayout::FormatRange range;
        range.start = pos;
        range.length = 1;
        range.format.setFontUnderline(true);
        formats.append(range);
    }
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    layout.draw(&painter, topLeft);
}

int alignedLeft(const QRect& rect, int lineWidth, flatbtn::TextAlignment alignment)
{
    switch (alignment) {
    case flatbtn::taLeftJustify:
        return rect.left();
    case flatbtn::taRightJustify:
        return rect.left() + rect.width() - lineWidth;
    case flatbtn::taCenter:
        return rect.left() + (rect.width() - lineWidth) / 2;
    }
    return rect.left();
}

} // namespace

QString captionBuffer(const QString& caption, bool wordWrap)
{
    // Count characters, not UTF-16 units, so that no character is cut in half.
    qsizetype end = 0;
    for (int count = 0; end < caption.size() && count < CaptionBufferCharacters; ++count) {
        const bool pair = caption.at(end).isHighSurrogate() && end + 1 < caption.size() &&
                          caption.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    QString buffer = caption.left(end);
    if (wordWrap)
        buffer.append(u' ');
    return buffer;
}

QSize measureCaption(const QFont& font, const QString& buffer, int maxWidth, bool wordWrap)
{
    const QList<CaptionLine> lines = breakLines(displayText(buffer).plain, font, maxWidth, wordWrap);
    int widest = 0;
    for (const CaptionLine& line : lines)
        widest = std::max(widest, line.width);
    return QSize(widest, int(lines.size()) * QFontMetrics(font).height());
}

void drawCaption(QPainter& painter, const QRect& rect, const QString& buffer, const QFont& font,
                 flatbtn::TextAlignment alignment, bool wordWrap)
{
    const AcceleratorText text = displayText(buffer);
    const QFontMetrics metrics(font);
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    int top = rect.top();
    for (const CaptionLine& line : breakLines(text.plain, font, rect.width(), wordWrap)) {
        QString shown = text.plain.mid(line.start, line.length);
        while (!shown.isEmpty() && (shown.back().isSpace() || shown.back() == QChar::LineSeparator))
            shown.chop(1);
        int width = line.width;
        qsizetype kept = shown.size(); // characters not replaced by the ellipsis
        if (width > rect.width()) {
            shown = metrics.elidedText(shown, Qt::ElideRight, rect.width());
            width = metrics.horizontalAdvance(shown);
            kept = shown.size() - 1;
        }
        QList<int> underlined;
        for (int pos : text.underlined) {
            if (pos >= line.start && pos - line.start < kept)
                underlined.append(pos - line.start);
        }
        drawLine(painter, shown, underlined, font, QPointF(alignedLeft(rect, width, alignment), top));
        top += metrics.height();
    }
    painter.restore();
}

} // namespace klaxora
