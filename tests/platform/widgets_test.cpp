#include "platform/timer.h"
#include "platform/trackbar.h"

#include <gtest/gtest.h>

TEST(TrackBar, CodeChangesRaiseTheHandlerOnlyWhenThePositionChanges)
{
    platform::TrackBar bar;
    QList<int> seen;
    QObject::connect(&bar, &platform::TrackBar::changed, [&] { seen.append(bar.position()); });

    bar.setMax(4);
    bar.setPosition(3);
    bar.setPosition(3);
    bar.setPosition(9); // clamped to the maximum
    bar.setPosition(-2);
    EXPECT_EQ(seen, (QList<int>{3, 4, 0}));

    // A maximum below the minimum is ignored; the previous one stays.
    bar.setMax(-1);
    EXPECT_EQ(bar.max(), 4);
    bar.setMax(0);
    EXPECT_EQ(bar.max(), 0);
}

TEST(Timer, EnablingARunningTimerKeepsItAndDisablingStopsIt)
{
    platform::Timer timer(250);
    EXPECT_FALSE(timer.enabled());
    timer.setEnabled(true);
    timer.setEnabled(true);
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 250);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.enabled());
}
