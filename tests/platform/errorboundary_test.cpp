#include "platform/application.h"
#include "platform/error.h"
#include "platform/picture.h"
#include "support/fakedesktop.h"

#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

TEST(ErrorBoundary, TheStandardBoxAppendsAFullStopAfterLettersOnly)
{
    EXPECT_EQ(platform::standardErrorText("No MCI device open"), "No MCI device open.");
    EXPECT_EQ(platform::standardErrorText("List index out of bounds (3)"), "List index out of bounds (3)");
    EXPECT_EQ(platform::standardErrorText("Done."), "Done.");
    EXPECT_EQ(platform::standardErrorText("'x' is not a valid integer value"), "'x' is not a valid integer value.");
    EXPECT_EQ(platform::standardErrorText("path /a/b-"), "path /a/b-");
}

TEST(ErrorBoundary, AnErrorInAnyHandlerIsShownAndTheProgramGoesOn)
{
    testsupport::FakeDesktop desktop;
    platform::Application::setTitle("English Steps");

    // A click handler.
    platform::Picture button;
    button.resize(10, 10);
    QObject::connect(&button, &platform::Picture::clicked, [] { throw platform::Error("Cannot open file x.wav"); });
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &release);

    // A timer tick, through the event loop.
    bool later = false;
    QTimer::singleShot(0, [] { throw platform::Error("List index out of bounds (7)"); });
    QTimer::singleShot(0, [&later] { later = true; });
    QCoreApplication::processEvents();

    ASSERT_EQ(desktop.errors.size(), 2u);
    EXPECT_EQ(desktop.errors[0], (testsupport::FakeDesktop::Shown{"English Steps", "Cannot open file x.wav."}));
    EXPECT_EQ(desktop.errors[1], (testsupport::FakeDesktop::Shown{"English Steps", "List index out of bounds (7)"}));
    EXPECT_TRUE(later);
    platform::Application::setTitle("course-player");
}
