// Hostile but plausible course files: each is refused with a clear error
// or read within a bounded memory.

#include "platform/error.h"
#include "platform/html/pagesource.h"
#include "platform/jpeg.h"
#include "platform/media/soundfile.h"
#include "platform/profile.h"
#include "platform/stringlist.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

// A real picture whose frame header claims other dimensions.
QByteArray jpegClaiming(int width, int height)
{
    QFile file(QStringLiteral(SAMPLE_COURSE_DIR "/gdata/c1.jpg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    for (qsizetype i = 0; i + 9 < bytes.size(); ++i) {
        const auto marker = uchar(bytes[i + 1]);
        if (uchar(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            bytes[i + 5] = char(height >> 8);
            bytes[i + 6] = char(height & 0xFF);
            bytes[i + 7] = char(width >> 8);
            bytes[i + 8] = char(width & 0xFF);
            return bytes;
        }
    }
    ADD_FAILURE() << "no frame header";
    return bytes;
}

TEST(Bounds, AJpegClaimingHugeDimensionsIsRefusedBeforeAnyAllocation)
{
    QTemporaryDir dir;
    const struct {
        int width, height;
    } claims[] = {{60000, 60000}, {20000, 10}, {8000, 8000}};
    for (const auto& claim : claims) {
        const QString path = dir.filePath(QStringLiteral("big.jpg"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(jpegClaiming(claim.width, claim.height));
        file.close();
        try {
            platform::loadJpeg(path);
            ADD_FAILURE() << "decoded " << claim.width << " x " << claim.height;
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Cannot decode picture %1: %2 x %3 pixels is too large (at most "
                                                  "32000000 pixels)")
                                       .arg(path)
                                       .arg(claim.width)
                                       .arg(claim.height));
        }
    }
}

// A marks file of a million lines (7 MB) loads; its last mark reads.
TEST(Bounds, AMillionLineFileLoadsWhole)
{
    QByteArray bytes;
    bytes.reserve(8'000'000);
    for (int i = 1; i <= 1'000'000; ++i)
        bytes += QByteArray::number(i) + "\r\n";
    const platform::StringList lines = platform::StringList::fromBytes(bytes);
    ASSERT_EQ(lines.count(), 1'000'000);
    EXPECT_EQ(lines.at(999'999), QStringLiteral("1000000"));
}

// What each reader of course files makes of one path: the error it fails
// with, or "read" when it reads the file (some readers take any failure as
// an empty file).
QString outcome(const std::function<void()>& read)
{
    try {
        read();
        return QStringLiteral("read");
    } catch (const platform::Error& e) {
        return e.message();
    }
}

QString sparseFile(const QTemporaryDir& dir, const char* name, qint64 size)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    return path;
}

// A damaged course (a file cut to a huge size, a catalogue naming a device)
// is refused before it is read: nothing is allocated for the claim.
TEST(Bounds, OversizedCourseFilesAreRefusedBeforeTheyAreRead)
{
    QTemporaryDir dir;
    const QString text = sparseFile(dir, "main.mtp", (qint64(16) << 20) + 1);
    const QString picture = sparseFile(dir, "c1.jpg", (qint64(64) << 20) + 1);
    const QString page = sparseFile(dir, "page.htm", (qint64(5) << 20) + 1);

    EXPECT_EQ(outcome([&] { platform::StringList::load(text); }),
              QStringLiteral("The file %1 is larger than 16 MB").arg(text));
    EXPECT_EQ(outcome([&] { platform::loadJpeg(picture); }),
              QStringLiteral("The file %1 is larger than 64 MB").arg(picture));
    EXPECT_TRUE(platform::ProfileFile::load(text).readString("Hints", "m1").isEmpty());
    const platform::PageSource source = platform::loadPageSource(page);
    EXPECT_FALSE(source.found);
    EXPECT_TRUE(source.text.contains(QStringLiteral("The file is larger than 5 MB:")));

    // Within the bound, the same readers read.
    const QString small = sparseFile(dir, "small.mtp", 10);
    EXPECT_EQ(outcome([&] { platform::StringList::load(small); }), QStringLiteral("read"));
}

// A device never ends and a pipe's opening waits for a writer: both are
// files that cannot be opened, for every reader, at once.
TEST(Bounds, DevicesAndPipesCannotBeOpened)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {pipe, QStringLiteral("/dev/zero")}) {
        const QString cannotOpen = QStringLiteral("Cannot open file %1").arg(path);
        EXPECT_EQ(outcome([&] { platform::StringList::load(path); }), cannotOpen);
        EXPECT_EQ(outcome([&] { platform::loadJpeg(path); }), cannotOpen);
        EXPECT_EQ(outcome([&] { platform::media::SoundFile::openForReading(path); }), cannotOpen);
        EXPECT_TRUE(platform::ProfileFile::load(path).readString("Hints", "m1").isEmpty());
        EXPECT_FALSE(platform::loadPageSource(path).found);
    }
}

} // namespace
