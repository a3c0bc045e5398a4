#include "platform/error.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "platform/trackbar.h"

#include "support/fakedesktop.h"

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

namespace {

class FailingClose : public platform::Form {
protected:
    void FormClose() override { throw platform::Error("Cannot write file temp.wav"); }
};

} // namespace

TEST(Form, AWindowWhoseCloseHandlerFailsStillClosesAndShowsTheError)
{
    testsupport::FakeDesktop desktop;
    FailingClose window;
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0].text, "Cannot write file temp.wav.");
}
