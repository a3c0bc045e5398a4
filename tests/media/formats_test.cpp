#include "wavefile.h"

#include "platform/media/mediaplayer.h"
#include "platform/media/virtualaudio.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using platform::MediaPlayer;
using mediatest::readWave;

namespace {

struct Format {
    const char* name;
    int subtype;
    int rate;
    int channels;
    float tolerance;  // of a sample saved again against the one read
    int blockFrames;  // ADPCM pads its last block
};

class FormatsTest : public ::testing::TestWithParam<Format> {};

// Open, record 300 ms at 200 ms, save elsewhere: the file keeps its format
// and every sample the recording did not touch.
TEST_P(FormatsTest, RoundTripsThroughOpenRecordAndSave)
{
    const Format& format = GetParam();
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.wav"));
    const QString target = dir.filePath(QStringLiteral("target.wav"));
    const sf_count_t frames = format.rate; // one second
    mediatest::writeWave(source, SF_FORMAT_WAV | format.subtype, format.rate, format.channels, frames, mediatest::ramp);
    const mediatest::Wave original = readWave(source);

    platform::VirtualAudioDevice audio;
    audio.setInputSignal([](int, double) { return 0.25f; });
    MediaPlayer player;
    player.setFileName(source);
    player.open();
    EXPECT_EQ(player.length(), int(original.info.frames * 1000 / format.rate));
    player.setPosition(200);
    player.startRecording();
    audio.advance(300);
    player.stop();
    player.setFileName(target);
    player.save();

    const mediatest::Wave saved = readWave(target);
    EXPECT_EQ(saved.info.format, original.info.format);
    EXPECT_EQ(saved.info.samplerate, format.rate);
    EXPECT_EQ(saved.info.channels, format.channels);
    EXPECT_GE(saved.info.frames, original.info.frames);
    EXPECT_LT(saved.info.frames, original.info.frames + format.blockFrames);

    const sf_count_t start = sf_count_t(std::ceil(0.2 * format.rate)), end = start + sf_count_t(std::ceil(0.3 * format.rate));
    // ADPCM needs some frames to adapt after a jump in the signal.
    const sf_count_t settle = format.blockFrames > 1 ? 64 : 0;
    double worstKept = 0, worstRecorded = 0;
    for (sf_count_t f = 0; f < original.info.frames; ++f) {
        for (int c = 0; c < format.channels; ++c) {
            if (f >= start && f < end) {
                if (f >= start + settle)
                    worstRecorded = std::max(worstRecorded, double(std::abs(saved.at(f, c) - 0.25f)));
            } else if (f < start - settle || f >= end + settle) {
                worstKept = std::max(worstKept, double(std::abs(saved.at(f, c) - original.at(f, c))));
            }
        }
    }
    EXPECT_LE(worstKept, format.tolerance);
    EXPECT_LE(worstRecorded, std::max(format.tolerance, 0.01f));
}

const Format formats[] = {
    {"pcm8_mono", SF_FORMAT_PCM_U8, 11025, 1, 0, 1},
    {"pcm16_stereo", SF_FORMAT_PCM_16, 44100, 2, 0, 1},
    {"pcm16_mono", SF_FORMAT_PCM_16, 22050, 1, 0, 1},
    {"pcm24_stereo", SF_FORMAT_PCM_24, 48000, 2, 0, 1},
    {"pcm32_mono", SF_FORMAT_PCM_32, 16000, 1, 0, 1},
    {"float_stereo", SF_FORMAT_FLOAT, 44100, 2, 0, 1},
    {"double_mono", SF_FORMAT_DOUBLE, 8000, 1, 0, 1},
    {"alaw_mono", SF_FORMAT_ALAW, 8000, 1, 0, 1},
    {"ulaw_stereo", SF_FORMAT_ULAW, 8000, 2, 0, 1},
    {"ima_adpcm_mono", SF_FORMAT_IMA_ADPCM, 22050, 1, 0.02f, 2048},
    {"ima_adpcm_stereo", SF_FORMAT_IMA_ADPCM, 11025, 2, 0.02f, 2048},
    {"ms_adpcm_mono", SF_FORMAT_MS_ADPCM, 22050, 1, 0.02f, 2048},
    {"ms_adpcm_stereo", SF_FORMAT_MS_ADPCM, 44100, 2, 0.02f, 2048},
};

INSTANTIATE_TEST_SUITE_P(Wave, FormatsTest, ::testing::ValuesIn(formats),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
