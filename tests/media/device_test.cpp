#include "wavefile.h"

#include "platform/error.h"
#include "platform/media/mediaplayer.h"
#include "tests/support/fakedesktop.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

using platform::MediaPlayer;

namespace {

// Before anything in this process has asked for the sound server: point
// it at a server that is not there.
TEST(NoSoundDevice, OpenFailsSayingSo)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/native");
    if (!QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "the sound server was reached before this test ran";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sound.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 800, mediatest::ramp);
    MediaPlayer player;
    player.setFileName(path);
    try {
        player.open();
        ADD_FAILURE() << "opened without a sound device";
    } catch (const platform::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("No sound device"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(path));
    }
    EXPECT_FALSE(player.isOpen());
}

// Before anything in this process has asked for the sound server: a
// private server of its own, killed while the player plays. The player
// stopped "playing" forever with its position back at 0.
TEST(LostSoundServer, ThePlayerStopsWhereItWasAndSaysSoOnce)
{
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty())
        GTEST_SKIP() << "no pulseaudio (scripts/deps installs it)";
    QTemporaryDir runtime;
    const QString socket = runtime.filePath(QStringLiteral("native"));
    QProcess server;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), runtime.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    server.setProcessEnvironment(environment);
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start(pulseaudio, {"-n", "--daemonize=no", "--system=false", "--exit-idle-time=-1", "--use-pid-file=false",
                              "--log-target=stderr", "--log-level=info",
                              "-L", "module-native-protocol-unix socket=" + socket + " auth-anonymous=1",
                              "-L", "module-null-sink sink_name=null_output"});
    // The server says when it has loaded its modules.
    for (int i = 0; i < 100 && !QFile::exists(socket) && server.state() != QProcess::NotRunning; ++i)
        server.waitForReadyRead(100);
    if (!QFile::exists(socket))
        GTEST_SKIP() << "the private sound server did not start: " << server.readAll().toStdString();
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
    if (QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "the private sound server does not answer";

    testsupport::FakeDesktop desktop;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 5 * 22050,
                         [](sf_count_t f, int) { return 0.3f * std::sin(f * 0.06f); });
    MediaPlayer player;
    player.setFileName(path);
    player.open();

    // Run the event loop until the condition holds, for 5 s at most.
    auto runUntil = [](const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    player.play();
    runUntil([&] { return player.position() >= 500; });
    const int before = player.position();
    ASSERT_GE(before, 500) << "did not play";

    server.kill();
    server.waitForFinished();
    runUntil([&] { return player.mode() != MediaPlayer::Mode::Playing && !desktop.errors.empty(); });
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
    EXPECT_GE(player.position(), before);
    EXPECT_LT(player.position(), 5000);
    runUntil([] { return false; }); // nothing more is reported
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0].text,
              QStringLiteral("Playing %1 stopped: the sound device is no longer available.").arg(path));
}

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QMediaDevices::audioOutputs().isEmpty() || QMediaDevices::audioInputs().isEmpty())
            GTEST_SKIP() << "no sound server reachable (run through scripts/with-pulseaudio)";
    }

    QTemporaryDir dir;
};

// Plays a 3-second tone in real time, sampling the position as the
// player's tick would.
TEST_F(DeviceTest, PositionAdvancesAtRealSpeedToTheEnd)
{
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 3 * 22050,
                         [](sf_count_t f, int) { return 0.3f * std::sin(f * 0.06f); });
    MediaPlayer player;
    player.setFileName(path);
    player.open();
    ASSERT_EQ(player.length(), 3000);

    QEventLoop loop;
    QElapsedTimer clock;
    qint64 movedAt = -1;
    int last = 0;
    int worstDrift = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const int position = player.position();
        EXPECT_GE(position, last) << "the position went back";
        if (movedAt < 0 && position > 0)
            movedAt = clock.elapsed() - position;
        if (movedAt >= 0 && player.mode() == MediaPlayer::Mode::Playing)
            worstDrift = std::max(worstDrift, int(std::abs(clock.elapsed() - movedAt - position)));
        last = position;
        if (player.mode() == MediaPlayer::Mode::Stopped)
            loop.quit();
    });
    QTimer::singleShot(8000, &loop, &QEventLoop::quit);
    clock.start();
    player.play();
    tick.start(50);
    loop.exec();

    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped) << "did not reach the end in time";
    EXPECT_EQ(player.position(), 3000);
    EXPECT_GE(clock.elapsed(), 2900);
    // The exact figure is the benchmark's; this only catches a clock that
    // runs at the wrong speed or counts buffered audio as played.
    EXPECT_LT(worstDrift, 250);
}

TEST_F(DeviceTest, ARecordingIsSavedInTheTemplatesFormat)
{
    const QString templ = dir.filePath(QStringLiteral("empty.wav"));
    const QString temp = dir.filePath(QStringLiteral("temp.wav"));
    mediatest::writeWave(templ, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16000, 1, 1600, [](sf_count_t, int) { return 0.0f; });
    ASSERT_TRUE(QFile::copy(templ, temp));

    MediaPlayer recorder;
    recorder.setFileName(temp);
    recorder.open();
    QEventLoop loop;
    recorder.startRecording();
    QTimer::singleShot(2000, Qt::PreciseTimer, &loop, &QEventLoop::quit); // a coarse timer may fire 5 % early
    loop.exec();
    recorder.stop();
    recorder.save();

    const mediatest::Wave saved = mediatest::readWave(temp);
    const mediatest::Wave original = mediatest::readWave(templ);
    EXPECT_EQ(saved.info.format, original.info.format);
    EXPECT_EQ(saved.info.samplerate, 16000);
    EXPECT_EQ(saved.info.channels, 1);
    EXPECT_NEAR(double(saved.info.frames) / 16000, 2.0, 0.1);
}

// Twice as fast, the sound's own time runs twice as fast as the clock: the
// position counts the stretched audio back into the file's frames.
TEST_F(DeviceTest, AtTwiceTheSpeedFourSecondsPlayEightSecondsOfSound)
{
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    mediatest::writeWave(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 10 * 22050,
                         [](sf_count_t f, int) { return 0.3f * std::sin(f * 0.06f); });
    MediaPlayer player;
    player.setFileName(path);
    player.open();
    player.setSpeed(2.0);

    QEventLoop loop;
    QElapsedTimer clock;
    qint64 movedAt = -1;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (movedAt < 0 && player.position() > 0)
            movedAt = clock.elapsed() - player.position() / 2;
        if (movedAt >= 0 && clock.elapsed() - movedAt >= 4000)
            loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    clock.start();
    player.play();
    tick.start(10);
    loop.exec();
    const int position = player.position();
    const qint64 played = clock.elapsed() - movedAt;
    player.stop();

    ASSERT_GE(movedAt, 0) << "the position never moved";
    EXPECT_NEAR(position, 2 * played, 250);
    EXPECT_NEAR(position, 8000, 300);
}

} // namespace
