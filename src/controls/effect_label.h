// TEffectLabel: a label that paints its caption three times (shadow, highlight, text), each layer moved
// by its own direction and depth, so that the lettering looks raised, sunken, shadowed or floating. It
// can turn the text counter-clockwise and can act like a button whose lettering sinks while pressed.
//
// The colour setters depend on their order, as in a stored form: a shadow colour set before a scheme is
// replaced by the scheme's, and a font colour set after the scheme wins over the scheme's text colour.
// Raised lettering in black with a grey shadow therefore reads:
//     label.SetColourShadow(QColor(128, 128, 128));
//     label.SetColourScheme(TColourScheme::csText);
//     label.SetFontColour(Qt::black);
#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>

#include <array>
#include <cstdint>

namespace klaxora {

using TEffectDepth = std::uint8_t; // 0 to 10
using TAngleRange = std::uint16_t; // 0 to 360 degrees

enum class TEffectDirection {
    edNone,
    edUp,
    edUpRight,
    edRight,
    edDownRight,
    edDown,
    edDownLeft,
    edLeft,
    edUpLeft
};
enum class TEffectStyle { esNone, esCustom, esRaised, esSunken, esShadow, esFlying };
enum class TColourScheme { csCustom, csText, csWindows, csEmbossed, csGold, csSteel };

// One pixel step in screen coordinates (x to the right, y downwards).
QPoint directionStep(TEffectDirection direction);

class TEffectLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr TEffectDepth MaxDepth = 10;
    static constexpr TAngleRange MaxAngle = 360;
    static constexpr int CaptionCapacity = 255; // characters drawn of the caption

    explicit TEffectLabel(QWidget* parent = nullptr);

    TEffectDepth depthHighlight() const { return depthHighlight_; }
    void setDepthHighlight(TEffectDepth depth);
    TEffectDepth depthShadow() const { return depthShadow_; }
    void setDepthShadow(TEffectDepth depth);
    TEffectDirection directionHighlight() const { return directionHighlight_; }
    void setDirectionHighlight(TEffectDirection direction);
    TEffectDirection directionShadow() const { return directionShadow_; }
    void setDirectionShadow(TEffectDirection direction);
    QColor colourHighlight() const { return colourHighlight_; }
    void setColourHighlight(const QColor& colour);
    QColor colourShadow() const { return colourShadow_; }
    void setColourShadow(const QColor& colour);
    TEffectStyle effectStyle() const { return effectStyle_; }
    void setEffectStyle(TEffectStyle style);
    TColourScheme colourScheme() const { return colourScheme_; }
    void setColourScheme(TColourScheme scheme);
    bool asButton() const { return asButton_; }
    void setAsButton(bool asButton);
    TAngleRange angle() const { return angle_; }
    // Any angle but 0 also makes the text left-justified.
    void setAngle(TAngleRange angle);

    // The text colour (the font colour of the label).
    QColor fontColour() const;
    void setFontColour(const QColor& colour);
    // A transparent label paints no background; otherwise Color fills it.
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    QColor color() const;
    void setColor(const QColor& colour);
    // Whether "&" marks the accelerator character (drawn underlined) in plain text.
    bool showAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool show);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct SchemeColours {
        QColor highlight;
        QColor shadow;
        QColor text;
    };

    static std::array<SchemeColours, 6> initialSchemes();
    SchemeColours& coloursOf(TColourScheme scheme);
    // Stores a changed layer setting; the style becomes esCustom unless a preset is being applied.
    template <typename T>
    void setLayer(T& setting, T value);
    // Stores a changed layer colour, also as csCustom's; the scheme becomes csCustom unless a scheme or a
    // preset is being applied.
    void setLayerColour(QColor& layer, QColor SchemeColours::*customColour, const QColor& colour);
    bool insideClientArea(QPoint point) const;
    void paintPlainLayer(QPainter& painter, QPoint offset, const QColor& colour, const QString& caption);

    std::array<SchemeColours, 6> schemes_;
    TEffectDepth depthHighlight_ = 1;
    TEffectDepth depthShadow_ = 1;
    TEffectDirection directionHighlight_ = TEffectDirection::edUpLeft;
    TEffectDirection directionShadow_ = TEffectDirection::edDownRight;
    QColor colourHighlight_ = Qt::white;
    QColor colourShadow_ = Qt::black;
    TEffectStyle effectStyle_ = TEffectStyle::esRaised;
    TColourScheme colourScheme_ = TColourScheme::csWindows;
    bool asButton_ = false;
    TAngleRange angle_ = 0;
    double angleCos_ = 1.0;
    double angleSin_ = 0.0;
    bool transparent_ = true;
    bool showAccelChar_ = true;
    bool styleGuard_ = false;  // set while a style preset is applied
    bool schemeGuard_ = false; // set while a style preset or a scheme is applied
};

} // namespace klaxora
