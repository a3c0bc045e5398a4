// Play, Pause / Continue and Stop as sequences of presses and ticks, the
// track bar's choice of phrase, the page not ready, help and hover.
#include "playerfixture.h"

#include "platform/application.h"
#include "platform/error.h"
#include "platform/media/mediaplayer.h"
#include "shell/Main.h"

namespace playertest {
namespace {

using Media = platform::MediaPlayer::Mode;
constexpr int any = -1;

struct ControlCase {
    const char* name;
    Mode mode;
    // "play" m11, "pause" m22, "stop" m33; "t" 250 ms and a tick; "w" 250 ms
    // without a tick.
    const char* presses;
    bool running;
    int paused;
    const char* pauseHint;
    Media player1;
    int currentPhrase;
    int positionMs;
    // The device positions, or `any`.
    int player1At = any;
    bool trackBarEnabled = false;
    int recordingSaved = 0;
    Media player2 = Media::NotOpen;
    int player2At = any;
};

const ControlCase controlCases[] = {
    {"PlayStartsAtPhraseStart", Mode::Listening, "play", true, 0, "Pause", Media::Playing, 1, 0, 0},
    {"PlayWhilePlayingDoesNothing", Mode::Listening, "play t t play", true, 0, "Pause", Media::Playing, 1, 500, 500},
    {"PausePausesTheSound", Mode::Listening, "play t t pause", false, 1, "Continue", Media::Paused, 1, 500, 500},
    {"ContinueReplaysPhraseTwoFromItsStart", Mode::Listening, "play t t t pause pause", true, 0, "Pause", Media::Playing, 2, 1000, 1000},
    {"ContinueOnPhraseOneReplaysFromZero", Mode::Listening, "play t pause pause", true, 0, "Pause", Media::Playing, 1, 0, 0},
    {"PlayWhilePausedStartsAtPhraseStart", Mode::Listening, "play t t t pause play", true, 0, "Pause", Media::Playing, 2, 750, 1000},
    {"StopGoesBackToPhraseOne", Mode::Listening, "play t t t stop", false, 0, "Pause", Media::Stopped, 1, 0, 750, true},
    // Stop while paused moves the track bar with the tick off: its handler
    // runs for phrase 1 and seeks to the end of phrase 1.
    {"StopWhilePausedKeepsContinue", Mode::Listening, "play t t t pause stop", false, 1, "Continue", Media::Stopped, 1, 1000, 1000, true},
    {"PlayAfterPauseAndStopStartsAtZero", Mode::Listening, "play t t t pause stop play", true, 0, "Pause", Media::Playing, 1, 1000, 0},

    {"StartRecordRecords", Mode::Recording, "play", true, 0, "Pause", Media::Recording, 1, 0},
    {"StartRecordWhileRecordingDoesNothing", Mode::Recording, "play t t play", true, 0, "Pause", Media::Recording, 1, 500},
    {"PauseStopsOnlyTheClock", Mode::Recording, "play t t pause w w", false, 1, "Continue", Media::Recording, 1, 500},
    {"ContinueKeepsTheClock", Mode::Recording, "play t t pause w w pause", true, 0, "Pause", Media::Recording, 1, 500},
    {"StartRecordRefusedWhilePaused", Mode::Recording, "pause play", false, 1, "Continue", Media::Stopped, 1, 0},
    {"StopWhilePausedNeitherStopsNorSaves", Mode::Recording, "play t pause stop", false, 1, "Continue", Media::Recording, 1, 0},
    // Stop moves the track bar from phrase 2 back to 0 with the tick off;
    // the recording goes on through it and through Continue.
    {"StopWhilePausedOnPhraseTwoKeepsRecording", Mode::Recording, "play t t t pause stop", false, 1, "Continue", Media::Recording, 1, 1000},
    {"ContinueAfterStopWhilePausedRecords", Mode::Recording, "play t t t pause stop pause", true, 0, "Pause", Media::Recording, 1, 1000},
    {"StopRecordStopsAndSaves", Mode::Recording, "play t t t stop", false, 0, "Pause", Media::Stopped, 1, 0, any, false, 1},
    {"StartRecordAfterSavedStartsAfresh", Mode::Recording, "play t t t stop play", true, 0, "Pause", Media::Recording, 1, 0, 0, false, 0},

    {"AccompaniedStartPlaysTheLessonSound", Mode::Accompanied, "play", true, 0, "Pause", Media::Recording, 1, 0, any, false, 0, Media::Playing, 0},
    {"AccompaniedPausePausesTheLessonSound", Mode::Accompanied, "play t t t pause", false, 1, "Continue", Media::Recording, 2, 750, any, false, 0, Media::Paused, 750},
    {"AccompaniedContinueReplaysThePhrase", Mode::Accompanied, "play t t t pause pause", true, 0, "Pause", Media::Recording, 2, 750, any, false, 0, Media::Playing, 1000},
    {"AccompaniedContinueAfterStopWhilePausedRecords", Mode::Accompanied, "play t t t pause stop pause", true, 0, "Pause", Media::Recording, 1, 1000, any, false, 0, Media::Playing, 0},
    {"AccompaniedStopStopsBoth", Mode::Accompanied, "play t t t stop", false, 0, "Pause", Media::Stopped, 1, 0, any, false, 1, Media::Stopped, 750},
};

class ControlTest : public PlayerTest, public ::testing::WithParamInterface<ControlCase> {
protected:
    void press(const QString& presses)
    {
        for (const QString& p : presses.split(u' ')) {
            if (p == u"play")
                player().m11Click();
            else if (p == u"pause")
                player().m22Click();
            else if (p == u"stop")
                player().m33Click();
            else if (p == u"t")
                tickAfter(250);
            else
                audio.advance(250);
        }
    }
};

TEST_P(ControlTest, LeavesThePlayerInItsState)
{
    const ControlCase& c = GetParam();
    prepare(c.mode, {"1000", "2000", "3000"});
    press(QString::fromLatin1(c.presses));

    EXPECT_EQ(player().Timer1->enabled(), c.running);
    EXPECT_EQ(player().paused, c.paused);
    EXPECT_EQ(player().m22->hint(), c.pauseHint);
    EXPECT_EQ(player().MediaPlayer1->mode(), c.player1);
    EXPECT_EQ(player().currentPhrase, c.currentPhrase);
    EXPECT_EQ(player().positionMs, c.positionMs);
    if (c.player1At != any) {
        EXPECT_EQ(player().MediaPlayer1->position(), c.player1At);
    }
    EXPECT_EQ(player().TrackBar1->isEnabled(), c.trackBarEnabled);
    EXPECT_EQ(player().recordingSaved, c.recordingSaved);
    EXPECT_EQ(player().MediaPlayer2->mode(), c.player2);
    if (c.player2At != any) {
        EXPECT_EQ(player().MediaPlayer2->position(), c.player2At);
    }
    // Stopped with the tick off always shows phrase 1.
    if (!c.running && c.currentPhrase == 1) {
        EXPECT_EQ(page.highlighted(), QList<int>{1});
    }
    EXPECT_TRUE(desktop.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Player, ControlTest, ::testing::ValuesIn(controlCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Controls = PlayerTest;

TEST_F(Controls, StartRecordAfterSavedRecordsIntoAFreshTemplateCopy)
{
    prepare(Mode::Recording, {"1000", "2000", "3000"});
    audio.setInputSignal([](int, double) { return 0.5f; });
    player().m11Click();
    tickAfter(250);
    tickAfter(250);
    tickAfter(250);
    player().m33Click();
    ASSERT_NEAR(readWave(course.read("data/temp.wav")).frames, 11025 * 3 / 4, 2);
    player().userMarks.append(QStringLiteral("stale"));

    player().m11Click();
    EXPECT_TRUE(player().userMarks.isEmpty());
    EXPECT_EQ(course.read("data/temp.wav"), course.read("data/empty.wav"));
}

TEST_F(Controls, PageNotReadyIsReportedThenTheFirstTickStops)
{
    platform::Application::setTitle(QStringLiteral("Course"));
    for (Mode mode : {Mode::Listening, Mode::Recording}) {
        SCOPED_TRACE(int(mode));
        desktop.messages.clear();
        prepare(mode, {"1000", "2000"});
        player().pageDocument = platform::Variant();
        player().Timer1->setEnabled(false);
        player().m11Click();
        // Playback or recording starts anyway.
        EXPECT_TRUE(player().Timer1->enabled());
        EXPECT_NE(player().MediaPlayer1->mode(), Media::Stopped);
        tickAfter(250);
        EXPECT_FALSE(player().Timer1->enabled());
        ASSERT_EQ(desktop.messages.size(), 2u);
        EXPECT_EQ(desktop.messages[0], (testsupport::FakeDesktop::Shown{"Course", "Ошибка инициализации документа."}));
        EXPECT_EQ(desktop.messages[1].title, "Error!");
    }
}

TEST_F(Controls, TrackBarChoosesAPhraseAndSeeksToItsEnd)
{
    page = FakePage(3);
    prepare(Mode::Listening, {"1000", "2000", "3000"});
    page.clearLog();

    player().TrackBar1->setPosition(1);
    EXPECT_EQ(player().currentPhrase, 2);
    EXPECT_EQ(player().lastSelectedPhrase, 2);
    EXPECT_EQ(player().positionMs, 2000);
    EXPECT_EQ(player().MediaPlayer1->position(), 2000);
    EXPECT_EQ(page.log(), QStringList({"t1=text", "t3=text", "t1=text", "a2", "t2=instext"}));
    EXPECT_EQ(page.highlighted(), QList<int>{2});
}

TEST_F(Controls, TrackBarEndsTouchNoPhraseBeyond)
{
    // The page has exactly the three phrases: touching t0 or t4 would fail.
    page = FakePage(3);
    prepare(Mode::Listening, {"1000", "2000", "3000"});
    page.clearLog();
    player().TrackBar1->setPosition(2);
    EXPECT_EQ(page.log(), QStringList({"t2=text", "t1=text", "a3", "t3=instext"}));
    page.clearLog();
    player().TrackBar1->setPosition(0);
    EXPECT_EQ(page.log(), QStringList({"t2=text", "t3=text", "a1", "t1=instext"}));
    EXPECT_EQ(player().MediaPlayer1->position(), 1000);
    EXPECT_EQ(page.highlighted(), QList<int>{1});
}

TEST_F(Controls, TrackBarIgnoredWhileRunningOrInFreeRecording)
{
    prepare(Mode::Listening, {"1000", "2000", "3000"});
    page.clearLog();
    player().Timer1->setEnabled(true);
    player().TrackBar1->setPosition(2);
    player().Timer1->setEnabled(false);
    player().freeRecording = true;
    player().TrackBar1->setPosition(1);
    EXPECT_EQ(player().currentPhrase, 1);
    EXPECT_TRUE(page.log().isEmpty());
}

TEST_F(Controls, TrackBarErrorsReachTheCaller)
{
    prepare(Mode::Listening, {"1000", "x"});
    EXPECT_THROW(player().TrackBar1->setPosition(1), platform::Error);
}

TEST_F(Controls, HelpOpensTheKindsHelpPage)
{
    MainFrm->lessonKinds = platform::StringList({"5", "11"});
    MainFrm->TreeView1->addNode(nullptr, QStringLiteral("a"));
    MainFrm->TreeView1->selectNode(MainFrm->TreeView1->addNode(nullptr, QStringLiteral("b")));
    player().m44Click();
    EXPECT_EQ(desktop.opened, QStringList{MainFrm->courseRoot + "\\help\\help_11.htm"});
}

TEST_F(Controls, HoverShowsOneButtonsPicture)
{
    emit player().m33->mouseMoved();
    const QList<platform::Picture*> hover = player().hoverPictures();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(hover[i]->isHidden(), i != 2) << i;
    emit player().Image4->mouseMoved();
    for (platform::Picture* picture : hover)
        EXPECT_TRUE(picture->isHidden());
}

} // namespace
} // namespace playertest
