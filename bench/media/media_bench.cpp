// Wave audio figures: opening a long file, and how closely the position
// on the real device follows the playing time. Run through
// scripts/with-pulseaudio so a sound server is there.
#include "platform/media/mediaplayer.h"
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
// 50 ms. The playing time starts when the position first moves; the
// counters give how far the position strays from it.
void BM_PositionOnRealDevice(benchmark::State& state)
{
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
        QEventLoop loop;
        QElapsedTimer clock;
        double origin = -1;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const double elapsed = clock.nsecsElapsed() / 1e6;
            const int position = player.position();
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
        QTimer::singleShot(40000, &loop, &QEventLoop::quit);
        clock.start();
        player.play();
        tick.start(50);
        loop.exec();
    }
    state.counters["max_drift_ms"] = worst;
    state.counters["mean_drift_ms"] = samples ? sum / samples : 0;
    state.counters["readings"] = samples;
}
BENCHMARK(BM_PositionOnRealDevice)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
