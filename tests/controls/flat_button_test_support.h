// Shared set-up of the flat button tests: known colours, a form to hold buttons, rendering.
#pragma once

#include "controls/flat_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <memory>

namespace klaxora::test {

inline const QColor Face(192, 192, 192);
inline const QColor Highlight(240, 240, 240); // not white, so that grey shades are told apart
inline const QColor Shadow(128, 128, 128);
inline const QColor Text(0, 0, 0);
inline const QColor Canvas(0, 128, 128); // what the parent shows where the button paints nothing

inline QPalette buttonPalette()
{
    QPalette pal;
    pal.setColor(QPalette::Button, Face);
    pal.setColor(QPalette::Light, Highlight);
    pal.setColor(QPalette::Dark, Shadow);
    pal.setColor(QPalette::WindowText, Text);
    return pal;
}

// A form with the test palette and an unsmoothed font, so that pixels have exact colours.
inline std::unique_ptr<QWidget> makeForm()
{
    auto form = std::make_unique<QWidget>();
    form->setPalette(buttonPalette());
    QFont font(QStringLiteral("Liberation Sans"), 12);
    font.setStyleStrategy(QFont::NoAntialias);
    form->setFont(font);
    form->resize(300, 200);
    return form;
}

inline QImage render(FlatButton& button)
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(Canvas);
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline void sendEnter(FlatButton& button)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&button, &enter);
}

inline void sendLeave(FlatButton& button)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
}

inline QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Number of pixels of `color` inside `rect`.
inline int countColor(const QImage& image, const QRect& rect, const QColor& color)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixelColor(x, y) == color ? 1 : 0;
    }
    return n;
}

} // namespace klaxora::test
