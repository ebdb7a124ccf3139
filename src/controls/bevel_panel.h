// A panel drawn the classic way: an optional one-pixel frame line, an outer bevel, a border of the panel's
// colour and an inner bevel. The windows build their bars from it; children sit inside ContentsRect().
#pragma once

#include <QColor>
#include <QWidget>

namespace klaxora {

enum class PanelBevel { bvNone, bvLowered, bvRaised };

class BevelPanel : public QWidget {
    Q_OBJECT

public:
    explicit BevelPanel(QWidget* parent = nullptr);

    PanelBevel bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(PanelBevel bevel);
    PanelBevel bevelInner() const { return bevelInner_; }
    void setBevelInner(PanelBevel bevel);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    // A single dark frame line around everything else.
    bool singleBorder() const { return singleBorder_; }
    void setSingleBorder(bool single);
    QColor color() const { return color_; }
    void setColor(const QColor& colour);
    // Text drawn centred in the panel, as a panel's caption.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // How far the frame, bevels and border reach in from each edge.
    int frameWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void frameChanged();

    PanelBevel bevelOuter_ = PanelBevel::bvRaised;
    PanelBevel bevelInner_ = PanelBevel::bvNone;
    int borderWidth_ = 0;
    bool singleBorder_ = false;
    QColor color_ = QColor(0xC0, 0xC0, 0xC0);
    QString caption_;
};

} // namespace klaxora
