// The playback tick: which phrase is highlighted, counted and collected
// after a run of ticks at the positions the device reports (listening) or on
// the 250 ms recording clock.
#include "playerfixture.h"

#include "platform/media/mediaplayer.h"

namespace playertest {
namespace {

using Media = platform::MediaPlayer::Mode;

struct TickCase {
    const char* name;
    Mode mode;
    QStringList marks;
    // Listening: the sound position at each tick; recording: one entry per
    // tick, the clock adds 250 ms whatever the value.
    QList<int> positions;
    QList<int> highlighted;
    int currentPhrase;
    int trackBar;
    QStringList userMarks;
    bool running;
    QString error = {};
    int soundMs = 10000;
};

const QStringList threeMarks{"1000", "2000", "3000"};

const TickCase tickCases[] = {
    {"NoAdvanceWhileMoreThan500msBeforeTheMark", Mode::Listening, threeMarks, {0, 250, 500}, {1}, 1, 0, {}, true},
    {"CounterAdvancesFirstHighlightFollowsNextTick", Mode::Listening, threeMarks, {501}, {1}, 2, 1, {"1000"}, true},
    {"HighlightMovesOnTheTickAfter", Mode::Listening, threeMarks, {501, 751}, {2}, 2, 1, {"1000"}, true},
    {"JumpPastSeveralMarksIsFollowedOnePerTick", Mode::Listening, threeMarks, {2600, 2600}, {2}, 3, 2, {"1000", "2000"}, true},
    {"LastMarkPassedEndsPlaybackOnPhraseOne", Mode::Listening, threeMarks, {2600, 2600, 2600}, {1}, 1, 0, {"1000", "2000", "3000"}, false},
    {"SoundEndingBeforeLastMarkStaysOnLastPhrase", Mode::Listening, threeMarks, {1800, 2500, 5000, 6000}, {3}, 3, 2, {"1000", "2000"}, true, {}, 2000},
    {"OneMarkEndsAtTheFirstPassingTick", Mode::Listening, {"1000"}, {600}, {1}, 1, 0, {"1000"}, false},
    {"NoMarksFailsAtTheFirstTick", Mode::Listening, {}, {0}, {1}, 1, 0, {}, false, "List index out of bounds (0)"},
    {"BadMarkFailsWhenReachedAndKeepsTheHighlight", Mode::Listening, {"1000", "2x"}, {600, 700}, {2}, 2, 1, {"1000"}, false, "'2x' is not a valid integer value"},
    {"RecordingFirstMarkBelow750PassesAtFirstTick", Mode::Recording, {"700", "2000"}, {0}, {1}, 2, 1, {"700"}, true},
    {"RecordingFirstMarkAt750WaitsOneTick", Mode::Recording, {"750", "2000"}, {0}, {1}, 1, 0, {}, true},
    {"RecordingClockPassesEveryMarkToTheEnd", Mode::Recording, {"700", "900"}, {0, 0}, {1}, 1, 0, {"700", "900"}, false},
};

class TickTest : public PlayerTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickTest, FollowsTheMarks)
{
    const TickCase& c = GetParam();
    prepare(c.mode, c.marks, c.soundMs);
    if (c.mode == Mode::Listening)
        player().MediaPlayer1->play();
    else
        player().MediaPlayer1->startRecording();
    player().Timer1->setEnabled(true);
    bool runningWhileBoxIsUp = false;
    desktop.whileBoxIsUp = [&] { runningWhileBoxIsUp = player().Timer1->enabled(); };
    int at = 0;
    for (int position : c.positions) {
        tickAfter(std::max(position - at, 0));
        at = std::max(position, at);
    }

    EXPECT_EQ(page.highlighted(), c.highlighted);
    EXPECT_EQ(player().currentPhrase, c.currentPhrase);
    EXPECT_EQ(player().TrackBar1->position(), c.trackBar);
    EXPECT_EQ(player().userMarks.lines(), c.userMarks);
    EXPECT_EQ(player().Timer1->enabled(), c.running);
    if (c.error.isEmpty()) {
        EXPECT_TRUE(desktop.messages.empty());
    } else {
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0], (testsupport::FakeDesktop::Shown{"Error!", c.error, true}));
        // The tick was off while its box was up.
        EXPECT_FALSE(runningWhileBoxIsUp);
        // Only the tick stops: the sound plays on.
        EXPECT_EQ(player().MediaPlayer1->mode(), Media::Playing);
    }
}

INSTANTIATE_TEST_SUITE_P(Player, TickTest, ::testing::ValuesIn(tickCases),
                         [](const auto& info) { return std::string(info.param.name); });

using EndOfPlayback = PlayerTest;

TEST_F(EndOfPlayback, ListeningStopsTheSoundAndFreesTheTrackBar)
{
    prepare(Mode::Listening, {"1000", "2000"});
    player().MediaPlayer1->play();
    player().TrackBar1->setEnabled(false);
    player().Timer1->setEnabled(true);
    tickAfter(1600);
    tickAfter(0);

    EXPECT_EQ(player().MediaPlayer1->mode(), Media::Stopped);
    EXPECT_TRUE(player().TrackBar1->isEnabled());
    EXPECT_EQ(player().positionMs, 0);
    EXPECT_EQ(player().recordingSaved, 0);
    // The track bar went back to 0 while the tick ran, so its handler left
    // the sound where it stopped.
    EXPECT_EQ(player().MediaPlayer1->position(), 1600);
    EXPECT_EQ(page.log().back(), "t1=instext");
}

TEST_F(EndOfPlayback, AccompaniedRecordingSavesAndStopsBothPlayers)
{
    prepare(Mode::Accompanied, {"700"});
    player().MediaPlayer1->startRecording();
    player().MediaPlayer2->play();
    player().Timer1->setEnabled(true);
    player().Timer2->setEnabled(true);
    tickAfter(250);

    EXPECT_FALSE(player().Timer1->enabled());
    EXPECT_FALSE(player().Timer2->enabled());
    EXPECT_FALSE(player().TrackBar1->isEnabled());
    EXPECT_EQ(player().recordingSaved, 1);
    EXPECT_EQ(player().MediaPlayer1->mode(), Media::Stopped);
    EXPECT_EQ(player().MediaPlayer2->mode(), Media::Stopped);
    EXPECT_NEAR(readWave(course.read("data/temp.wav")).frames, 11025 / 4, 2);
}

TEST_F(EndOfPlayback, FreeRecordingTickDoesNothing)
{
    prepare(Mode::Free, {});
    player().MediaPlayer1->startRecording();
    player().Timer1->setEnabled(true);
    page.clearLog();
    tickAfter(250);
    EXPECT_TRUE(page.log().isEmpty());
    EXPECT_EQ(player().positionMs, 0);
}

} // namespace
} // namespace playertest
