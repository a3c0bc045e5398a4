// Playing slower or faster: positions stay in the sound's own time on the
// virtual clock, and the stretched audio keeps both its timing and its pitch.
#include "wavefile.h"

#include "platform/media/audiotrack.h"
#include "platform/media/mediaplayer.h"
#include "platform/media/trackstream.h"
#include "platform/media/virtualaudio.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using platform::MediaPlayer;
using Mode = platform::MediaPlayer::Mode;

namespace {

constexpr int rate = 22050;

class SpeedTest : public ::testing::Test {
protected:
    MediaPlayer& opened(int ms)
    {
        const QString path = dir.filePath(QStringLiteral("sound.wav"));
        mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, 1, sf_count_t(ms) * rate / 1000, mediatest::ramp);
        player.setFileName(path);
        player.open();
        return player;
    }

    QTemporaryDir dir;
    platform::VirtualAudioDevice audio;
    MediaPlayer player;
};

struct ClockCase {
    double speed;
    int from;
    // Positions after each 250 ms of the clock.
    std::vector<int> positions;
};

TEST_F(SpeedTest, PositionsFollowTheClockInTheSoundsOwnTime)
{
    const ClockCase cases[] = {
        {0.5, 0, {125, 250, 375, 500}},
        {1.0, 0, {250, 500, 750, 1000}},
        {2.0, 1000, {1500, 2000, 2500, 3000}},
        {0.7, 300, {475, 650, 825, 1000}},
    };
    for (const ClockCase& c : cases) {
        opened(4000).setSpeed(c.speed);
        player.setPosition(c.from);
        player.play();
        for (int expected : c.positions) {
            audio.advance(250);
            EXPECT_EQ(player.position(), expected) << "at " << c.speed << "x";
        }
        EXPECT_EQ(player.length(), 4000) << "the length is the sound's own";
    }
}

TEST_F(SpeedTest, TheEndComesAfterTheSoundsLengthDividedByTheSpeed)
{
    opened(2000).setSpeed(2.0);
    player.play();
    audio.advance(999);
    EXPECT_EQ(player.mode(), Mode::Playing);
    audio.advance(1);
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.position(), 2000);
}

// A change while playing goes on from where the voice is, at the new pace;
// pausing and resuming keep it.
TEST_F(SpeedTest, AChangeWhilePlayingGoesOnFromThePosition)
{
    opened(4000);
    player.play();
    audio.advance(500);
    player.setSpeed(0.5);
    EXPECT_EQ(player.mode(), Mode::Playing);
    audio.advance(500);
    EXPECT_EQ(player.position(), 750);
    player.pause();
    player.pause();
    audio.advance(500);
    EXPECT_EQ(player.position(), 1000);
    player.setSpeed(1.0);
    audio.advance(500);
    EXPECT_EQ(player.position(), 1500);
}

TEST_F(SpeedTest, RecordingIsAlwaysAtNormalSpeed)
{
    opened(0).setSpeed(0.5);
    player.startRecording();
    audio.advance(1000);
    EXPECT_EQ(player.position(), 1000);
    player.stop();
    EXPECT_EQ(player.length(), 1000);
}

// The stretched stream, read as the sink reads it.
std::vector<float> stretched(const QString& path, double speed, int ms)
{
    platform::media::AudioTrack track(platform::media::SoundFile::openForReading(path));
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    platform::media::TrackStream stream(track, 0, format, speed);
    std::vector<float> out(size_t(ms) * rate / 1000);
    stream.read(reinterpret_cast<char*>(out.data()), qint64(out.size() * sizeof(float)));
    return out;
}

// Where the first sample louder than half the peak lies after from, in ms.
double onsetMs(const std::vector<float>& samples, double fromMs)
{
    for (size_t i = size_t(fromMs * rate / 1000); i < samples.size(); ++i)
        if (std::abs(samples[i]) > 0.25f)
            return i * 1000.0 / rate;
    return -1;
}

// Bursts of a 440 Hz tone every second: each comes out at its own time
// divided by the speed, and the tone keeps its pitch.
TEST_F(SpeedTest, StretchedAudioKeepsItsTimingAndItsPitch)
{
    const QString path = dir.filePath(QStringLiteral("bursts.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, rate, 1, 4 * rate, [](sf_count_t f, int) {
        const double t = double(f) / rate;
        return std::fmod(t, 1.0) >= 0.5 && std::fmod(t, 1.0) < 0.8 ? 0.5f * float(std::sin(2 * M_PI * 440 * t)) : 0.0f;
    });
    for (double speed : {0.5, 0.8, 1.5, 2.0}) {
        const std::vector<float> out = stretched(path, speed, int(4000 / speed));
        for (int burst : {500, 1500, 2500}) {
            const double heard = burst / speed;
            // Stretching joins 40 ms pieces of the sound, so an onset may come
            // up to one piece early or late; the highlight allows 60 ms.
            EXPECT_NEAR(onsetMs(out, heard - 100), heard, 40) << burst << " ms at " << speed << "x";
            int crossings = 0;
            const size_t first = size_t((heard + 50) * rate / 1000);
            const size_t last = first + rate / 10; // 100 ms inside the burst
            for (size_t i = first; i < last; ++i)
                crossings += (out[i] < 0) != (out[i + 1] < 0);
            EXPECT_NEAR(crossings * 5.0, 440, 20) << "pitch at " << speed << "x";
        }
    }
}

TEST_F(SpeedTest, AtNormalSpeedTheStreamIsTheTrackItself)
{
    const QString path = dir.filePath(QStringLiteral("ramp.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, rate, 1, rate, mediatest::ramp);
    const std::vector<float> out = stretched(path, 1.0, 1000);
    const mediatest::Wave wave = mediatest::readWave(path);
    EXPECT_EQ(out, wave.samples);
}

} // namespace
