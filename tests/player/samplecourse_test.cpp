// The listening and recording lessons of the sample course, run from the
// main window's tree after the start-up routine.
#include "playerfixture.h"

#include "platform/convert.h"
#include "platform/form.h"
#include "platform/media/mediaplayer.h"
#include "player/learnerfolder.h"
#include "player/lessonfiles.h"
#include "shell/Main.h"
#include "tests/support/samplecourse.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace playertest {
namespace {

class SampleCourse : public ::testing::Test {
protected:
    SampleCourse()
    {
        m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
            if (&window == ViewTxtFrm && whileShown)
                whileShown();
            return 0;
        });
    }
    ~SampleCourse() override { platform::Form::installModalHook(std::move(m_previousHook)); }

    void runFirstOfKind(const QString& kind) { sample.runFirstOfKind(kind); }
    void loadPage()
    {
        for (int i = 0; i < 50 && ViewTxtFrm->pageDocument.isEmpty(); ++i)
            QCoreApplication::processEvents();
        ASSERT_FALSE(ViewTxtFrm->pageDocument.isEmpty());
    }
    // Ticks every 250 ms of sound until the player reaches the phrase.
    void tickUntilPhrase(int phrase)
    {
        for (int i = 0; i < 200 && ViewTxtFrm->currentPhrase < phrase; ++i) {
            audio.advance(250);
            ViewTxtFrm->Timer1Timer();
        }
        ASSERT_EQ(ViewTxtFrm->currentPhrase, phrase);
    }
    QString phraseClass(int n)
    {
        return ViewTxtFrm->pageDocument.get("all").get("t" + QString::number(n)).get("className").toText();
    }
    void exit()
    {
        ViewTxtFrm->show();
        ViewTxtFrm->m55Click();
    }

    platform::VirtualAudioDevice audio;
    testsupport::FakeDesktop desktop;
    // Without intro screen and start page; the windows run on it.
    testsupport::SampleCourseWindows sample;
    testsupport::TempCourse& course = sample.course;
    std::function<void()> whileShown;

private:
    platform::Form::ModalHook m_previousHook;
};

TEST_F(SampleCourse, ListeningLessonHighlightFollowsTheVoice)
{
    bool shown = false;
    whileShown = [&] {
        shown = true;
        loadPage();
        EXPECT_TRUE(phraseClass(1).startsWith(u"ins"));
        ViewTxtFrm->m11Click();
        tickUntilPhrase(2);
        ViewTxtFrm->Timer1Timer();
        EXPECT_FALSE(phraseClass(1).startsWith(u"ins"));
        EXPECT_TRUE(phraseClass(2).startsWith(u"ins"));
        EXPECT_EQ(ViewTxtFrm->TrackBar1->position(), 1);
        exit();
    };
    runFirstOfKind(QStringLiteral("1"));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(desktop.errors.empty());
}

TEST_F(SampleCourse, RecordingLessonLeavesARecordingAndItsMarksForTheWorkshop)
{
    const WaveInfo courseTemplate = readWave(course.read("data/empty.wav"));
    whileShown = [&] {
        loadPage();
        audio.setInputSignal([](int, double seconds) { return seconds < 1 ? 0.1f : 0.3f; });
        ViewTxtFrm->m11Click();
        tickUntilPhrase(3);
        ViewTxtFrm->m33Click();
        exit();
    };
    runFirstOfKind(QStringLiteral("3"));

    const WaveInfo recording = readWave(course.read("data/temp.wav"));
    EXPECT_EQ(recording.sampleRate, courseTemplate.sampleRate);
    EXPECT_EQ(recording.channels, courseTemplate.channels);
    EXPECT_GT(recording.frames, 0);
    EXPECT_GT(recording.peak, 0);
    const platform::StringList marks = ViewTxtFrm->marks;
    EXPECT_EQ(course.read("data/umarks.txt"), (marks.at(0) + "\r\n" + marks.at(1) + "\r\n").toLatin1());
    EXPECT_TRUE(desktop.messages.empty());
}

} // namespace
} // namespace playertest

namespace playertest {
namespace {

// The sample course as on a mounted disc image: the learner cannot write it.
class ReadOnlySampleCourse : public SampleCourse {
protected:
    ReadOnlySampleCourse()
    {
        m_previousHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        m_previousProbe = learnerfolder::installWritableProbe(
            [this](const QString& folder) { return !folder.startsWith(course.root()); });
    }
    ~ReadOnlySampleCourse() override
    {
        learnerfolder::installWritableProbe(std::move(m_previousProbe));
        qputenv("XDG_DATA_HOME", m_previousHome);
    }

    QTemporaryDir dataHome;

private:
    QByteArray m_previousHome;
    learnerfolder::WritableProbe m_previousProbe;
};

TEST_F(ReadOnlySampleCourse, RecordsIntoTheLearnersOwnFolderAndPlaysItBack)
{
    const QByteArray shippedRecording = course.read("data/temp.wav");
    const QByteArray shippedMarks = course.read("data/umarks.txt");
    whileShown = [&] {
        loadPage();
        audio.setInputSignal([](int, double) { return 0.3f; });
        ViewTxtFrm->m11Click();
        tickUntilPhrase(3);
        ViewTxtFrm->m33Click();
        exit();
    };
    runFirstOfKind(QStringLiteral("3"));
    EXPECT_TRUE(desktop.errors.empty());

    // Nothing of the course changed; the learner's files are elsewhere.
    EXPECT_EQ(course.read("data/temp.wav"), shippedRecording);
    EXPECT_EQ(course.read("data/umarks.txt"), shippedMarks);
    const QString recordingPath = lessonfiles::ownRecording();
    ASSERT_TRUE(recordingPath.startsWith(dataHome.path()));
    QFile recordingFile(recordingPath);
    ASSERT_TRUE(recordingFile.open(QIODevice::ReadOnly));
    const WaveInfo recording = readWave(recordingFile.readAll());
    EXPECT_GT(recording.peak, 0);
    const platform::StringList marks = ViewTxtFrm->marks;
    EXPECT_EQ(platform::StringList::load(lessonfiles::userMarks()).lines(), (QStringList{marks.at(0), marks.at(1)}));

    // The recording plays back as far as the highlight went.
    platform::MediaPlayer playback;
    playback.setFileName(lessonfiles::ownRecording());
    playback.open();
    EXPECT_NEAR(playback.length(), recording.frames * 1000 / recording.sampleRate, 1);
    // The highlight moves on 500 ms before a phrase's end mark.
    EXPECT_GE(playback.length(), platform::toInteger(marks.at(1)) - 500);
    playback.play();
    audio.advance(500);
    EXPECT_EQ(playback.position(), 500);
}

} // namespace
} // namespace playertest
