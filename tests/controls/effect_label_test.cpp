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

void expectColours(const TEffectLabel& label, const QColor& highlight, const QColor& shadow,
                   const QColor& text)
{
    EXPECT_EQ(label.colourHighlight(), highlight);
    EXPECT_EQ(label.colourShadow(), shadow);
    EXPECT_EQ(label.fontColour(), text);
}

void expectLayers(const TEffectLabel& label, TEffectDirection highlight, int highlightDepth,
                  TEffectDirection shadow, int shadowDepth)
{
    EXPECT_EQ(label.directionHighlight(), highlight);
    EXPECT_EQ(label.depthHighlight(), highlightDepth);
    EXPECT_EQ(label.directionShadow(), shadow);
    EXPECT_EQ(label.depthShadow(), shadowDepth);
}

// The layers' defaults and each preset's offsets are checked by rendering in effect_label_painting_test.
TEST(EffectLabel, NewLabelHasTheDefaults)
{
    TEffectLabel label;
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
    TEffectLabel label;
    label.setColourScheme(TColourScheme::csText);
    label.setColourShadow(red);
    EXPECT_EQ(label.colourScheme(), TColourScheme::csCustom);
    expectColours(label, clWhite, red, clBlack);

    label.setColourScheme(TColourScheme::csGold);
    label.setColourScheme(TColourScheme::csCustom);
    expectColours(label, clYellow, clBlack, clOlive);

    label.setColourHighlight(clTeal);
    label.setColourScheme(TColourScheme::csSteel);
    label.setColourScheme(TColourScheme::csCustom);
    expectColours(label, clAqua, clNavy, clTeal);
}

TEST(EffectLabel, StoredOrderShadowThenSchemeThenFontColourGivesTheSchemeWithTheFontColour)
{
    TEffectLabel label;
    label.setColourShadow(clGray);
    label.setColourScheme(TColourScheme::csText);
    label.setFontColour(clBlack);
    EXPECT_EQ(label.colourScheme(), TColourScheme::csText);
    expectColours(label, clWhite, clGray, clBlack);

    TEffectLabel reversed;
    reversed.setFontColour(red);
    reversed.setColourScheme(TColourScheme::csText);
    reversed.setColourShadow(red);
    EXPECT_EQ(reversed.colourScheme(), TColourScheme::csCustom);
    expectColours(reversed, clWhite, red, clBlack);
}

TEST(EffectLabel, LayerSettingsMakeTheStyleCustomWithTheSchemesHighlightAndNoButton)
{
    TEffectLabel label;
    label.setAsButton(true);
    label.setDirectionShadow(TEffectDirection::edDown);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esCustom);
    EXPECT_FALSE(label.asButton());
    expectLayers(label, TEffectDirection::edUpLeft, 1, TEffectDirection::edDown, 1);

    TEffectLabel flying;
    flying.setEffectStyle(TEffectStyle::esFlying);
    EXPECT_EQ(flying.colourHighlight(), clBlack);
    flying.setDepthHighlight(3);
    EXPECT_EQ(flying.effectStyle(), TEffectStyle::esCustom);
    EXPECT_EQ(flying.colourHighlight(), clWhite);
    EXPECT_EQ(flying.colourScheme(), TColourScheme::csWindows);
}

TEST(EffectLabel, OnlyRaisedAndSunkenKeepTheButtonAndCustomMovesNothing)
{
    for (const TEffectStyle style : {TEffectStyle::esSunken, TEffectStyle::esRaised, TEffectStyle::esShadow,
                                     TEffectStyle::esFlying, TEffectStyle::esNone}) {
        TEffectLabel label;
        label.setEffectStyle(TEffectStyle::esShadow);
        label.setAsButton(true); // raised
        label.setEffectStyle(style);
        EXPECT_EQ(label.effectStyle(), style);
        EXPECT_EQ(label.asButton(), style == TEffectStyle::esSunken || style == TEffectStyle::esRaised)
            << int(style);
    }

    TEffectLabel custom;
    custom.setDirectionHighlight(TEffectDirection::edLeft);
    custom.setEffectStyle(TEffectStyle::esCustom); // already custom: nothing moves
    expectLayers(custom, TEffectDirection::edLeft, 1, TEffectDirection::edDownRight, 1);

    // Flying draws its highlight layer in the scheme's shadow colour, and gives it back afterwards.
    TEffectLabel steel;
    steel.setColourScheme(TColourScheme::csSteel);
    steel.setEffectStyle(TEffectStyle::esFlying);
    expectColours(steel, clNavy, clNavy, clTeal);
    EXPECT_EQ(steel.colourScheme(), TColourScheme::csSteel);
    steel.setEffectStyle(TEffectStyle::esRaised);
    EXPECT_EQ(steel.colourHighlight(), clAqua);
}

TEST(EffectLabel, TurningTheTextLeftJustifiesItAndAngleZeroKeepsTheAlignment)
{
    TEffectLabel label;
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
void sendMouse(TEffectLabel& label, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), label.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&label, &event);
}

TEST(EffectLabel, ButtonLetteringSinksWhilePressedInsideAndRisesOutside)
{
    TEffectLabel label;
    label.setAsButton(true);
    const QPoint inside(10, 10);
    const QPoint outside(label.width() + 1, 10);

    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esSunken);
    sendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esRaised);
    sendMouse(label, QEvent::MouseMove, QPoint(label.width(), label.height()), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esSunken); // the edge counts as inside
    sendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esSunken); // not the left button alone
    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esRaised);

    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, QPoint(-1, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esSunken); // released outside: stays down
    EXPECT_TRUE(label.asButton());

    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esRaised);

    label.setAsButton(false); // a plain label ignores the mouse
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.effectStyle(), TEffectStyle::esRaised);
}

} // namespace
} // namespace klaxora
