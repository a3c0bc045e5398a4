#include "platform/error.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "platform/trackbar.h"

#include <QCoreApplication>
#include <QTimer>

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

namespace {

// A window whose show opens a box: its sound did not open.
class FailingShow : public platform::Form {
protected:
    void FormShow() override { throw platform::Error("Cannot open file intro.wav"); }
};

// Ends any loop still running when the event loop next gets control; a
// modal show that returned by itself never lets it fire.
class StuckLoopGuard {
public:
    StuckLoopGuard()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            stuck = true;
            QCoreApplication::exit();
        });
        m_timer.start(0);
    }
    bool stuck = false;

private:
    QTimer m_timer;
};

} // namespace

TEST(Form, AModalShowReturnsTheResultOfTheCloseThatEndsIt)
{
    platform::Form window;
    QTimer::singleShot(0, &window, [&] { static_cast<QDialog&>(window).done(3); });
    EXPECT_EQ(window.showModal(), 3);
    EXPECT_FALSE(window.isVisible());
}

TEST(Form, AWindowClosedWhileABoxOfItsShowIsUpEndsItsModalShowAtOnce)
{
    testsupport::FakeDesktop desktop;
    FailingShow window;
    // The window's ticks, run by the box's loop, close it.
    desktop.whileBoxIsUp = [&] { window.close(); };
    StuckLoopGuard guard;
    window.showModal();
    EXPECT_FALSE(guard.stuck);
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0].text, "Cannot open file intro.wav.");
}
