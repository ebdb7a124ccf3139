// The program's style: the menu bar's overflow button gets a chevron drawn in code, pointing the way the
// hidden menus lie; every other standard picture is the base style's own.
#include "ui/program_style.h"

#include <QImage>
#include <QMenuBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

QImage picture(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Where the ink of one row lies on average, from the left edge.
double inkCentre(const QImage& picture, int y)
{
    double ink = 0;
    double moment = 0;
    for (int x = 0; x < picture.width(); ++x) {
        ink += qAlpha(picture.pixel(x, y));
        moment += x * qAlpha(picture.pixel(x, y));
    }
    return ink > 0 ? moment / ink : -1;
}

TEST(ProgramStyle, TheMenuBarsOverflowButtonShowsAChevronTowardsTheHiddenMenus)
{
    ProgramStyle style(QStringLiteral("Fusion"));
    QMenuBar bar;
    const QImage rightwards =
        picture(style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &bar));
    ASSERT_FALSE(rightwards.isNull());
    // The tips, in the middle row, lie further along than the ends of the arms.
    ASSERT_GE(inkCentre(rightwards, 5), 0);
    EXPECT_GT(inkCentre(rightwards, 8), inkCentre(rightwards, 5) + 1);

    bar.setLayoutDirection(Qt::RightToLeft);
    const QImage leftwards =
        picture(style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &bar));
    ASSERT_GE(inkCentre(leftwards, 5), 0);
    EXPECT_LT(inkCentre(leftwards, 8), inkCentre(leftwards, 5) - 1);
}

TEST(ProgramStyle, OtherStandardPicturesAreTheBaseStylesOwn)
{
    ProgramStyle style(QStringLiteral("Fusion"));
    const QIcon ours = style.standardIcon(QStyle::SP_MessageBoxWarning);
    const QIcon base = style.baseStyle()->standardIcon(QStyle::SP_MessageBoxWarning);
    EXPECT_EQ(ours.pixmap(32, 32).toImage(), base.pixmap(32, 32).toImage());
    EXPECT_FALSE(ours.isNull());

    // A style the user chose stays the base.
    EXPECT_EQ(ProgramStyle(QStringLiteral("Windows")).baseStyle()->name().toLower(),
              QStringLiteral("windows"));
}

} // namespace
} // namespace klaxora
