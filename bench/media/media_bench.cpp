// Wave audio figures: opening a long file, how closely the position on the
// real device follows the playing time, at normal speed and slower or
// faster, and what stretching speech costs. Run through
// scripts/with-pulseaudio so a sound server is there.
#include "platform/media/audiotrack.h"
#include "platform/media/mediaplayer.h"
#include "platform/media/trackstream.h"
#include "platform/media/virtualaudio.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cmath>
#include <ctime>
#include <vector>

namespace {

QString writeTone(const QTemporaryDir& dir, const QString& name, int seconds, int channels)
{
    const QString path = dir.filePath(name);
    SF_INFO info{};
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    info.samplerate = 44100;
    info.channels = channels;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    std::vector<short> block(size_t(44100 * channels));
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = short(8000 * std::sin(double(i / channels) * 0.0627));
    for (int s = 0; s < seconds; ++s)
        sf_writef_short(file, block.data(), 44100);
    sf_close(file);
    return path;
}

// A 5-minute 44.1 kHz stereo file: open reads the header only.
void BM_OpenFiveMinuteWave(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeTone(dir, QStringLiteral("long.wav"), 300, 2);
    platform::VirtualAudioDevice audio;
    platform::MediaPlayer player;
    player.setFileName(path);
    for (auto _ : state) {
        player.open();
        benchmark::DoNotOptimize(player.length());
        player.close();
    }
}
BENCHMARK(BM_OpenFiveMinuteWave)->Unit(benchmark::kMillisecond);

// Plays a 30-second file on the sound server, reading the position every
// 50 ms, at the speed in tenths of the argument (20 s of playing time at
// other speeds than normal). The playing time starts when the position
// first moves; the counters give how far the position, taken back to
// playing time (divided by the speed), strays from it: how far the
// highlight can be from the voice as heard.
void BM_PositionOnRealDevice(benchmark::State& state)
{
    const double speed = double(state.range(0)) / 10;
    const int playMs = speed == 1.0 ? 40000 : 20000;
    if (QMediaDevices::audioOutputs().isEmpty()) {
        state.SkipWithError("no sound server reachable");
        return;
    }
    QTemporaryDir dir;
    const QString path = writeTone(dir, QStringLiteral("thirty.wav"), 30, 1);
    double worst = 0, sum = 0;
    int samples = 0;
    for (auto _ : state) {
        platform::MediaPlayer player;
        player.setFileName(path);
        player.open();
        player.setSpeed(speed);
        QEventLoop loop;
        QElapsedTimer clock;
        double origin = -1;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const double elapsed = clock.nsecsElapsed() / 1e6;
            const double position = player.position() / speed;
            if (player.mode() != platform::MediaPlayer::Mode::Playing) {
                loop.quit();
                return;
            }
            if (origin < 0 && position > 0)
                origin = elapsed - position;
            if (origin >= 0) {
                const double drift = std::abs(elapsed - origin - position);
                worst = std::max(worst, drift);
                sum += drift;
                ++samples;
            }
        });
        QTimer::singleShot(playMs, &loop, &QEventLoop::quit);
        clock.start();
        player.play();
        tick.start(50);
        loop.exec();
    }
    state.counters["max_drift_ms"] = worst;
    state.counters["mean_drift_ms"] = samples ? sum / samples : 0;
    state.counters["readings"] = samples;
}
BENCHMARK(BM_PositionOnRealDevice)->Arg(10)->Arg(5)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond);

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The sample course's espeak speech (22,050 Hz mono, 16 bits) read as the
// sink reads it, at the speed in tenths of the argument: the cost of the
// audio path in percent of one core while it plays.
void BM_SpeechStream(benchmark::State& state)
{
    const double speed = double(state.range(0)) / 10;
    platform::media::AudioTrack track(
        platform::media::SoundFile::openForReading(QStringLiteral(SAMPLE_SOUNDS "/day.wav")));
    QAudioFormat format;
    format.setSampleRate(track.sampleRate());
    format.setChannelCount(track.channels());
    format.setSampleFormat(QAudioFormat::Float);
    const qint64 playedFrames = qint64(double(track.frames()) / speed);
    std::vector<float> block(4096); // about what the sink asks for at a time
    double cpu = 0, played = 0;
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        platform::media::TrackStream stream(track, 0, format, speed);
        for (qint64 done = 0; done < playedFrames; done += qint64(block.size()))
            stream.read(reinterpret_cast<char*>(block.data()), qint64(block.size() * sizeof(float)));
        cpu += threadCpuSeconds() - start;
        played += double(playedFrames) / track.sampleRate();
    }
    state.counters["cpu_percent_of_a_core"] = 100 * cpu / played;
    state.counters["sound_seconds"] = double(track.frames()) / track.sampleRate();
}
BENCHMARK(BM_SpeechStream)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
