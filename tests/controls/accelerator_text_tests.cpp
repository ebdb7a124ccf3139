// Accelerator marks in captions, and the caption buffer.
#include "controls/accelerator_text.h"
#include "controls/caption_text.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

TEST(AcceleratorText, MarksAreResolvedAndRemembered)
{
    const AcceleratorText text = parseAcceleratorText(QStringLiteral("Save && E&xit &"));
    EXPECT_EQ(text.plain, QStringLiteral("Save & Exit &"));
    EXPECT_EQ(text.underlined, QList<int>{8});
}

TEST(AcceleratorText, AcceleratorIsTheCharacterAfterTheFirstAmpersand)
{
    EXPECT_TRUE(isAccelerator(QChar(u'c'), QStringLiteral("&Clone")));
    EXPECT_TRUE(isAccelerator(QChar(u'C'), QStringLiteral("&clone")));
    EXPECT_FALSE(isAccelerator(QChar(u'l'), QStringLiteral("&Clone")));
    EXPECT_FALSE(acceleratorOf(QStringLiteral("Clone")).has_value());
    EXPECT_FALSE(acceleratorOf(QStringLiteral("Clone&")).has_value());
    EXPECT_EQ(acceleratorOf(QStringLiteral("E&xit &Now")), QChar(u'x'));
}

TEST(CaptionBuffer, KeepsTheFirst258CharactersWithoutSplittingOne)
{
    const QString caption = QString(257, u'a') + QString::fromUcs4(U"\U0001F514") + QStringLiteral("tail");
    const QString buffer = captionBuffer(caption, false);
    EXPECT_EQ(buffer.size(), 259);
    EXPECT_TRUE(buffer.endsWith(QString::fromUcs4(U"\U0001F514")));
    EXPECT_EQ(captionBuffer(QStringLiteral("Add"), true), QStringLiteral("Add "));
}

} // namespace
} // namespace klaxora
