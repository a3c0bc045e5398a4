#include "wavefile.h"

#include "platform/error.h"
#include "platform/media/mediaplayer.h"
#include "platform/media/virtualaudio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using platform::MediaPlayer;
using Mode = platform::MediaPlayer::Mode;

namespace {

class MediaPlayerTest : public ::testing::Test {
protected:
    // A 2-second mono ramp at 22050 Hz, a rate whose milliseconds are not
    // whole frames.
    QString makeSound(const QString& name = QStringLiteral("sound.wav"), int ms = 2000, int rate = 22050)
    {
        const QString path = dir.filePath(name);
        mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, 1, sf_count_t(ms) * rate / 1000, mediatest::ramp);
        return path;
    }

    MediaPlayer& opened(const QString& path)
    {
        player.setFileName(path);
        player.open();
        return player;
    }

    QTemporaryDir dir;
    platform::VirtualAudioDevice audio;
    MediaPlayer player;
};

TEST_F(MediaPlayerTest, OperationsOnAPlayerThatIsNotOpenRaise)
{
    const std::vector<std::pair<const char*, std::function<void(MediaPlayer&)>>> operations = {
        {"play", [](MediaPlayer& p) { p.play(); }},
        {"record", [](MediaPlayer& p) { p.startRecording(); }},
        {"stop", [](MediaPlayer& p) { p.stop(); }},
        {"pause", [](MediaPlayer& p) { p.pause(); }},
        {"seek", [](MediaPlayer& p) { p.setPosition(100); }},
        {"position", [](MediaPlayer& p) { (void)p.position(); }},
        {"length", [](MediaPlayer& p) { (void)p.length(); }},
        {"save", [](MediaPlayer& p) { p.save(); }},
    };
    const QString sound = makeSound();
    for (bool wasOpened : {false, true}) {
        MediaPlayer fresh;
        fresh.setFileName(sound);
        if (wasOpened) {
            fresh.open();
            fresh.close();
        }
        fresh.close(); // closing a closed player does nothing
        EXPECT_EQ(fresh.mode(), Mode::NotOpen);
        for (const auto& [name, operation] : operations) {
            try {
                operation(fresh);
                ADD_FAILURE() << name << " did not raise (opened before: " << wasOpened << ")";
            } catch (const platform::Error& e) {
                EXPECT_EQ(e.message(), QStringLiteral("No MCI device open")) << name;
            }
        }
    }
}

TEST_F(MediaPlayerTest, OpenFailsWithTheLibraryTextAndThePath)
{
    const QString garbage = dir.filePath(QStringLiteral("garbage.wav"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const QString missing = dir.filePath(QStringLiteral("missing.wav"));

    for (const QString& path : {missing, garbage}) {
        player.setFileName(path);
        try {
            player.open();
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const platform::Error& e) {
            EXPECT_TRUE(e.message().startsWith(path + QStringLiteral(": "))) << e.message().toStdString();
            EXPECT_GT(e.message().size(), path.size() + 10) << e.message().toStdString();
        }
        EXPECT_FALSE(player.isOpen());
    }
}

TEST_F(MediaPlayerTest, OpensPathsBuiltWithBackslashesAndReopensAnotherFile)
{
    QDir(dir.path()).mkpath(QStringLiteral("data/sound"));
    makeSound(QStringLiteral("data/sound/Lesson.wav"), 1500);
    const QString other = makeSound(QStringLiteral("other.wav"), 700);

    opened(dir.path() + QStringLiteral("\\data\\sound\\lesson.wav"));
    EXPECT_EQ(player.length(), 1500);
    player.play();
    opened(other); // a device still open is closed first
    EXPECT_EQ(player.length(), 700);
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.position(), 0);
}

TEST_F(MediaPlayerTest, SeekIsExactToTheMillisecondAndClampedToTheSound)
{
    for (int rate : {8000, 11025, 22050, 44100, 48000}) {
        opened(makeSound(QStringLiteral("seek.wav"), 2000, rate));
        const std::vector<std::pair<int, int>> seeks = {{0, 0}, {1, 1}, {333, 333}, {1999, 1999}, {2000, 2000}, {2500, 2000}, {-40, 0}};
        for (const auto& [ms, expected] : seeks) {
            player.setPosition(ms);
            EXPECT_EQ(player.position(), expected) << "rate " << rate << ", seek " << ms;
        }
    }
}

TEST_F(MediaPlayerTest, PlaysAtTheClocksPaceAndStopsAtTheEnd)
{
    opened(makeSound());
    player.setPosition(1000);
    player.play();
    EXPECT_EQ(player.mode(), Mode::Playing);
    audio.advance(250);
    EXPECT_EQ(player.position(), 1250);
    for (int i = 0; i < 2; ++i)
        audio.advance(250);
    EXPECT_EQ(player.mode(), Mode::Playing);
    EXPECT_EQ(player.position(), 1750);
    audio.advance(300); // past the end
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.position(), 2000);
    audio.advance(250);
    EXPECT_EQ(player.position(), 2000);

    player.play(); // at the end: from the beginning
    audio.advance(100);
    EXPECT_EQ(player.mode(), Mode::Playing);
    EXPECT_EQ(player.position(), 100);
}

TEST_F(MediaPlayerTest, StopAndSeekKeepThePositionAndEndPlaying)
{
    opened(makeSound());
    player.play();
    audio.advance(300);
    player.stop();
    audio.advance(300);
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.position(), 300);

    player.play(); // from where it stopped
    audio.advance(200);
    EXPECT_EQ(player.position(), 500);
    player.setPosition(1200); // positioned there, not playing
    audio.advance(200);
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.position(), 1200);
}

TEST_F(MediaPlayerTest, PauseTogglesOnlyPlayback)
{
    opened(makeSound());
    player.pause(); // stopped: nothing happens
    EXPECT_EQ(player.mode(), Mode::Stopped);

    player.play();
    audio.advance(400);
    player.pause();
    EXPECT_EQ(player.mode(), Mode::Paused);
    audio.advance(400);
    EXPECT_EQ(player.position(), 400);
    player.pause();
    EXPECT_EQ(player.mode(), Mode::Playing);
    audio.advance(100);
    EXPECT_EQ(player.position(), 500);

    player.pause();
    player.stop();
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.position(), 500);

    player.startRecording();
    player.pause(); // recording is not playing: it goes on
    EXPECT_EQ(player.mode(), Mode::Recording);
    audio.advance(100);
    EXPECT_EQ(player.position(), 600);
}

TEST_F(MediaPlayerTest, TwoPlayersRunAtOnceOnOneDevice)
{
    const QString recording = makeSound(QStringLiteral("temp.wav"), 0, 22050);
    MediaPlayer recorder;
    recorder.setFileName(recording);
    recorder.open();
    opened(makeSound(QStringLiteral("lesson.wav"), 1000));

    recorder.startRecording();
    player.play();
    for (int i = 0; i < 6; ++i)
        audio.advance(250);
    EXPECT_EQ(player.mode(), Mode::Stopped); // the lesson sound ended
    EXPECT_EQ(player.position(), 1000);
    EXPECT_EQ(recorder.mode(), Mode::Recording);
    EXPECT_EQ(recorder.position(), 1500);
    recorder.stop();
    EXPECT_EQ(recorder.length(), 1500);
}

TEST_F(MediaPlayerTest, AnEmptySoundOpensAndDoesNotPlay)
{
    opened(makeSound(QStringLiteral("empty.wav"), 0));
    EXPECT_EQ(player.length(), 0);
    player.play();
    audio.advance(250);
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.position(), 0);
}

} // namespace
