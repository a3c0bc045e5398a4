// The listening speed in the workshop: the lesson sound (kind "2") follows
// the learner's speed, the learner's own recording (kind "4") never does.
#include "workshopfixture.h"

#include "platform/listeningspeed.h"
#include "tests/player/playerfixture.h"

namespace workshoptest {
namespace {

namespace speed = platform::listeningspeed;

class Speed : public WorkshopTest {
protected:
    Speed()
    {
        speed::setTenths(10);
        writePages();
        course.writeLines(QStringLiteral("data/marks/m.txt"), {"1000", "2000", "3000"});
        course.writeLines(QStringLiteral("data/umarks.txt"), {"700", "1400"});
        course.write(QStringLiteral("data/temp.wav"), playertest::waveFile(2000));
    }
    ~Speed() override { speed::setTenths(10); }
};

TEST_F(Speed, TheLessonSoundPlaysAtTheLearnersSpeedAndTheOwnRecordingAtNormal)
{
    addLesson(QStringLiteral("2"));
    addLesson(QStringLiteral("4"));
    run(0);
    workshop().SpeedKeyPress(Qt::Key_Plus);
    EXPECT_EQ(workshop().SpeedLabel1->text(), "1.1x");
    workshop().m11Click();
    workshop().SpeedKeyPress(Qt::Key_Equal); // while playing
    audio.advance(1000);
    EXPECT_EQ(workshop().MediaPlayer1->position(), 1200);
    EXPECT_EQ(speed::tenths(), 12);

    run(1);
    workshop().SpeedKeyPress(Qt::Key_Minus);
    EXPECT_EQ(speed::tenths(), 12) << "the keys do nothing on the learner's recording";
    workshop().m11Click();
    audio.advance(500);
    EXPECT_EQ(workshop().MediaPlayer1->position(), 500);

    run(0);
    workshop().m11Click();
    audio.advance(500);
    EXPECT_EQ(workshop().MediaPlayer1->position(), 600) << "the lesson sound again at the kept speed";
}

// Two ticks ahead as heard: at half speed a phrase is over 250 ms of the
// sound before its mark, not 500.
TEST_F(Speed, APhraseIsOverTwoTicksBeforeItsMarkAsHeard)
{
    open({"1000", "2000", "3000"});
    speed::setTenths(5);
    workshop().m11Click();
    tickAfter(1400); // 700 ms of the sound: 300 before the mark
    tickAfter(0);
    EXPECT_EQ(workshop().currentPhrase, 1);
    tickAfter(200); // 800 ms
    tickAfter(0);
    EXPECT_EQ(workshop().currentPhrase, 2);
}

} // namespace
} // namespace workshoptest
