// A panel drawn the classic way: an optional one-pixel frame line, an outer bevel, a border of the panel's
// colour and an inner bevel. The windows build their bars from it; children sit inside ContentsRect().
#pragma once

#include <QColor>
#include <QWidget>

namespace klaxora {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class BevelPanel : public QWidget {
    Q_OBJECT

public:
    explicit BevelPanel(QWidget* parent = nullptr);

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    // A single dark frame line around everything else.
    bool SingleBorder() const { return singleBorder_; }
    void SetSingleBorder(bool single);
    QColor Color() const { return color_; }
    void SetColor(const QColor& colour);
    // Text drawn centred in the panel, as a panel's caption.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // How far the frame, bevels and border reach in from each edge.
    int FrameWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FrameChanged();

    TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
    TPanelBevel bevelInner_ = TPanelBevel::bvNone;
    int borderWidth_ = 0;
    bool singleBorder_ = false;
    QColor color_ = QColor(0xC0, 0xC0, 0xC0);
    QString caption_;
};

} // namespace klaxora
