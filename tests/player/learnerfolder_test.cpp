// Where the learner's own files of a course are kept: in the course while it
// can be written, otherwise in a per-user folder named after the course.
#include "player/learnerfolder.h"
#include "tests/support/tempcourse.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class LearnerFolder : public ::testing::Test {
protected:
    LearnerFolder()
    {
        m_previousHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        m_previousProbe = learnerfolder::installWritableProbe([this](const QString&) { return writable; });
        course.write(QStringLiteral("data/temp.wav"), "shipped recording");
        course.write(QStringLiteral("data/umarks.txt"), "700\r\n");
    }
    ~LearnerFolder() override
    {
        learnerfolder::installWritableProbe(std::move(m_previousProbe));
        qputenv("XDG_DATA_HOME", m_previousHome);
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dataHome;
    testsupport::TempCourse course;
    bool writable = true;

private:
    QByteArray m_previousHome;
    learnerfolder::WritableProbe m_previousProbe;
};

TEST_F(LearnerFolder, AWritableCourseKeepsThemInItsDataFolder)
{
    EXPECT_EQ(learnerfolder::forCourse(course.root()), course.root() + QStringLiteral("\\data\\"));
    EXPECT_FALSE(QFileInfo::exists(dataHome.path() + QStringLiteral("/course-player")));
}

TEST_F(LearnerFolder, AReadOnlyCourseGetsAFolderNamedAfterItsPathSeededWithTheShippedFiles)
{
    writable = false;
    const QString folder = learnerfolder::forCourse(course.root());
    const QString name = QDir(course.root()).canonicalPath().replace(u'/', QStringLiteral("%2F"));
    EXPECT_EQ(folder, dataHome.path() + QStringLiteral("/course-player/courses/") + name + u'/');
    EXPECT_TRUE(name.startsWith(u"%2F"));
    EXPECT_EQ(read(folder + QStringLiteral("temp.wav")), "shipped recording");
    EXPECT_EQ(read(folder + QStringLiteral("umarks.txt")), "700\r\n");

    // The learner's own files are never replaced by the shipped ones again.
    QFile own(folder + QStringLiteral("umarks.txt"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("700\r\n1400\r\n");
    own.close();
    EXPECT_EQ(learnerfolder::forCourse(course.root()), folder);
    EXPECT_EQ(read(folder + QStringLiteral("umarks.txt")), "700\r\n1400\r\n");
}

TEST_F(LearnerFolder, TwoReadOnlyCoursesNeverShareTheirFiles)
{
    writable = false;
    testsupport::TempCourse other;
    other.write(QStringLiteral("data/empty.wav"), "x");
    const QString first = learnerfolder::forCourse(course.root());
    const QString second = learnerfolder::forCourse(other.root());
    EXPECT_NE(first, second);
    // The other course ships no recording: its folder starts empty.
    EXPECT_TRUE(QDir(second).isEmpty());
}

// A course folder named in Cyrillic, deep down: the name stays within what a
// file system allows, and two such courses still differ.
TEST_F(LearnerFolder, ALongPathStillGivesAFolderOfItsOwn)
{
    writable = false;
    const QString deep = QStringLiteral("/\u041a\u0443\u0440\u0441 \u0430\u043d\u0433\u043b\u0438\u0439\u0441\u043a\u043e\u0433\u043e").repeated(12);
    const QString first = course.root() + deep + QStringLiteral("/1");
    const QString second = course.root() + deep + QStringLiteral("/2");
    for (const QString& folder : {first, second}) {
        QDir().mkpath(folder + QStringLiteral("/data"));
        const QString own = learnerfolder::forCourse(folder);
        EXPECT_TRUE(QFileInfo(own).isDir()) << own.toStdString();
        EXPECT_LE(QFile::encodeName(QFileInfo(own.chopped(1)).fileName()).size(), 200);
    }
    EXPECT_NE(learnerfolder::perUserFolder(first), learnerfolder::perUserFolder(second));
}

TEST_F(LearnerFolder, ACourseWithoutADataFolderIsLeftAsItIs)
{
    writable = false;
    testsupport::TempCourse bare;
    EXPECT_EQ(learnerfolder::forCourse(bare.root()), bare.root() + QStringLiteral("\\data\\"));
}

} // namespace
