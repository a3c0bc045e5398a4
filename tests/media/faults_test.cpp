// Wave files and devices that fail: absurd formats refused at open,
// encodings that cannot seek, a device that goes away while playing.

#include "wavefile.h"

#include "platform/error.h"
#include "platform/media/audiotrack.h"
#include "platform/media/mediaplayer.h"
#include "platform/media/trackstream.h"
#include "platform/media/virtualaudio.h"
#include "tests/support/fakedesktop.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::MediaPlayer;
using Mode = platform::MediaPlayer::Mode;

namespace {

struct BadFormat {
    const char* name;
    int rate;
    int channels;
    const char* says;
};

void PrintTo(const BadFormat& format, std::ostream* os)
{
    *os << format.name;
}

class BadFormatTest : public ::testing::TestWithParam<BadFormat> {};

// A rate of a few hertz made the sound output divide by zero.
TEST_P(BadFormatTest, IsRefusedAtOpenSayingWhy)
{
    const BadFormat& format = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, format.rate, format.channels, 64, mediatest::ramp);

    platform::VirtualAudioDevice audio;
    MediaPlayer player;
    player.setFileName(path);
    try {
        player.open();
        ADD_FAILURE() << "opened";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.message(), path + QStringLiteral(": ") + QString::fromUtf8(format.says));
    }
    EXPECT_FALSE(player.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Wave, BadFormatTest,
    ::testing::Values(
        BadFormat{"rate_8", 8, 1, "the sample rate of 8 Hz is not supported (1000 to 384000 Hz are)"},
        BadFormat{"rate_999", 999, 2, "the sample rate of 999 Hz is not supported (1000 to 384000 Hz are)"},
        BadFormat{"rate_384001", 384001, 1, "the sample rate of 384001 Hz is not supported (1000 to 384000 Hz are)"},
        BadFormat{"channels_9", 8000, 9, "9 channels are not supported (1 to 8 are)"}),
    [](const auto& info) { return std::string(info.param.name); });

// A header that claims more data than the file holds (up to 4 GB) gives
// the sound that is there: nothing is allocated for the claim.
TEST(LyingHeader, TheSoundIsWhatTheFileHolds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lying.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 8000, mediatest::ramp);
    for (const quint32 claim : {quint32(32000), quint32(0xFFFFFFF0)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        const qsizetype data = bytes.indexOf("data");
        ASSERT_GT(data, 0);
        for (int i = 0; i < 4; ++i)
            bytes[data + 4 + i] = char((claim >> (8 * i)) & 0xFF);
        file.seek(0);
        file.write(bytes);
        file.close();

        platform::VirtualAudioDevice audio;
        MediaPlayer player;
        player.setFileName(path);
        player.open();
        EXPECT_EQ(player.length(), 1000) << claim;
        player.setPosition(900);
        player.play();
        audio.advance(500);
        EXPECT_EQ(player.mode(), Mode::Stopped);
    }
}

class UnseekableEncodingTest : public ::testing::TestWithParam<int> {};

// GSM 6.10 and G.721 failed with "Seek attempted on unseekable file type."
// at every seek: read anywhere, they give what a read from the start gives,
// and a recording over them is saved in their own format.
TEST_P(UnseekableEncodingTest, SeeksRecordsAndSavesLikeAnyOther)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.wav"));
    const QString target = dir.filePath(QStringLiteral("target.wav"));
    mediatest::writeWave(source, SF_FORMAT_WAV | GetParam(), 8000, 1, 16000, mediatest::ramp);
    const mediatest::Wave whole = mediatest::readWave(source);

    platform::media::AudioTrack track(platform::media::SoundFile::openForReading(source));
    EXPECT_EQ(track.frames(), whole.info.frames);
    for (const int64_t at : {int64_t(12000), int64_t(100), int64_t(7999)}) {
        std::vector<float> samples(64);
        ASSERT_EQ(track.read(at, samples.data(), 64), 64);
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(samples[size_t(i)], whole.at(at + i)) << "frame " << at + i;
    }

    platform::VirtualAudioDevice audio;
    MediaPlayer player;
    player.setFileName(source);
    player.open();
    player.setPosition(1500);
    player.startRecording();
    audio.advance(300);
    player.stop();
    player.setPosition(200);
    player.play();
    audio.advance(250);
    EXPECT_EQ(player.position(), 450);
    player.setFileName(target);
    player.save();
    const mediatest::Wave saved = mediatest::readWave(target);
    EXPECT_EQ(saved.info.format, whole.info.format);
    EXPECT_NEAR(double(saved.info.frames), double(whole.info.frames), 320);
}

INSTANTIATE_TEST_SUITE_P(Wave, UnseekableEncodingTest, ::testing::Values(SF_FORMAT_GSM610, SF_FORMAT_G721_32),
                         [](const auto& info) {
                             return std::string(info.param == SF_FORMAT_GSM610 ? "gsm610" : "g721");
                         });

// Read as stored, such a file fails at the first seek: the device's pull
// gets silence and the reason, never an exception.
TEST(UnseekableEncoding, AStreamReadingItAsStoredGivesSilenceAndTheReasonInsteadOfThrowing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gsm.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_GSM610, 8000, 1, 8000, mediatest::ramp);
    platform::media::AudioTrack track(platform::media::SoundFile::openAsStored(path));
    QAudioFormat format;
    format.setSampleRate(8000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    platform::media::TrackStream stream(track, 4000, format);

    for (int pull = 0; pull < 3; ++pull) {
        QByteArray bytes(4096, 'x');
        ASSERT_EQ(stream.read(bytes.data(), bytes.size()), bytes.size());
        EXPECT_EQ(bytes, QByteArray(4096, '\0'));
    }
    EXPECT_TRUE(stream.failure().contains(QStringLiteral("Seek"))) << stream.failure().toStdString();
}

TEST(LostDevice, PlayerStopsKeepsItsPositionAndReportsOnce)
{
    testsupport::FakeDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sound.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 16000, mediatest::ramp);
    platform::VirtualAudioDevice audio;
    MediaPlayer player;
    player.setFileName(path);
    player.open();
    player.play();
    audio.advance(1250);

    audio.fail(QStringLiteral("the server quit"));
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.position(), 1250);
    audio.advance(500);
    EXPECT_EQ(player.position(), 1250);

    QCoreApplication::processEvents();
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0].text, QStringLiteral("the server quit."));

    // Played again, it starts from where it stopped.
    player.play();
    audio.advance(250);
    EXPECT_EQ(player.position(), 1500);
}

} // namespace
