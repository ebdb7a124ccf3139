#include "controls/effect_label.h"

namespace klaxora {

namespace {

// Sets a flag for one scope and puts its previous value back afterwards.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = previous_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace

std::array<EffectLabel::SchemeColours, 6> EffectLabel::initialSchemes()
{
    // The colours of the class library that the schemes use.
    const QColor clWhite(255, 255, 255);
    const QColor clBlack(0, 0, 0);
    const QColor clGray(128, 128, 128);
    const QColor clSilver(192, 192, 192);
    const QColor clYellow(255, 255, 0);
    const QColor clOlive(128, 128, 0);
    const QColor clAqua(0, 255, 255);
    const QColor clNavy(0, 0, 128);
    const QColor clTeal(0, 128, 128);
    // Highlight, shadow, text; csCustom starts as csWindows and then follows the label.
    return {{{clWhite, clBlack, clGray},
             {clWhite, clGray, clBlack},
             {clWhite, clBlack, clGray},
             {clWhite, clBlack, clSilver},
             {clYellow, clBlack, clOlive},
             {clAqua, clNavy, clTeal}}};
}

EffectLabel::SchemeColours& EffectLabel::coloursOf(ColourScheme scheme)
{
    return schemes_[static_cast<std::size_t>(scheme)];
}

void EffectLabel::setLayerColour(QColor& layer, QColor SchemeColours::*customColour, const QColor& colour)
{
    if (colour == layer) {
        return;
    }
    layer = colour;
    coloursOf(ColourScheme::csCustom).*customColour = colour;
    if (!schemeGuard_) {
        setColourScheme(ColourScheme::csCustom);
    }
    update();
}

void EffectLabel::setColourHighlight(const QColor& colour)
{
    setLayerColour(colourHighlight_, &SchemeColours::highlight, colour);
}

void EffectLabel::setColourShadow(const QColor& colour)
{
    setLayerColour(colourShadow_, &SchemeColours::shadow, colour);
}

void EffectLabel::setColourScheme(ColourScheme scheme)
{
    if (scheme == colourScheme_) {
        return;
    }
    ScopedFlag schemeGuard(schemeGuard_);
    colourScheme_ = scheme;
    const SchemeColours colours = coloursOf(scheme);
    setColourHighlight(colours.highlight);
    setFontColour(colours.text);
    setColourShadow(colours.shadow);
    // Switching to csCustom later keeps the look the label has now.
    if (scheme != ColourScheme::csCustom) {
        coloursOf(ColourScheme::csCustom) = colours;
    }
}

void EffectLabel::setEffectStyle(EffectStyle style)
{
    if (style == effectStyle_) {
        return;
    }
    ScopedFlag styleGuard(styleGuard_);
    ScopedFlag schemeGuard(schemeGuard_);
    effectStyle_ = style;
    const SchemeColours colours = coloursOf(colourScheme_);
    setColourHighlight(colours.highlight);
    switch (style) {
    case EffectStyle::esNone:
        setDirectionHighlight(EffectDirection::edNone);
        setDepthHighlight(0);
        setDirectionShadow(EffectDirection::edNone);
        setDepthShadow(0);
        setAsButton(false);
        break;
    case EffectStyle::esCustom:
        setAsButton(false);
        break;
    case EffectStyle::esRaised:
        setDirectionHighlight(EffectDirection::edUpLeft);
        setDepthHighlight(1);
        setDirectionShadow(EffectDirection::edDownRight);
        setDepthShadow(1);
        break;
    case EffectStyle::esSunken:
        setDirectionHighlight(EffectDirection::edDownRight);
        setDepthHighlight(1);
        setDirectionShadow(EffectDirection::edUpLeft);
        setDepthShadow(1);
        break;
    case EffectStyle::esShadow:
        setDirectionHighlight(EffectDirection::edNone);
        setDepthHighlight(0);
        setDirectionShadow(EffectDirection::edDownRight);
        setDepthShadow(2);
        setAsButton(false);
        break;
    case EffectStyle::esFlying:
        setDirectionHighlight(EffectDirection::edDownRight);
        setDepthHighlight(1);
        setDirectionShadow(EffectDirection::edDownRight);
        setDepthShadow(5);
        setColourHighlight(colours.shadow);
        setAsButton(false);
        break;
    }
    update();
}

} // namespace klaxora
