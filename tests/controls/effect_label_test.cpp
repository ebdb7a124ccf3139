// The effect label's properties: defaults, colour schemes with the csCustom triple, style presets and
// their guards, the order in which stored properties are applied, the angle, and the button behaviour.
#include "controls/effect_label.h"

#include <QApplication>
#include <QFontInfo>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

const QColor clWhite(255, 255, 255);
const QColor clBlack(0, 0, 0);
const QColor clGray(128, 128, 128);
const QColor clYellow(255, 255, 0);
const QColor clOlive(128, 128, 0);
const QColor clAqua(0, 255, 255);
const QColor clNavy(0, 0, 128);
const QColor clTeal(0, 128, 128);
const QColor red(255, 0, 0);

void ExpectColours(const TEffectLabel& label, const QColor& highlight, const QColor& shadow,
                   const QColor& text)
{
    EXPECT_EQ(label.ColourHighlight(), highlight);
    EXPECT_EQ(label.ColourShadow(), shadow);
    EXPECT_EQ(label.FontColour(), text);
}

void ExpectLayers(const TEffectLabel& label, TEffectDirection highlight, int highlightDepth,
                  TEffectDirection shadow, int shadowDepth)
{
    EXPECT_EQ(label.DirectionHighlight(), highlight);
    EXPECT_EQ(label.DepthHighlight(), highlightDepth);
    EXPECT_EQ(label.DirectionShadow(), shadow);
    EXPECT_EQ(label.DepthShadow(), shadowDepth);
}

// The layers' defaults and each preset's offsets are checked by rendering in effect_label_painting_test.
TEST(EffectLabel, NewLabelHasTheDefaults)
{
    TEffectLabel label;
    EXPECT_EQ(label.size(), QSize(142, 33));
    EXPECT_TRUE(label.Transparent());
    const QFontInfo font(label.font());
    EXPECT_TRUE(font.family() == QStringLiteral("Times New Roman") ||
                font.family() == QStringLiteral("Liberation Serif"))
        << font.family().toStdString();
    EXPECT_EQ(label.font().pointSize(), 20);
    ExpectColours(label, clWhite, clBlack, clGray);
}

TEST(EffectLabel, DirectColoursMakeTheSchemeCustomAndCustomKeepsTheLastLook)
{
    TEffectLabel label;
    label.SetColourScheme(TColourScheme::csText);
    label.SetColourShadow(red);
    EXPECT_EQ(label.ColourScheme(), TColourScheme::csCustom);
    ExpectColours(label, clWhite, red, clBlack);

    label.SetColourScheme(TColourScheme::csGold);
    label.SetColourScheme(TColourScheme::csCustom);
    ExpectColours(label, clYellow, clBlack, clOlive);

    label.SetColourHighlight(clTeal);
    label.SetColourScheme(TColourScheme::csSteel);
    label.SetColourScheme(TColourScheme::csCustom);
    ExpectColours(label, clAqua, clNavy, clTeal);
}

TEST(EffectLabel, StoredOrderShadowThenSchemeThenFontColourGivesTheSchemeWithTheFontColour)
{
    TEffectLabel label;
    label.SetColourShadow(clGray);
    label.SetColourScheme(TColourScheme::csText);
    label.SetFontColour(clBlack);
    EXPECT_EQ(label.ColourScheme(), TColourScheme::csText);
    ExpectColours(label, clWhite, clGray, clBlack);

    TEffectLabel reversed;
    reversed.SetFontColour(red);
    reversed.SetColourScheme(TColourScheme::csText);
    reversed.SetColourShadow(red);
    EXPECT_EQ(reversed.ColourScheme(), TColourScheme::csCustom);
    ExpectColours(reversed, clWhite, red, clBlack);
}

TEST(EffectLabel, LayerSettingsMakeTheStyleCustomWithTheSchemesHighlightAndNoButton)
{
    TEffectLabel label;
    label.SetAsButton(true);
    label.SetDirectionShadow(TEffectDirection::edDown);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esCustom);
    EXPECT_FALSE(label.AsButton());
    ExpectLayers(label, TEffectDirection::edUpLeft, 1, TEffectDirection::edDown, 1);

    TEffectLabel flying;
    flying.SetEffectStyle(TEffectStyle::esFlying);
    EXPECT_EQ(flying.ColourHighlight(), clBlack);
    flying.SetDepthHighlight(3);
    EXPECT_EQ(flying.EffectStyle(), TEffectStyle::esCustom);
    EXPECT_EQ(flying.ColourHighlight(), clWhite);
    EXPECT_EQ(flying.ColourScheme(), TColourScheme::csWindows);
}

TEST(EffectLabel, OnlyRaisedAndSunkenKeepTheButtonAndCustomMovesNothing)
{
    for (const TEffectStyle style : {TEffectStyle::esSunken, TEffectStyle::esRaised, TEffectStyle::esShadow,
                                     TEffectStyle::esFlying, TEffectStyle::esNone}) {
        TEffectLabel label;
        label.SetEffectStyle(TEffectStyle::esShadow);
        label.SetAsButton(true); // raised
        label.SetEffectStyle(style);
        EXPECT_EQ(label.EffectStyle(), style);
        EXPECT_EQ(label.AsButton(), style == TEffectStyle::esSunken || style == TEffectStyle::esRaised)
            << int(style);
    }

    TEffectLabel custom;
    custom.SetDirectionHighlight(TEffectDirection::edLeft);
    custom.SetEffectStyle(TEffectStyle::esCustom); // already custom: nothing moves
    ExpectLayers(custom, TEffectDirection::edLeft, 1, TEffectDirection::edDownRight, 1);

    // Flying draws its highlight layer in the scheme's shadow colour, and gives it back afterwards.
    TEffectLabel steel;
    steel.SetColourScheme(TColourScheme::csSteel);
    steel.SetEffectStyle(TEffectStyle::esFlying);
    ExpectColours(steel, clNavy, clNavy, clTeal);
    EXPECT_EQ(steel.ColourScheme(), TColourScheme::csSteel);
    steel.SetEffectStyle(TEffectStyle::esRaised);
    EXPECT_EQ(steel.ColourHighlight(), clAqua);
}

TEST(EffectLabel, TurningTheTextLeftJustifiesItAndAngleZeroKeepsTheAlignment)
{
    TEffectLabel label;
    label.setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label.SetAngle(0);
    EXPECT_EQ(label.alignment(), Qt::AlignHCenter | Qt::AlignBottom);
    label.SetAngle(90);
    EXPECT_EQ(label.alignment(), Qt::AlignLeft | Qt::AlignBottom);
    label.setAlignment(Qt::AlignRight | Qt::AlignTop);
    label.SetAngle(0);
    EXPECT_EQ(label.alignment(), Qt::AlignRight | Qt::AlignTop);
}

// Mouse events with an explicit button state, as the window system delivers them.
void SendMouse(TEffectLabel& label, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), label.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&label, &event);
}

TEST(EffectLabel, ButtonLetteringSinksWhilePressedInsideAndRisesOutside)
{
    TEffectLabel label;
    label.SetAsButton(true);
    const QPoint inside(10, 10);
    const QPoint outside(label.width() + 1, 10);

    SendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esSunken);
    SendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esRaised);
    SendMouse(label, QEvent::MouseMove, QPoint(label.width(), label.height()), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esSunken); // the edge counts as inside
    SendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esSunken); // not the left button alone
    SendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esRaised);

    SendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    SendMouse(label, QEvent::MouseButtonRelease, QPoint(-1, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esSunken); // released outside: stays down
    EXPECT_TRUE(label.AsButton());

    SendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    SendMouse(label, QEvent::MouseButtonPress, inside, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esRaised);

    label.SetAsButton(false); // a plain label ignores the mouse
    SendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.EffectStyle(), TEffectStyle::esRaised);
}

} // namespace
} // namespace klaxora
