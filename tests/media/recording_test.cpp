#include "wavefile.h"

#include "platform/error.h"
#include "platform/media/mediaplayer.h"
#include "platform/media/virtualaudio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using platform::MediaPlayer;
using mediatest::readWave;

namespace {

constexpr int rate = 8000;
constexpr int framesPerMs = rate / 1000;

class RecordingTest : public ::testing::Test {
protected:
    // The template holds a 1-second stereo ramp.
    void SetUp() override
    {
        mediatest::writeWave(temp, SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, 2, rate, mediatest::ramp);
        original = readWave(temp);
        player.setFileName(temp);
        player.open();
    }

    void recordAt(int ms, int forMs, float level)
    {
        audio.setInputSignal([level](int channel, double) { return channel == 0 ? level : -level; });
        player.setPosition(ms);
        player.startRecording();
        audio.advance(forMs);
        player.stop();
    }

    // Every frame of the saved file is either the template's or the level
    // recorded over it.
    static void expectFrames(const mediatest::Wave& saved, const mediatest::Wave& original, sf_count_t from, sf_count_t to,
                             float level)
    {
        for (sf_count_t f = from; f < to; ++f) {
            const float left = level == 0 ? original.at(f, 0) : level;
            const float right = level == 0 ? original.at(f, 1) : -level;
            ASSERT_FLOAT_EQ(saved.at(f, 0), left) << "frame " << f;
            ASSERT_FLOAT_EQ(saved.at(f, 1), right) << "frame " << f;
        }
    }

    QTemporaryDir dir;
    const QString temp = dir.filePath(QStringLiteral("temp.wav"));
    mediatest::Wave original;
    platform::VirtualAudioDevice audio;
    MediaPlayer player;
};

TEST_F(RecordingTest, RecordingOverwritesFromThePositionAndExtendsTheFile)
{
    struct Case {
        int fromMs, forMs, lengthMs;
    };
    const Case cases[] = {
        {200, 300, 1000}, // inside: the template's tail stays
        {600, 900, 1500}, // over the end
        {1000, 250, 1250}, // from the end
        {0, 1000, 1000},  // exactly over all of it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fromMs);
        mediatest::writeWave(temp, SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, 2, rate, mediatest::ramp);
        player.open();
        recordAt(c.fromMs, c.forMs, 0.5f);
        EXPECT_EQ(player.position(), c.fromMs + c.forMs); // stop keeps the position
        EXPECT_EQ(player.length(), c.lengthMs);
        player.save();

        const mediatest::Wave saved = readWave(temp);
        EXPECT_EQ(saved.info.format, original.info.format);
        EXPECT_EQ(saved.info.samplerate, rate);
        EXPECT_EQ(saved.info.channels, 2);
        ASSERT_EQ(saved.info.frames, c.lengthMs * framesPerMs);
        const sf_count_t start = c.fromMs * framesPerMs, end = (c.fromMs + c.forMs) * framesPerMs;
        expectFrames(saved, original, 0, start, 0);
        expectFrames(saved, original, start, end, 0.5f);
        expectFrames(saved, original, end, saved.info.frames, 0);
    }
}

TEST_F(RecordingTest, ALaterTakeOverwritesPartOfAnEarlierOne)
{
    recordAt(100, 500, 0.25f);
    recordAt(300, 100, 0.75f);
    recordAt(900, 200, 0.5f);
    player.save();

    const mediatest::Wave saved = readWave(temp);
    ASSERT_EQ(saved.info.frames, 1100 * framesPerMs);
    const std::vector<std::tuple<int, int, float>> spans = {
        {0, 100, 0}, {100, 300, 0.25f}, {300, 400, 0.75f}, {400, 600, 0.25f}, {600, 900, 0}, {900, 1100, 0.5f}};
    for (const auto& [from, to, level] : spans)
        expectFrames(saved, original, from * framesPerMs, to * framesPerMs, level);
}

TEST_F(RecordingTest, SavingWhileRecordingStopsAndSavesItWhole)
{
    player.startRecording();
    audio.advance(1500);
    player.save();
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
    EXPECT_EQ(readWave(temp).info.frames, 1500 * framesPerMs);
}

TEST_F(RecordingTest, AnEmptyFileNameSavesNothing)
{
    const QByteArray before = [&] { QFile f(temp); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    recordAt(0, 300, 0.5f);
    player.setFileName(QString());
    player.save();
    QFile f(temp);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("temp.wav")});
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Write errors as on a full disk: files may not grow past a few bytes.
// Root is bound by this limit too, unlike by permission bits.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

TEST_F(RecordingTest, AFailedSaveRaisesAndLosesNothing)
{
    recordAt(0, 2000, 0.5f);
    const QByteArray before = contents(temp);

    // A folder where the file should be, a file where its folder should be,
    // and a disk that fills up while writing.
    QDir(dir.path()).mkpath(QStringLiteral("taken.wav/inside"));
    QFile(dir.filePath(QStringLiteral("notafolder"))).open(QIODevice::WriteOnly);
    const std::vector<std::pair<QString, bool>> failures = {
        {dir.filePath(QStringLiteral("taken.wav")), false},
        {dir.filePath(QStringLiteral("notafolder/temp.wav")), false},
        {temp, true},
    };
    for (const auto& [target, fullDisk] : failures) {
        SCOPED_TRACE(target.toStdString());
        player.setFileName(target);
        std::optional<FileSizeLimit> limit;
        if (fullDisk)
            limit.emplace(4096);
        EXPECT_THROW(player.save(), platform::Error);
    }
    EXPECT_EQ(contents(temp), before); // the old file is whole
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("taken.wav/inside"))).exists());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("notafolder"), QStringLiteral("temp.wav")})); // no temporary files left

    // The recording is still there to be saved once the disk has room.
    player.setFileName(temp);
    player.save();
    EXPECT_EQ(readWave(temp).info.frames, 2000 * framesPerMs);
}

} // namespace
