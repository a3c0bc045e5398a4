// Launches that stop part way, on the sample course: the failure's message,
// no window, the steps before it kept. A recording launch that stops after
// the template has replaced the learner's recording leaves no marks of the
// recording it replaced.
#include "courserun.h"

#include "platform/error.h"
#include "platform/path.h"
#include "platform/stringlist.h"
#include "player/learnerfolder.h"
#include "player/lessonfiles.h"
#include "player/Viewtxt.h"
#include "shell/Main.h"
#include "workshop/Worktxt.h"

#include <QFile>
#include <QTemporaryDir>

#include <ostream>

namespace endtoend {
namespace {

const QByteArray earlierMarks = "700\r\n1400\r\n";

class LaunchFailure : public CourseRun {
protected:
    LaunchFailure()
    {
        inWindow = [](platform::Form& window) { window.close(); };
        course().write(QStringLiteral("data/umarks.txt"), earlierMarks);
        course().write(QStringLiteral("data/temp.wav"), course().read(QStringLiteral("data/sound/hello.wav")));
    }
    static int firstOfKind(const char* kind)
    {
        return int(MainFrm->lessonKinds.lines().indexOf(QString::fromLatin1(kind)));
    }
    QString native(const char* relative) const { return platform::nativePath(MainFrm->courseRoot + relative); }
    bool recordingIsTheTemplate() const
    {
        return course().read(QStringLiteral("data/temp.wav")) == course().read(QStringLiteral("data/empty.wav"));
    }
};

struct Failure {
    const char* name;
    const char* kind;
    // Breaks the course or the catalogue for this lesson; gives the message
    // expected.
    std::function<QString(const testsupport::TempCourse&, int lesson)> breakLesson;
    // The launch had already started a fresh recording.
    bool recordingReset;
};

void PrintTo(const Failure& failure, std::ostream* out)
{
    *out << failure.name;
}

class LaunchFailures : public LaunchFailure, public ::testing::WithParamInterface<Failure> {};

TEST_P(LaunchFailures, StopWithTheMessageAndShowNoWindow)
{
    const Failure& failure = GetParam();
    const int lesson = firstOfKind(failure.kind);
    ASSERT_GE(lesson, 0);
    const QString expected = failure.breakLesson(course(), lesson);
    select(lesson);
    try {
        MainFrm->m22Click();
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message().toStdString(), expected.toStdString());
    }
    EXPECT_TRUE(shown.empty());
    // The caption, the first step of every kind, stays done.
    EXPECT_EQ(windowOfKind(QString::fromLatin1(failure.kind))->caption(), MainFrm->windowTitles.at(lesson));
    if (failure.recordingReset) {
        EXPECT_TRUE(recordingIsTheTemplate());
        EXPECT_EQ(course().read(QStringLiteral("data/umarks.txt")), "");
    } else if (course().exists(QStringLiteral("data/umarks.txt"))) {
        EXPECT_FALSE(recordingIsTheTemplate());
        EXPECT_EQ(course().read(QStringLiteral("data/umarks.txt")), earlierMarks);
    }
}

QString missing(const testsupport::TempCourse& course, const char* relative, const char* shown)
{
    course.remove(QString::fromLatin1(relative));
    return QStringLiteral("Cannot open file ") + platform::nativePath(MainFrm->courseRoot + shown);
}

QString notASound(const testsupport::TempCourse& course, const char* relative, const char* shown)
{
    course.write(QString::fromLatin1(relative), "not a wave file");
    return platform::nativePath(MainFrm->courseRoot + shown);
}

QString timeLimit(int lesson, const char* limit)
{
    QStringList limits = MainFrm->timeLimits.lines();
    limits[lesson] = QString::fromLatin1(limit);
    MainFrm->timeLimits = platform::StringList(limits);
    return QStringLiteral("'%1' is not a valid integer value").arg(limit);
}

const Failure failures[] = {
    {"CatalogueShorterThanTheTree", "1",
     [](const testsupport::TempCourse&, int lesson) {
         MainFrm->soundNames = platform::StringList(MainFrm->soundNames.lines().mid(0, lesson));
         return QStringLiteral("List index out of bounds (%1)").arg(lesson);
     },
     false},
    {"MarksUnreadable", "1",
     [](const testsupport::TempCourse& c, int) { return missing(c, "data/marks/hello.txt", "\\data\\marks\\hello.txt"); },
     false},
    {"UserMarksUnreadable", "4",
     [](const testsupport::TempCourse& c, int) { return missing(c, "data/umarks.txt", "\\data\\umarks.txt"); },
     false},
    {"WordFileUnreadable", "9",
     [](const testsupport::TempCourse& c, int) { return missing(c, "data/text/city.txt", "\\data\\text\\city.txt"); },
     false},
    {"TimeLimitNotAWholeNumber", "5", [](const testsupport::TempCourse&, int lesson) { return timeLimit(lesson, "5:00"); },
     false},
    // The recording launches stop after the template has been copied.
    {"RecordingWithMarksUnreadable", "3",
     [](const testsupport::TempCourse& c, int) { return missing(c, "data/marks/hello.txt", "\\data\\marks\\hello.txt"); },
     true},
    {"FreeRecordingWithTimeLimitNotAWholeNumber", "8",
     [](const testsupport::TempCourse&, int lesson) { return timeLimit(lesson, "1.5"); }, true},
};

INSTANTIATE_TEST_SUITE_P(Sample, LaunchFailures, ::testing::ValuesIn(failures),
                         [](const auto& info) { return std::string(info.param.name); });

// The device's own words follow the file's path. The accompanied recording
// has its fresh recording open when the lesson sound is refused.
TEST_F(LaunchFailure, ASoundTheDeviceCannotOpenStopsTheLaunch)
{
    const int lesson = firstOfKind("11");
    const QString path = notASound(course(), "data/sound/way.wav", "\\data\\sound\\way.wav");
    select(lesson);
    try {
        MainFrm->m22Click();
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_TRUE(error.message().startsWith(path + ": ")) << error.message().toStdString();
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(ViewTxtFrm->caption(), MainFrm->windowTitles.at(lesson));
    EXPECT_TRUE(ViewTxtFrm->MediaPlayer1->isOpen());
    EXPECT_TRUE(recordingIsTheTemplate());
    EXPECT_EQ(course().read(QStringLiteral("data/umarks.txt")), "");
}

// A marks file without lines gives a maximum of -1, which the track bar
// ignores: it keeps the previous lesson's, and the window is shown.
TEST_F(LaunchFailure, AMarksFileWithoutLinesKeepsTheTrackBarsMaximum)
{
    course().write(QStringLiteral("data/marks/hello.txt"), "");
    for (const char* kind : {"1", "3", "2"}) {
        SCOPED_TRACE(kind);
        ViewTxtFrm->TrackBar1->setMax(7);
        WorkTxtFrm->TrackBar1->setMax(7);
        shown.clear();
        select(firstOfKind(kind));
        MainFrm->m22Click();
        EXPECT_EQ(shown.size(), 1u);
        EXPECT_EQ(ViewTxtFrm->TrackBar1->max(), 7);
        EXPECT_EQ(WorkTxtFrm->TrackBar1->max(), 7);
    }
}

// The course as on a mounted disc image: the learner's files are kept in a
// folder of the learner's own, and that is where the launch empties them.
class ReadOnlyCourseLaunchFailure : public LaunchFailure {
protected:
    ReadOnlyCourseLaunchFailure()
    {
        m_previousHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        m_previousProbe = learnerfolder::installWritableProbe(
            [this](const QString& folder) { return !folder.startsWith(course().root()); });
    }
    ~ReadOnlyCourseLaunchFailure() override
    {
        learnerfolder::installWritableProbe(std::move(m_previousProbe));
        qputenv("XDG_DATA_HOME", m_previousHome);
    }

    QTemporaryDir dataHome;

private:
    QByteArray m_previousHome;
    learnerfolder::WritableProbe m_previousProbe;
};

TEST_F(ReadOnlyCourseLaunchFailure, EmptiesTheLearnersOwnMarks)
{
    course().remove(QStringLiteral("data/marks/hello.txt"));
    select(firstOfKind("3"));
    EXPECT_THROW(MainFrm->m22Click(), platform::Error);
    ASSERT_TRUE(lessonfiles::userMarks().startsWith(dataHome.path()));
    EXPECT_EQ(platform::StringList::load(lessonfiles::userMarks()).count(), 0);
    QFile recording(lessonfiles::ownRecording());
    ASSERT_TRUE(recording.open(QIODevice::ReadOnly));
    EXPECT_EQ(recording.readAll(), course().read(QStringLiteral("data/empty.wav")));
    // The course's own files are as they were.
    EXPECT_EQ(course().read(QStringLiteral("data/umarks.txt")), earlierMarks);
    EXPECT_FALSE(recordingIsTheTemplate());
}

} // namespace
} // namespace endtoend
