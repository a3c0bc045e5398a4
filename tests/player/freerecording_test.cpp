// Free recording: the allowance gauge, Stop record with the save dialog,
// and the allowance running out.
#include "playerfixture.h"

#include "platform/error.h"
#include "platform/media/mediaplayer.h"
#include "shell/Main.h"

#include <QDir>

namespace playertest {
namespace {

using Media = platform::MediaPlayer::Mode;

class FreeRecording : public PlayerTest {
protected:
    FreeRecording()
    {
        prepare(Mode::Free, {});
        audio.setInputSignal([](int, double) { return 0.5f; });
        player().m11Click();
    }
    void countDown(int ticks)
    {
        for (int i = 0; i < ticks; ++i) {
            audio.advance(100);
            player().Timer2Timer();
        }
    }
    QString kept(const QString& name) const { return course.root() + u'/' + name; }
};

TEST_F(FreeRecording, StopRecordOffersTheCopyAgainWithTheLastName)
{
    ASSERT_EQ(player().MediaPlayer1->mode(), Media::Recording);
    countDown(10);
    EXPECT_EQ(player().TrackBar1->position(), 1);

    desktop.saveAnswers = {kept("mine.wav")};
    player().m33Click();
    EXPECT_EQ(player().MediaPlayer1->mode(), Media::Stopped);
    EXPECT_EQ(player().recordingSaved, 1);
    EXPECT_FALSE(player().Timer2->enabled());
    const QByteArray recording = course.read("data/temp.wav");
    EXPECT_NEAR(readWave(recording).frames, 11025, 2);
    EXPECT_GT(readWave(recording).peak, 0);
    EXPECT_EQ(course.read("mine.wav"), recording);
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].defaultExt, ".wav");
    EXPECT_EQ(desktop.saveRequests[0].filter, "WAV FILE|*.wav");

    // Timer1 stays on: Start record is refused for the rest of the run, and
    // Stop record saves and asks again with the name chosen before.
    EXPECT_TRUE(player().Timer1->enabled());
    player().m11Click();
    EXPECT_EQ(player().MediaPlayer1->mode(), Media::Stopped);
    player().m33Click();
    ASSERT_EQ(desktop.saveRequests.size(), 2u);
    EXPECT_EQ(desktop.saveRequests[1].fileName, kept("mine.wav"));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(FreeRecording, CancelledDialogCopiesNothing)
{
    countDown(5);
    desktop.saveAnswers = {std::nullopt};
    player().m33Click();
    EXPECT_EQ(player().recordingSaved, 1);
    EXPECT_EQ(QDir(course.root()).entryList(QDir::Files), QStringList());
    EXPECT_NEAR(readWave(course.read("data/temp.wav")).frames, 11025 / 2, 2);
}

TEST_F(FreeRecording, AllowanceUsedUpEndsTheRecordingAsStopRecord)
{
    desktop.saveAnswers = {kept("mine.wav")};
    countDown(29);
    EXPECT_EQ(player().MediaPlayer1->mode(), Media::Recording);
    EXPECT_TRUE(desktop.saveRequests.empty());

    countDown(1);
    EXPECT_EQ(player().TrackBar1->position(), 3);
    EXPECT_EQ(player().MediaPlayer1->mode(), Media::Stopped);
    EXPECT_FALSE(player().Timer2->enabled());
    EXPECT_EQ(player().recordingSaved, 1);
    EXPECT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_NEAR(readWave(course.read("mine.wav")).frames, 3 * 11025, 2);
}

TEST_F(FreeRecording, FailedCopyIsReported)
{
    desktop.saveAnswers = {kept("no-such-folder/mine.wav")};
    EXPECT_THROW(player().m33Click(), platform::Error);
    EXPECT_EQ(player().recordingSaved, 1);
    EXPECT_EQ(player().MediaPlayer1->mode(), Media::Stopped);
}

TEST_F(PlayerTest, GaugeTickDoesNothingOutsideFreeRecording)
{
    prepare(Mode::Recording, {"1000", "2000"});
    player().timeLeft = 5;
    player().Timer2Timer();
    EXPECT_EQ(player().timeLeft, 5);
    EXPECT_EQ(player().TrackBar1->position(), 0);
}

} // namespace
} // namespace playertest
