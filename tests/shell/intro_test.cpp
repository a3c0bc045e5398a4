#include "startupfixture.h"

#include "platform/media/virtualaudio.h"
#include "shell/Intro.h"

class IntroScreen : public CourseFixture {
protected:
    void SetUp() override { createWindows(); }
    platform::VirtualAudioDevice audio;
};

TEST_F(IntroScreen, ClosesAtTheTenthTickAndStopsTheSound)
{
    IntroFrm->show();
    ASSERT_TRUE(desktop.errors.empty());
    EXPECT_TRUE(IntroFrm->Timer1->enabled());
    EXPECT_EQ(IntroFrm->MediaPlayer1->mode(), platform::MediaPlayer::Mode::Playing);
    for (int tick = 1; tick < 10; ++tick) {
        audio.advance(1000);
        IntroFrm->Timer1Timer();
    }
    EXPECT_TRUE(IntroFrm->isVisible());
    IntroFrm->Timer1Timer();
    EXPECT_FALSE(IntroFrm->isVisible());
    EXPECT_FALSE(IntroFrm->Timer1->enabled());
    // Stopped, not closed.
    EXPECT_TRUE(IntroFrm->MediaPlayer1->isOpen());
    EXPECT_NE(IntroFrm->MediaPlayer1->mode(), platform::MediaPlayer::Mode::Playing);
}

TEST_F(IntroScreen, AClickClosesAtOnce)
{
    IntroFrm->show();
    audio.advance(1500);
    IntroFrm->Image1Click();
    EXPECT_FALSE(IntroFrm->isVisible());
    EXPECT_FALSE(IntroFrm->Timer1->enabled());
    EXPECT_EQ(IntroFrm->MediaPlayer1->mode(), platform::MediaPlayer::Mode::Stopped);
}

TEST_F(IntroScreen, WithoutItsSoundItStillClosesOnTime)
{
    course.remove("data/intro.wav");
    // The countdown waits for the box: the time it stays open is not counted.
    bool countingWhileBoxIsUp = true;
    desktop.whileBoxIsUp = [&] { countingWhileBoxIsUp = IntroFrm->Timer1->enabled(); };
    IntroFrm->show();
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_FALSE(countingWhileBoxIsUp);
    EXPECT_TRUE(IntroFrm->Timer1->enabled());
    for (int tick = 1; tick <= 10; ++tick)
        IntroFrm->Timer1Timer();
    EXPECT_FALSE(IntroFrm->isVisible());
    EXPECT_EQ(desktop.errors.size(), 1u);
}
