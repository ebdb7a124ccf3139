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

void expectColours(const EffectLabel& label, const QColor& highlight, const QColor& shadow,
                   const QColor& text)
{
    EXPECT_EQ(label.colourHighlight(), highlight);
    EXPECT_EQ(label.colourShadow(), shadow);
    EXPECT_EQ(label.fontColour(), text);
}

void expectLayers(const EffectLabel& label, EffectDirection highlight, int highlightDepth,
                  EffectDirection shadow, int shadowDepth)
{
    EXPECT_EQ(label.directionHighlight(), highlight);
    EXPECT_EQ(label.depthHighlight(), highlightDepth);
    EXPECT_EQ(label.directionShadow(), shadow);
    EXPECT_EQ(label.depthShadow(), shadowDepth);
}

// The layers' defaults and each preset's offsets are checked by rendering in effect_label_painting_test.
TEST(EffectLabel, NewLabelHasTheDefaults)
{
    EffectLabel label;
    EXPECT_EQ(label.size(), QSize(142, 33));
    EXPECT_TRUE(label.transparent());
    const QFontInfo font(label.font());
    EXPECT_TRUE(font.family() == QStringLiteral("Times New Roman") ||
                font.family() == QStringLiteral("Liberation Serif"))
        << font.family().toStdString();
    EXPECT_EQ(label.font().pointSize(), 20);
    expectColours(label, clWhite, clBlack, clGray);
}

TEST(EffectLabel, DirectColoursMakeTheSchemeCustomAndCustomKeepsTheLastLook)
{
    EffectLabel label;
    label.setColourScheme(ColourScheme::csText);
    label.setColourShadow(red);
    EXPECT_EQ(label.colourScheme(), ColourScheme::csCustom);
    expectColours(label, clWhite, red, clBlack);

    label.setColourScheme(ColourScheme::csGold);
    label.setColourScheme(ColourScheme::csCustom);
    expectColours(label, clYellow, clBlack, clOlive);

    label.setColourHighlight(clTeal);
    label.setColourScheme(ColourScheme::csSteel);
    label.setColourScheme(ColourScheme::csCustom);
    expectColours(label, clAqua, clNavy, clTeal);
}

TEST(EffectLabel, StoredOrderShadowThenSchemeThenFontColourGivesTheSchemeWithTheFontColour)
{
    EffectLabel label;
    label.setColourShadow(clGray);
    label.setColourScheme(ColourScheme::csText);
    label.setFontColour(clBlack);
    EXPECT_EQ(label.colourScheme(), ColourScheme::csText);
    expectColours(label, clWhite, clGray, clBlack);

    EffectLabel reversed;
    reversed.setFontColour(red);
    reversed.setColourScheme(ColourScheme::csText);
    reversed.setColourShadow(red);
    EXPECT_EQ(reversed.colourScheme(), ColourScheme::csCustom);
    expectColours(reversed, clWhite, red, clBlack);
}

TEST(EffectLabel, LayerSettingsMakeTheStyleCustomWithTheSchemesHighlightAndNoButton)
{
    EffectLabel label;
    label.setAsButton(true);
    label.setDirectionShadow(EffectDirection::edDown);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esCustom);
    EXPECT_FALSE(label.asButton());
    expectLayers(label, EffectDirection::edUpLeft, 1, EffectDirection::edDown, 1);

    EffectLabel flying;
    flying.setEffectStyle(EffectStyle::esFlying);
    EXPECT_EQ(flying.colourHighlight(), clBlack);
    flying.setDepthHighlight(3);
    EXPECT_EQ(flying.effectStyle(), EffectStyle::esCustom);
    EXPECT_EQ(flying.colourHighlight(), clWhite);
    EXPECT_EQ(flying.colourScheme(), ColourScheme::csWindows);
}

TEST(EffectLabel, OnlyRaisedAndSunkenKeepTheButtonAndCustomMovesNothing)
{
    for (const EffectStyle style : {EffectStyle::esSunken, EffectStyle::esRaised, EffectStyle::esShadow,
                                    EffectStyle::esFlying, EffectStyle::esNone}) {
        EffectLabel label;
        label.setEffectStyle(EffectStyle::esShadow);
        label.setAsButton(true); // raised
        label.setEffectStyle(style);
        EXPECT_EQ(label.effectStyle(), style);
        EXPECT_EQ(label.asButton(), style == EffectStyle::esSunken || style == EffectStyle::esRaised)
            << int(style);
    }

    EffectLabel custom;
    custom.setDirectionHighlight(EffectDirection::edLeft);
    custom.setEffectStyle(EffectStyle::esCustom); // already custom: nothing moves
    expectLayers(custom, EffectDirection::edLeft, 1, EffectDirection::edDownRight, 1);

    // Flying draws its highlight layer in the scheme's shadow colour, and gives it back afterwards.
    EffectLabel steel;
    steel.setColourScheme(ColourScheme::csSteel);
    steel.setEffectStyle(EffectStyle::esFlying);
    expectColours(steel, clNavy, clNavy, clTeal);
    EXPECT_EQ(steel.colourScheme(), ColourScheme::csSteel);
    steel.setEffectStyle(EffectStyle::esRaised);
    EXPECT_EQ(steel.colourHighlight(), clAqua);
}

TEST(EffectLabel, TurningTheTextLeftJustifiesItAndAngleZeroKeepsTheAlignment)
{
    EffectLabel label;
    label.setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label.setAngle(0);
    EXPECT_EQ(label.alignment(), Qt::AlignHCenter | Qt::AlignBottom);
    label.setAngle(90);
    EXPECT_EQ(label.alignment(), Qt::AlignLeft | Qt::AlignBottom);
    label.setAlignment(Qt::AlignRight | Qt::AlignTop);
    label.setAngle(0);
    EXPECT_EQ(label.alignment(), Qt::AlignRight | Qt::AlignTop);
}

// Mouse events with an explicit button state, as the window system delivers them.
void sendMouse(EffectLabel& label, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), label.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&label, &event);
}

TEST(EffectLabel, ButtonLetteringSinksWhilePressedInsideAndRisesOutside)
{
    EffectLabel label;
    label.setAsButton(true);
    const QPoint inside(10, 10);
    const QPoint outside(label.width() + 1, 10);

    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esSunken);
    sendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esRaised);
    sendMouse(label, QEvent::MouseMove, QPoint(label.width(), label.height()), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esSunken); // the edge counts as inside
    sendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esSunken); // not the left button alone
    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esRaised);

    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, QPoint(-1, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esSunken); // released outside: stays down
    EXPECT_TRUE(label.asButton());

    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esRaised);

    label.setAsButton(false); // a plain label ignores the mouse
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.effectStyle(), EffectStyle::esRaised);
}

} // namespace
} // namespace klaxora
