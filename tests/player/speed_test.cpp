// The listening speed in the player: the keys, the label, the tick on the
// same marks at other speeds, and normal speed whenever the learner records.
#include "playerfixture.h"

#include "platform/listeningspeed.h"
#include "platform/media/mediaplayer.h"

namespace playertest {
namespace {

namespace speed = platform::listeningspeed;

class Speed : public PlayerTest {
protected:
    Speed() { speed::setTenths(10); }
    ~Speed() override { speed::setTenths(10); }

    void press(const QList<int>& keys)
    {
        for (int key : keys)
            player().SpeedKeyPress(key);
    }
};

TEST_F(Speed, KeysStepByATenthWithinHalfToTwiceAndZeroIsNormal)
{
    struct Case {
        QList<int> keys;
        int tenths;
    };
    const Case cases[] = {
        {{Qt::Key_Minus}, 9},
        {{Qt::Key_Plus, Qt::Key_Equal}, 12},
        {QList<int>(8, Qt::Key_Minus), 5},
        {QList<int>(14, Qt::Key_Plus), 20},
        {{Qt::Key_Minus, Qt::Key_Minus, Qt::Key_0}, 10},
        {{Qt::Key_A, Qt::Key_1}, 10},
    };
    prepare(Mode::Listening, {"1000"});
    for (const Case& c : cases) {
        speed::setTenths(10);
        press(c.keys);
        EXPECT_EQ(speed::tenths(), c.tenths) << c.keys.size() << " keys";
        EXPECT_DOUBLE_EQ(player().MediaPlayer1->speed(), c.tenths / 10.0);
    }
}

TEST_F(Speed, TheLabelShowsTheSpeedForTwoSeconds)
{
    prepare(Mode::Listening, {"1000"});
    player().show();
    press({Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus});
    EXPECT_TRUE(player().SpeedLabel1->isVisible());
    EXPECT_EQ(player().SpeedLabel1->text(), "0.6x");
    const auto* shown = player().SpeedLabel1->findChild<QTimer*>();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isActive());
    EXPECT_EQ(shown->interval(), 2000);
    player().SpeedLabel1->expire();
    EXPECT_FALSE(player().SpeedLabel1->isVisible());
    player().hide();
}

// One phrase a tick, on the same marks, when the sound comes within two
// ticks (500 ms) of the mark as heard: 250 ms of the sound at half speed,
// 1000 ms at twice the speed.
TEST_F(Speed, TheTickFollowsTheSameMarksAtEverySpeed)
{
    const QStringList marks{"1000", "2000", "3000"};
    for (int tenths : {5, 10, 20}) {
        prepare(Mode::Listening, marks);
        player().userMarks.clear();
        speed::setTenths(tenths);
        player().m11Click();
        QList<int> advancedAt;
        for (int tick = 0; tick < 40 && player().Timer1->enabled(); ++tick) {
            const int phrase = player().currentPhrase;
            tickAfter(250);
            if (player().currentPhrase != phrase)
                advancedAt.append(player().MediaPlayer1->position());
        }
        // Each advance on the first tick past the mark less two ticks: a
        // tick is 250 ms of the clock, 250 x speed of the sound.
        const int step = 25 * tenths;
        ASSERT_EQ(advancedAt.size(), 3) << tenths;
        for (int k = 0; k < 3; ++k) {
            const int threshold = marks[k].toInt() - 2 * step;
            EXPECT_GT(advancedAt[k], threshold) << k << " at " << tenths;
            EXPECT_LE(advancedAt[k], threshold + step) << k << " at " << tenths;
        }
        EXPECT_EQ(player().userMarks.lines(), marks);
        EXPECT_EQ(page.highlighted(), QList<int>{1}) << "back to phrase 1 at the end";
    }
}

// The speed of one lesson is the next one's; the track bar seeks in the
// sound's own time.
TEST_F(Speed, TheSpeedIsKeptForTheNextLessonAndSeeksStayInTheSoundsTime)
{
    prepare(Mode::Listening, {"1000", "2000", "3000"});
    press({Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus});
    player().MediaPlayer1->close();
    player().MediaPlayer1->setSpeed(1.0); // as the workshop's own recording leaves it

    prepare(Mode::Listening, {"1000", "2000", "3000"});
    player().TrackBar1->setPosition(1);
    player().m11Click();
    EXPECT_EQ(player().MediaPlayer1->position(), 1000);
    audio.advance(500);
    EXPECT_EQ(player().MediaPlayer1->position(), 1300);
}

TEST_F(Speed, KeysDoNothingWhileRecording)
{
    for (Mode mode : {Mode::Recording, Mode::Accompanied, Mode::Free}) {
        prepare(mode, {"1000", "2000"});
        press({Qt::Key_Minus, Qt::Key_Minus});
        EXPECT_EQ(speed::tenths(), 10);
        EXPECT_FALSE(player().SpeedLabel1->isVisibleTo(&player()));
        player().m11Click();
        EXPECT_EQ(player().MediaPlayer2->speed(), 1.0);
        audio.advance(1000);
        EXPECT_EQ(player().MediaPlayer1->position(), 1000);
        if (mode == Mode::Accompanied) {
            EXPECT_EQ(player().MediaPlayer2->position(), 1000);
        }
        player().m33Click();
    }
}

} // namespace
} // namespace playertest
