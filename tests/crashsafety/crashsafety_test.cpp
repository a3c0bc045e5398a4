// Kills a writer of each kind of file the program writes at many moments,
// most of them in the middle of a write, and checks that the file is then
// always the old version or the new one, whole.

#include "tests/support/tempcourse.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

namespace {

struct Kind {
    const char* name;
    const char* file; // relative to the folder
};

void PrintTo(const Kind& kind, std::ostream* os)
{
    *os << kind.file;
}

class CrashSafetyTest : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        QFile empty(QStringLiteral(SAMPLE_COURSE_DIR "/data/empty.wav"));
        ASSERT_TRUE(empty.open(QIODevice::ReadOnly));
        course.write(QStringLiteral("data/empty.wav"), empty.readAll());
        // Recordings to copy: a few megabytes, so a copy takes a while.
        course.write(QStringLiteral("source-a.wav"), QByteArray(6 << 20, 'a'));
        course.write(QStringLiteral("source-b.wav"), QByteArray(4 << 20, 'b'));
    }

    // Runs the writer once to completion and returns the file it wrote.
    QByteArray writeOnce(const char* version)
    {
        QProcess writer;
        writer.start(QStringLiteral(CRASHWRITER), {GetParam().name, course.root(), version});
        EXPECT_TRUE(writer.waitForFinished(60000));
        EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
        return course.read(GetParam().file);
    }

    testsupport::TempCourse course;
};

TEST_P(CrashSafetyTest, KilledWriterLeavesOldOrNewFileWhole)
{
    const QByteArray a = writeOnce("A");
    const QByteArray b = writeOnce("B");
    ASSERT_FALSE(a.isEmpty());
    ASSERT_NE(a.size(), b.size());

    constexpr int kills = 24;
    int midWrite = 0;
    for (int i = 0; i < kills; ++i) {
        QProcess writer;
        writer.start(QStringLiteral(CRASHWRITER), {GetParam().name, course.root(), QStringLiteral("loop")});
        ASSERT_TRUE(writer.waitForStarted());
        // Kill during write 1, 2 or 3, at a moment spread over the first
        // milliseconds of that write.
        const QByteArray begin = "begin " + QByteArray::number(1 + i % 3) + '\n';
        QByteArray said;
        while (!said.contains(begin)) {
            ASSERT_TRUE(writer.waitForReadyRead(60000)) << said.toStdString();
            said += writer.readAllStandardOutput();
        }
        for (QDeadlineTimer spread(std::chrono::microseconds(250 * (i / 3))); !spread.hasExpired();) {
        }
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(60000));
        said += writer.readAllStandardOutput();
        if (!said.contains("done " + QByteArray::number(1 + i % 3) + '\n'))
            ++midWrite;

        const QByteArray now = course.read(GetParam().file);
        ASSERT_TRUE(now == a || now == b) << "kill " << i << " left " << now.size() << " bytes, expected " << a.size()
                                          << " or " << b.size();
    }
    // Nor is anything left beside it: the temporary files have no names.
    const QFileInfo file(course.root() + u'/' + QString::fromLatin1(GetParam().file));
    EXPECT_EQ(file.dir().entryList(QDir::Files).filter(file.fileName() + u'.').join(u' ').toStdString(), "");
    // The test proves something only when kills landed inside writes.
    EXPECT_GT(midWrite, kills / 2);
}

INSTANTIATE_TEST_SUITE_P(Files, CrashSafetyTest,
                         ::testing::Values(Kind{"recording", "data/temp.wav"}, Kind{"marks", "data/umarks.txt"},
                                           Kind{"copy", "copy.wav"}, Kind{"answers", "answers.htm"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
