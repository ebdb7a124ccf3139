// The About window: its layout as stored, the lettering order of its labels, and how it closes.
#include "controls/bevel_panel.h"
#include "controls/effect_label.h"
#include "controls/flat_button.h"
#include "support/modal_answer.h"
#include "support/named_child.h"
#include "ui/about_window.h"

#include <QAccessible>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

TEST(SplashForm, LayoutAsStored)
{
    AboutWindow about;
    EXPECT_EQ(about.size(), QSize(385, 242));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(about.font().pixelSize(), 11);

    // The panel's single line, outer bevel, 5-pixel border and inner bevel leave 369 pixels for the name.
    EXPECT_EQ(testing::namedChild<BevelPanel>(about, "framePanel")->geometry(), about.rect());
    EXPECT_EQ(testing::namedChild<EffectLabel>(about, "nameLabel")->geometry(), QRect(8, 8, 369, 69));
    EXPECT_EQ(testing::namedChild<EffectLabel>(about, "platformLabel")->geometry(), QRect(221, 84, 95, 25));
    EXPECT_EQ(testing::namedChild<EffectLabel>(about, "versionLabel")->geometry(), QRect(135, 120, 112, 22));
    EXPECT_EQ(testing::namedChild<QLabel>(about, "editionLabel")->geometry(), QRect(106, 141, 163, 14));
    EXPECT_EQ(testing::namedChild<FlatButton>(about, "okButton")->geometry(), QRect(283, 193, 81, 33));

    EXPECT_EQ(testing::namedChild<EffectLabel>(about, "nameLabel")->font().pixelSize(), 64);
    EXPECT_TRUE(testing::namedChild<EffectLabel>(about, "nameLabel")->font().bold() &&
                testing::namedChild<EffectLabel>(about, "nameLabel")->font().italic());
}

TEST(SplashForm, NameIsRaisedBlackOnGreyAndVersionIsFlat)
{
    AboutWindow about;
    // Shadow colour before the scheme, font colour after both: the grey shadow and black text stay.
    for (const EffectLabel* raised : {testing::namedChild<EffectLabel>(about, "nameLabel"),
                                      testing::namedChild<EffectLabel>(about, "platformLabel")}) {
        EXPECT_EQ(raised->colourScheme(), ColourScheme::csText);
        EXPECT_EQ(raised->colourShadow(), QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(raised->fontColour(), QColor(Qt::black));
    }
    EXPECT_EQ(testing::namedChild<EffectLabel>(about, "versionLabel")->depthShadow(), 0);

    // Drawn: the name has white up-left and grey down-right of its black lettering.
    about.show();
    const QImage name = testing::namedChild<EffectLabel>(about, "nameLabel")->grab().toImage();
    bool white = false;
    bool grey = false;
    bool black = false;
    for (int y = 0; y < name.height(); ++y) {
        for (int x = 0; x < name.width(); ++x) {
            const QRgb pixel = name.pixel(x, y) & 0xFFFFFF;
            white = white || pixel == 0xFFFFFF;
            grey = grey || pixel == 0x808080;
            black = black || pixel == 0x000000;
        }
    }
    EXPECT_TRUE(white && grey && black);
}

TEST(SplashForm, ScreenReadersReadTheLetteringAndTheVersion)
{
    AboutWindow about;
    const std::pair<QWidget*, const char*> lettering[] = {
        {testing::namedChild<EffectLabel>(about, "nameLabel"), "Klaxora!"},
        {testing::namedChild<EffectLabel>(about, "versionLabel"), "Version 1.9a"}};
    for (const auto& [label, text] : lettering) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->role(), QAccessible::StaticText);
        EXPECT_EQ(read->text(QAccessible::Name), QString::fromLatin1(text));
    }
}

TEST(SplashForm, ShowsCentredWithOkHiddenUntilTheCallerShowsIt)
{
    AboutWindow about;
    about.show();
    EXPECT_TRUE(testing::namedChild<QLabel>(about, "editionLabel")->isVisible());
    EXPECT_FALSE(testing::namedChild<FlatButton>(about, "okButton")->isVisible());
    const QRect screen = about.screen()->geometry();
    EXPECT_NEAR(about.x(), (screen.width() - 385) / 2, 1);
    EXPECT_NEAR(about.y(), (screen.height() - 242) / 2, 1);
}

TEST(SplashForm, OkOrEnterClosesButEscapeDoesNot)
{
    {
        AboutWindow about;
        about.showOkButton();
        test::answerNextModal([](QWidget* modal) {
            auto* window = qobject_cast<AboutWindow*>(modal);
            ASSERT_NE(window, nullptr);
            QTest::mouseClick(testing::namedChild<FlatButton>(*window, "okButton"), Qt::LeftButton);
        });
        EXPECT_EQ(about.exec(), QDialog::Accepted);
    }
    {
        AboutWindow about;
        about.showOkButton();
        bool stillOpenAfterEscape = false;
        test::answerNextModal([&stillOpenAfterEscape](QWidget* modal) {
            QTest::keyClick(modal, Qt::Key_Escape);
            stillOpenAfterEscape = modal->isVisible();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        EXPECT_EQ(about.exec(), QDialog::Accepted);
        EXPECT_TRUE(stillOpenAfterEscape);
    }
}

} // namespace
} // namespace klaxora
