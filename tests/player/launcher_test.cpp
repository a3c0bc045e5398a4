// The launcher's reset and the player's four lesson kinds, run from the main
// window's tree; the modal show is answered by the test.
#include "playerfixture.h"

#include "choicetest/Multi.h"
#include "launcher/launcher.h"
#include "platform/error.h"
#include "platform/form.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

#include <QCoreApplication>

#include <functional>

namespace playertest {
namespace {

const QByteArray lessonPage =
    "<html><body><p>"
    "<a id=\"a1\" href=\"#t1\"></a><span id=\"t1\" class=\"text\">One.</span> "
    "<a id=\"a2\" href=\"#t2\"></a><span id=\"t2\" class=\"comm\">Two.</span> "
    "<a id=\"a3\" href=\"#t3\"></a><span id=\"t3\" class=\"text\">Three.</span>"
    "</p></body></html>";

// What the player holds when the launcher shows it.
struct Shown {
    QString caption, playHint, pauseHint, stopHint;
    int trackMax = 0;
    bool trackEnabled = false;
    int recordingMode = 0, modelPlayerInUse = 0;
    bool freeRecording = false;
    double timeLeft = 0;
    QString file1;
    bool open1 = false, open2 = false;
    QString file2;
    QStringList marks, userMarks;
    QString page;
    // Phrase 1, stopped, not paused, nothing saved, page not yet highlighted.
    bool startState = false;
};

Shown snapshot(TViewTxtFrm& p)
{
    Shown s;
    s.caption = p.caption();
    s.playHint = p.m11->hint();
    s.pauseHint = p.m22->hint();
    s.stopHint = p.m33->hint();
    s.trackMax = p.TrackBar1->max();
    s.trackEnabled = p.TrackBar1->isEnabled();
    s.recordingMode = p.recordingMode;
    s.modelPlayerInUse = p.modelPlayerInUse;
    s.freeRecording = p.freeRecording;
    s.timeLeft = p.timeLeft;
    s.file1 = p.MediaPlayer1->fileName();
    s.open1 = p.MediaPlayer1->isOpen();
    s.open2 = p.MediaPlayer2->isOpen();
    s.file2 = p.MediaPlayer2->fileName();
    s.marks = p.marks.lines();
    s.userMarks = p.userMarks.lines();
    s.page = p.CppWebBrowser1->LocationURL();
    s.startState = p.currentPhrase == 1 && p.lastSelectedPhrase == 1 && p.positionMs == 0 && p.paused == 0
                   && p.recordingSaved == 0 && !p.pageHighlighted && !p.Timer1->enabled()
                   && p.TrackBar1->position() == 0;
    return s;
}

class Launcher : public PlayerTest {
protected:
    Launcher()
    {
        course.write(QStringLiteral("data/text/page.htm"), lessonPage);
        course.writeLines(QStringLiteral("data/marks/m.txt"), {"700", "1400", "5000"});
        course.write(QStringLiteral("data/sound/lesson.wav"), waveFile(10000));
        m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
            ++shows;
            EXPECT_EQ(&window, ViewTxtFrm);
            if (whileShown)
                whileShown();
            return 0;
        });
    }
    ~Launcher() override { platform::Form::installModalHook(m_previousHook); }

    void addLesson(const QString& kind, const QString& title, const QString& timeLimit = QStringLiteral("0"))
    {
        MainFrm->lessonKinds.append(kind);
        MainFrm->windowTitles.append(title);
        MainFrm->textNames.append(QStringLiteral("page.htm"));
        MainFrm->marksNames.append(QStringLiteral("m.txt"));
        MainFrm->soundNames.append(QStringLiteral("lesson.wav"));
        MainFrm->timeLimits.append(timeLimit);
        MainFrm->TreeView1->addNode(nullptr, title);
    }
    void run(int lesson)
    {
        MainFrm->TreeView1->selectNode(MainFrm->TreeView1->node(lesson));
        runSelectedLesson();
    }
    // Runs the events until the page has loaded into the player.
    void loadPage()
    {
        for (int i = 0; i < 50 && player().pageDocument.isEmpty(); ++i)
            QCoreApplication::processEvents();
        ASSERT_FALSE(player().pageDocument.isEmpty());
    }
    QString phraseClass(int n)
    {
        return player().pageDocument.get("all").get("t" + QString::number(n)).get("className").toText();
    }
    void closeByExit()
    {
        player().show();
        player().m55Click();
    }

    int shows = 0;
    std::function<void()> whileShown;

private:
    platform::Form::ModalHook m_previousHook;
};

struct KindCase {
    const char* kind;
    const char* playHint;
    const char* stopHint;
    int trackMax;
    bool trackEnabled;
    int recordingMode;
    int modelPlayerInUse;
    bool freeRecording;
    double timeLeft;
    const char* file1;
    bool open2;
    QStringList marks;
    QStringList userMarks;
};

class LauncherKinds : public Launcher, public ::testing::WithParamInterface<KindCase> {};

TEST_P(LauncherKinds, PreparesThePlayer)
{
    const QString root = MainFrm->courseRoot;
    const QString sound = root + "\\data\\sound\\lesson.wav";
    addLesson(GetParam().kind, QStringLiteral("Lesson"), QStringLiteral("30"));
    // What an earlier lesson left behind.
    TViewTxtFrm& p = player();
    p.currentPhrase = 4, p.lastSelectedPhrase = 3, p.positionMs = 999, p.paused = 1;
    p.recordingSaved = 1, p.pageHighlighted = true;
    p.m22->setHint(QStringLiteral("Continue"));
    p.marks = platform::StringList({"9"});
    p.userMarks = platform::StringList({"stale"});
    p.TrackBar1->setMax(7);
    p.MediaPlayer2->setFileName(sound);
    p.MediaPlayer2->open();
    course.write(QStringLiteral("data/temp.wav"), "old");

    Shown shown;
    whileShown = [&] { shown = snapshot(p); };
    run(0);

    ASSERT_EQ(shows, 1);
    const KindCase& e = GetParam();
    EXPECT_EQ(shown.caption, "Lesson");
    EXPECT_EQ(shown.playHint, e.playHint);
    EXPECT_EQ(shown.pauseHint, "Pause");
    EXPECT_EQ(shown.stopHint, e.stopHint);
    EXPECT_EQ(shown.trackMax, e.trackMax);
    EXPECT_EQ(shown.trackEnabled, e.trackEnabled);
    EXPECT_EQ(shown.recordingMode, e.recordingMode);
    EXPECT_EQ(shown.modelPlayerInUse, e.modelPlayerInUse);
    EXPECT_EQ(shown.freeRecording, e.freeRecording);
    EXPECT_EQ(shown.timeLeft, e.timeLeft);
    EXPECT_EQ(shown.file1, root + e.file1);
    EXPECT_TRUE(shown.open1);
    EXPECT_EQ(shown.open2, e.open2);
    if (e.open2) {
        EXPECT_EQ(shown.file2, sound);
    }
    EXPECT_EQ(shown.marks, e.marks);
    EXPECT_EQ(shown.userMarks, e.userMarks);
    EXPECT_EQ(shown.page, root + "\\data\\text\\page.htm");
    EXPECT_TRUE(shown.startState);
    // The recording kinds start from a fresh copy of the template.
    EXPECT_EQ(course.read("data/temp.wav") == course.read("data/empty.wav"), e.recordingMode == 1);
}

const QStringList fileMarks{"700", "1400", "5000"};

const KindCase kindCases[] = {
    {"1", "Play", "Stop", 2, true, 0, 0, false, 0, "\\data\\sound\\lesson.wav", false, fileMarks, {"stale"}},
    {"3", "Start record", "Stop record", 2, false, 1, 0, false, 0, "\\data\\temp.wav", false, fileMarks, {}},
    {"11", "Start record", "Stop record", 2, false, 1, 1, false, 0, "\\data\\temp.wav", true, fileMarks, {}},
    // No marks are loaded, and the gauge runs over the time limit.
    {"8", "Start record", "Stop record", 30, false, 1, 0, true, 30, "\\data\\temp.wav", false, {"9"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Player, LauncherKinds, ::testing::ValuesIn(kindCases),
                         [](const auto& info) { return "Kind" + std::string(info.param.kind); });

TEST_F(Launcher, OtherCodesLaunchNothingAfterTheReset)
{
    for (const char* kind : {"1 ", " 1", "01", "12"})
        addLesson(QString::fromLatin1(kind), QStringLiteral("Lesson"));
    for (int lesson = 0; lesson < 4; ++lesson) {
        player().freeRecording = true;
        run(lesson);
        EXPECT_FALSE(player().freeRecording);
    }
    EXPECT_EQ(shows, 0);
}

TEST_F(Launcher, NothingHappensWithoutASelection)
{
    addLesson(QStringLiteral("1"), QStringLiteral("Lesson"));
    player().freeRecording = true;
    runSelectedLesson();
    EXPECT_TRUE(player().freeRecording);
    EXPECT_EQ(shows, 0);
}

TEST_F(Launcher, RunLessonAndDoubleClickLaunch)
{
    addLesson(QStringLiteral("1"), QStringLiteral("Lesson"));
    MainFrm->TreeView1->selectNode(MainFrm->TreeView1->node(0));
    MainFrm->m22Click();
    MainFrm->TreeView1DblClick();
    EXPECT_EQ(shows, 2);
}

TEST_F(Launcher, UnreadableMarksStopTheLaunch)
{
    addLesson(QStringLiteral("3"), QStringLiteral("Lesson"));
    MainFrm->marksNames = platform::StringList({"missing.txt"});
    EXPECT_THROW(run(0), platform::Error);
    EXPECT_EQ(shows, 0);
}

TEST_F(Launcher, ResetStopsWhatThePreviousLessonLeft)
{
    addLesson(QStringLiteral("x"), QStringLiteral("Nothing"));
    player().Timer1->setEnabled(true);
    player().Timer2->setEnabled(true);
    WorkTxtFrm->Timer1->setEnabled(true);
    WorkTxtFrm->TrackBar1->setPosition(3);
    WorkTxtFrm->TrackBar1->setEnabled(false);
    player().TrackBar1->setEnabled(false);
    WorkTxtFrm->c->hide();
    WorkTxtFrm->caa->hide();
    MainFrm->m2->show();
    frmSort->Label1->show();
    MultiFrm->Label1->show();
    player().MediaPlayer1->setFileName(MainFrm->courseRoot + "\\data\\sound\\lesson.wav");
    player().MediaPlayer1->open();
    WorkTxtFrm->MediaPlayer1->setFileName(player().MediaPlayer1->fileName());
    WorkTxtFrm->MediaPlayer1->open();
    run(0);

    EXPECT_FALSE(player().Timer1->enabled());
    EXPECT_FALSE(player().Timer2->enabled());
    EXPECT_FALSE(WorkTxtFrm->Timer1->enabled());
    EXPECT_EQ(WorkTxtFrm->TrackBar1->position(), 0);
    EXPECT_TRUE(WorkTxtFrm->TrackBar1->isEnabled());
    EXPECT_TRUE(player().TrackBar1->isEnabled());
    EXPECT_FALSE(player().MediaPlayer1->isOpen());
    EXPECT_FALSE(WorkTxtFrm->MediaPlayer1->isOpen());
    EXPECT_FALSE(WorkTxtFrm->c->isHidden());
    EXPECT_FALSE(WorkTxtFrm->caa->isHidden());
    EXPECT_TRUE(MainFrm->m2->isHidden());
    EXPECT_TRUE(frmSort->Label1->isHidden());
    EXPECT_TRUE(MultiFrm->Label1->isHidden());
}

TEST_F(Launcher, ResetRunsTheOldLessonsTrackBarHandlerBeforeClosingThePlayers)
{
    addLesson(QStringLiteral("1"), QStringLiteral("Listen"));
    addLesson(QStringLiteral("x"), QStringLiteral("Nothing"));
    // The learner picks phrase 3 and leaves.
    whileShown = [&] {
        loadPage();
        player().TrackBar1->setPosition(2);
        closeByExit();
    };
    run(0);
    ASSERT_EQ(phraseClass(3), "instext");

    // The handler seeks the old lesson's player: had it been closed first,
    // this would fail with "No MCI device open".
    EXPECT_NO_THROW(run(1));
    EXPECT_EQ(player().currentPhrase, 1);
    EXPECT_EQ(player().positionMs, 700);
    EXPECT_EQ(phraseClass(1), "instext");
    EXPECT_EQ(phraseClass(3), "text");
    EXPECT_FALSE(player().MediaPlayer1->isOpen());
}

TEST_F(Launcher, ListeningFollowsTheVoiceOnTheLoadedPage)
{
    addLesson(QStringLiteral("1"), QStringLiteral("Listen"));
    whileShown = [&] {
        loadPage();
        // Phrase 1 is highlighted as soon as the page is ready.
        EXPECT_EQ(phraseClass(1), "instext");
        player().m11Click();
        tickAfter(250);
        EXPECT_EQ(player().currentPhrase, 2);
        tickAfter(250);
        EXPECT_EQ(phraseClass(1), "text");
        EXPECT_EQ(phraseClass(2), "inscomm");
        EXPECT_EQ(player().TrackBar1->position(), 1);
        closeByExit();
    };
    run(0);
    ASSERT_EQ(shows, 1);
    EXPECT_EQ(player().MediaPlayer1->mode(), platform::MediaPlayer::Mode::Stopped);
    EXPECT_FALSE(course.exists("data/umarks.txt"));
}

TEST_F(Launcher, RecordingLeavesTheRecordingAndItsMarks)
{
    addLesson(QStringLiteral("3"), QStringLiteral("Read"));
    audio.setInputSignal([](int, double) { return 0.25f; });
    whileShown = [&] {
        loadPage();
        player().m11Click();
        for (int tick = 0; tick < 4; ++tick)
            tickAfter(250);
        EXPECT_EQ(phraseClass(2), "inscomm");
        player().m33Click();
        closeByExit();
    };
    run(0);

    const WaveInfo recording = readWave(course.read("data/temp.wav"));
    EXPECT_EQ(recording.sampleRate, 11025);
    EXPECT_EQ(recording.channels, 1);
    EXPECT_EQ(recording.bitsPerSample, 16);
    EXPECT_NEAR(recording.frames, 11025, 2);
    EXPECT_GT(recording.peak, 0);
    EXPECT_EQ(course.read("data/umarks.txt"), "700\r\n1400\r\n");
}

TEST_F(Launcher, RecordingLessonClosedWithoutRecordingLeavesNoOldMarks)
{
    addLesson(QStringLiteral("11"), QStringLiteral("Read along"));
    player().userMarks = platform::StringList({"700", "1400"});
    course.write(QStringLiteral("data/umarks.txt"), "700\r\n1400\r\n");
    whileShown = [&] { closeByExit(); };
    run(0);

    EXPECT_EQ(readWave(course.read("data/temp.wav")).frames, 0);
    EXPECT_EQ(course.read("data/umarks.txt"), "");
}

TEST_F(Launcher, ClosingAnAccompaniedRecordingStopsTheLessonSound)
{
    addLesson(QStringLiteral("11"), QStringLiteral("Read along"));
    whileShown = [&] {
        loadPage();
        player().m11Click();
        ASSERT_EQ(player().MediaPlayer2->mode(), platform::MediaPlayer::Mode::Playing);
        closeByExit();
    };
    run(0);
    EXPECT_EQ(player().MediaPlayer2->mode(), platform::MediaPlayer::Mode::Stopped);
}

// A free recording left by Exit while recording, after its gauge moved.
class AfterFreeRecording : public Launcher, public ::testing::WithParamInterface<const char*> {
protected:
    void leaveFreeRecording()
    {
        addLesson(QStringLiteral("8"), QStringLiteral("Free"), QStringLiteral("3"));
        audio.setInputSignal([](int, double) { return 0.25f; });
        whileShown = [&] {
            player().m11Click();
            for (int tick = 0; tick < 15; ++tick) {
                audio.advance(100);
                player().Timer2Timer();
            }
            ASSERT_EQ(player().TrackBar1->position(), 2);
            closeByExit();
        };
        run(0);
        whileShown = nullptr;
    }
};

TEST_F(AfterFreeRecording, TheClosedPlayerStopsItsGauge)
{
    leaveFreeRecording();
    // Its allowance would run out later, unseen, with a save dialog.
    EXPECT_FALSE(player().Timer2->enabled());
    EXPECT_FALSE(player().Timer1->enabled());
    EXPECT_TRUE(desktop.saveRequests.empty());
}

TEST_P(AfterFreeRecording, TheNextLessonLaunches)
{
    leaveFreeRecording();
    addLesson(QString::fromLatin1(GetParam()), QStringLiteral("Next"));
    // The gauge's position is no phrase of the next lesson.
    EXPECT_NO_THROW(run(1));
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(player().TrackBar1->position(), 0);
    EXPECT_EQ(player().currentPhrase, 1);
    EXPECT_TRUE(desktop.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Player, AfterFreeRecording, ::testing::Values("1", "3", "11", "8"),
                         [](const auto& info) { return "Kind" + std::string(info.param); });

} // namespace
} // namespace playertest
