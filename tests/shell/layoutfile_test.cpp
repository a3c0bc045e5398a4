// The layout file's numbers, however large (found by fuzzing: a rectangle
// of two such numbers overflowed, and a window millions of pixels wide took
// gigabytes for its pictures).

#include "shell/layoutfile.h"

#include <gtest/gtest.h>

TEST(LayoutFile, NumbersBeyondAnyScreenAreHeldToTheLimit)
{
    const LayoutFile layout(platform::StringList(
        QStringList{"2147483647", "-2147483648", "1880888888", "-20000", "974", "-8"}));
    EXPECT_EQ(layout.value(0), LayoutFile::maximumPixels);
    EXPECT_EQ(layout.value(1), -LayoutFile::maximumPixels);
    EXPECT_EQ(layout.value(4), 974);
    EXPECT_EQ(layout.value(5), -8);
    // width, height, top, left
    EXPECT_EQ(layout.rect(0), QRect(-LayoutFile::maximumPixels, LayoutFile::maximumPixels,
                                    LayoutFile::maximumPixels, -LayoutFile::maximumPixels));
    EXPECT_EQ(layout.rect(2), QRect(-8, 974, LayoutFile::maximumPixels, -LayoutFile::maximumPixels));
}
