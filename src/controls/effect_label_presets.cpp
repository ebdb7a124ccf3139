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

std::array<TEffectLabel::SchemeColours, 6> TEffectLabel::InitialSchemes()
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

TEffectLabel::SchemeColours& TEffectLabel::Scheme(TColourScheme scheme)
{
    return schemes_[static_cast<std::size_t>(scheme)];
}

void TEffectLabel::SetLayerColour(QColor& layer, QColor SchemeColours::*customColour, const QColor& colour)
{
    if (colour == layer) {
        return;
    }
    layer = colour;
    Scheme(TColourScheme::csCustom).*customColour = colour;
    if (!schemeGuard_) {
        SetColourScheme(TColourScheme::csCustom);
    }
    update();
}

void TEffectLabel::SetColourHighlight(const QColor& colour)
{
    SetLayerColour(colourHighlight_, &SchemeColours::highlight, colour);
}

void TEffectLabel::SetColourShadow(const QColor& colour)
{
    SetLayerColour(colourShadow_, &SchemeColours::shadow, colour);
}

void TEffectLabel::SetColourScheme(TColourScheme scheme)
{
    if (scheme == colourScheme_) {
        return;
    }
    ScopedFlag schemeGuard(schemeGuard_);
    colourScheme_ = scheme;
    const SchemeColours colours = Scheme(scheme);
    SetColourHighlight(colours.highlight);
    SetFontColour(colours.text);
    SetColourShadow(colours.shadow);
    // Switching to csCustom later keeps the look the label has now.
    if (scheme != TColourScheme::csCustom) {
        Scheme(TColourScheme::csCustom) = colours;
    }
}

void TEffectLabel::SetEffectStyle(TEffectStyle style)
{
    if (style == effectStyle_) {
        return;
    }
    ScopedFlag styleGuard(styleGuard_);
    ScopedFlag schemeGuard(schemeGuard_);
    effectStyle_ = style;
    const SchemeColours colours = Scheme(colourScheme_);
    SetColourHighlight(colours.highlight);
    switch (style) {
    case TEffectStyle::esNone:
        SetDirectionHighlight(TEffectDirection::edNone);
        SetDepthHighlight(0);
        SetDirectionShadow(TEffectDirection::edNone);
        SetDepthShadow(0);
        SetAsButton(false);
        break;
    case TEffectStyle::esCustom:
        SetAsButton(false);
        break;
    case TEffectStyle::esRaised:
        SetDirectionHighlight(TEffectDirection::edUpLeft);
        SetDepthHighlight(1);
        SetDirectionShadow(TEffectDirection::edDownRight);
        SetDepthShadow(1);
        break;
    case TEffectStyle::esSunken:
        SetDirectionHighlight(TEffectDirection::edDownRight);
        SetDepthHighlight(1);
        SetDirectionShadow(TEffectDirection::edUpLeft);
        SetDepthShadow(1);
        break;
    case TEffectStyle::esShadow:
        SetDirectionHighlight(TEffectDirection::edNone);
        SetDepthHighlight(0);
        SetDirectionShadow(TEffectDirection::edDownRight);
        SetDepthShadow(2);
        SetAsButton(false);
        break;
    case TEffectStyle::esFlying:
        SetDirectionHighlight(TEffectDirection::edDownRight);
        SetDepthHighlight(1);
        SetDirectionShadow(TEffectDirection::edDownRight);
        SetDepthShadow(5);
        SetColourHighlight(colours.shadow);
        SetAsButton(false);
        break;
    }
    update();
}

} // namespace klaxora
