// EffectLabel: a label that paints its caption three times (shadow, highlight, text), each layer moved
// by its own direction and depth, so that the lettering looks raised, sunken, shadowed or floating. It
// can turn the text counter-clockwise and can act like a button whose lettering sinks while pressed.
//
// The colour setters depend on their order, as in a stored form: a shadow colour set before a scheme is
// replaced by the scheme's, and a font colour set after the scheme wins over the scheme's text colour.
// Raised lettering in black with a grey shadow therefore reads:
//     label.SetColourShadow(QColor(128, 128, 128));
//     label.SetColourScheme(ColourScheme::csText);
//     label.SetFontColour(Qt::black);
#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>

#include <array>
#include <cstdint>

namespace klaxora {

using EffectDepth = std::uint8_t; // 0 to 10
using AngleRange = std::uint16_t; // 0 to 360 degrees

enum class EffectDirection {
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
enum class EffectStyle { esNone, esCustom, esRaised, esSunken, esShadow, esFlying };
enum class ColourScheme { csCustom, csText, csWindows, csEmbossed, csGold, csSteel };

// One pixel step in screen coordinates (x to the right, y downwards).
QPoint directionStep(EffectDirection direction);

class EffectLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr EffectDepth MaxDepth = 10;
    static constexpr AngleRange MaxAngle = 360;
    static constexpr int CaptionCapacity = 255; // characters drawn of the caption

    explicit EffectLabel(QWidget* parent = nullptr);

    EffectDepth depthHighlight() const { return depthHighlight_; }
    void setDepthHighlight(EffectDepth depth);
    EffectDepth depthShadow() const { return depthShadow_; }
    void setDepthShadow(EffectDepth depth);
    EffectDirection directionHighlight() const { return directionHighlight_; }
    void setDirectionHighlight(EffectDirection direction);
    EffectDirection directionShadow() const { return directionShadow_; }
    void setDirectionShadow(EffectDirection direction);
    QColor colourHighlight() const { return colourHighlight_; }
    void setColourHighlight(const QColor& colour);
    QColor colourShadow() const { return colourShadow_; }
    void setColourShadow(const QColor& colour);
    EffectStyle effectStyle() const { return effectStyle_; }
    void setEffectStyle(EffectStyle style);
    ColourScheme colourScheme() const { return colourScheme_; }
    void setColourScheme(ColourScheme scheme);
    bool asButton() const { return asButton_; }
    void setAsButton(bool asButton);
    AngleRange angle() const { return angle_; }
    // Any angle but 0 also makes the text left-justified.
    void setAngle(AngleRange angle);

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
    SchemeColours& coloursOf(ColourScheme scheme);
    // Stores a changed layer setting; the style becomes esCustom unless a preset is being applied.
    template <typename T>
    void setLayer(T& setting, T value);
    // Stores a changed layer colour, also as csCustom's; the scheme becomes csCustom unless a scheme or a
    // preset is being applied.
    void setLayerColour(QColor& layer, QColor SchemeColours::*customColour, const QColor& colour);
    bool insideClientArea(QPoint point) const;
    void paintPlainLayer(QPainter& painter, QPoint offset, const QColor& colour, const QString& caption);

    std::array<SchemeColours, 6> schemes_;
    EffectDepth depthHighlight_ = 1;
    EffectDepth depthShadow_ = 1;
    EffectDirection directionHighlight_ = EffectDirection::edUpLeft;
    EffectDirection directionShadow_ = EffectDirection::edDownRight;
    QColor colourHighlight_ = Qt::white;
    QColor colourShadow_ = Qt::black;
    EffectStyle effectStyle_ = EffectStyle::esRaised;
    ColourScheme colourScheme_ = ColourScheme::csWindows;
    bool asButton_ = false;
    AngleRange angle_ = 0;
    double angleCos_ = 1.0;
    double angleSin_ = 0.0;
    bool transparent_ = true;
    bool showAccelChar_ = true;
    bool styleGuard_ = false;  // set while a style preset is applied
    bool schemeGuard_ = false; // set while a style preset or a scheme is applied
};

} // namespace klaxora
