// Hostile but plausible course files: each is refused with a clear error
// or read within a bounded memory.

#include "platform/error.h"
#include "platform/jpeg.h"
#include "platform/stringlist.h"

#include <QFile>
#include <QTemporaryDir>

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

} // namespace
