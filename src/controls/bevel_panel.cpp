#include "controls/bevel_panel.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace klaxora {

namespace {

// A panel with a caption (the clock) reads as a label whose name and value are the caption; one without
// is a plain pane that holds other controls.
class AccessiblePanel final : public QAccessibleWidget {
public:
    explicit AccessiblePanel(BevelPanel* panel) : QAccessibleWidget(panel) {}

    QAccessible::Role role() const override
    {
        return panel()->caption().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if ((t == QAccessible::Name && panel()->accessibleName().isEmpty()) || t == QAccessible::Value)
            return panel()->caption();
        return QAccessibleWidget::text(t);
    }

private:
    BevelPanel* panel() const { return static_cast<BevelPanel*>(widget()); }
};

QAccessibleInterface* panelFactory(const QString& /*className*/, QObject* object)
{
    if (auto* panel = qobject_cast<BevelPanel*>(object))
        return new AccessiblePanel(panel);
    return nullptr;
}

const QColor BevelHighlight(0xFF, 0xFF, 0xFF);
const QColor BevelShadow(0x80, 0x80, 0x80);

// One pixel wide, light on the top and left edges for a raised bevel, on the other two for a lowered one.
void drawBevel(QPainter& painter, const QRect& rect, PanelBevel bevel)
{
    const QColor topLeft = bevel == PanelBevel::bvRaised ? BevelHighlight : BevelShadow;
    const QColor bottomRight = bevel == PanelBevel::bvRaised ? BevelShadow : BevelHighlight;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

int bevelWidth(PanelBevel bevel)
{
    return bevel == PanelBevel::bvNone ? 0 : 1;
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent)
{
    QAccessible::installFactory(panelFactory);
    // The paint covers every pixel, so a repaint of the panel (the clock's, every second) need not
    // repaint the panels and the window behind it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    frameChanged();
}

void BevelPanel::setBevelOuter(PanelBevel bevel)
{
    bevelOuter_ = bevel;
    frameChanged();
}

void BevelPanel::setBevelInner(PanelBevel bevel)
{
    bevelInner_ = bevel;
    frameChanged();
}

void BevelPanel::setBorderWidth(int width)
{
    borderWidth_ = width;
    frameChanged();
}

void BevelPanel::setSingleBorder(bool single)
{
    singleBorder_ = single;
    frameChanged();
}

void BevelPanel::setColor(const QColor& colour)
{
    color_ = colour;
    update();
}

void BevelPanel::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

int BevelPanel::frameWidth() const
{
    return (singleBorder_ ? 1 : 0) + bevelWidth(bevelOuter_) + borderWidth_ + bevelWidth(bevelInner_);
}

void BevelPanel::frameChanged()
{
    // Layouts placed on the panel keep clear of the frame by themselves.
    const int frame = frameWidth();
    setContentsMargins(frame, frame, frame, frame);
    update();
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    QRect edge = rect();
    if (singleBorder_) {
        painter.setPen(Qt::black);
        painter.drawRect(edge.adjusted(0, 0, -1, -1));
        edge.adjust(1, 1, -1, -1);
    }
    if (bevelOuter_ != PanelBevel::bvNone) {
        drawBevel(painter, edge, bevelOuter_);
        edge.adjust(1, 1, -1, -1);
    }
    edge.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    if (bevelInner_ != PanelBevel::bvNone) {
        drawBevel(painter, edge, bevelInner_);
        edge.adjust(1, 1, -1, -1);
    }
    if (!caption_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(edge, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
}

} // namespace klaxora
