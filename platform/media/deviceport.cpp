#include "deviceport.h"

#include "audiotrack.h"
#include "formatconverter.h"
#include "samplecodec.h"
#include "trackstream.h"
#include "../error.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QAudioSource>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace platform::media {

namespace {

// How often a playing port looks for the end of the track.
constexpr int endCheckMs = 20;
// Audio queued ahead on the server. Qt's default (about 150 ms) runs dry
// when the machine is busy; the position counts only what was played, so a
// longer queue costs no accuracy.
constexpr int queuedMs = 500;
// The server hands recorded audio over in blocks of this length; what is
// still in the last block when recording stops is lost, so it stays short.
constexpr int captureBlockMs = 30;

QAudioFormat::SampleFormat nearestSampleFormat(const SF_INFO& info)
{
    switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8: return QAudioFormat::UInt8;
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32: return QAudioFormat::Int32;
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE: return QAudioFormat::Float;
    default: return QAudioFormat::Int16; // A-law, u-law, ADPCM decode to 16 bits
    }
}

// The format asked for when the device offers it, else the device's own.
QAudioFormat formatFor(const QAudioDevice& device, int rate, int channels, QAudioFormat::SampleFormat sampleFormat)
{
    QAudioFormat wanted;
    wanted.setSampleRate(rate);
    wanted.setChannelCount(channels);
    wanted.setSampleFormat(sampleFormat);
    return device.isFormatSupported(wanted) ? wanted : device.preferredFormat();
}

class DevicePort : public AudioPort {
public:
    DevicePort(AudioTrack& track, const QString& path) : m_track(track), m_path(path)
    {
        m_endCheck.setInterval(endCheckMs);
        QObject::connect(&m_endCheck, &QTimer::timeout, [this] { checkEnd(); });
    }
    ~DevicePort() override { halt(); }

    void play(int64_t frame) override
    {
        halt();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            throw Error(QStringLiteral("No sound output device is available"));
        const QAudioFormat format = formatFor(device, m_track.sampleRate(), m_track.channels(), QAudioFormat::Float);
        m_start = m_position = m_played = frame;
        m_stream = std::make_unique<TrackStream>(m_track, frame, format, speed);
        m_playSpeed = speed;
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(format.bytesForDuration(queuedMs * 1000));
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, [this] { noteDeviceError(m_sink->error()); });
        m_sink->start(m_stream.get());
        m_endCheck.start();
    }

    void record(int64_t frame) override
    {
        halt();
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (device.isNull())
            throw Error(QStringLiteral("No sound input device is available"));
        m_captureFormat = formatFor(device, m_track.sampleRate(), m_track.channels(), nearestSampleFormat(m_track.format()));
        if (m_captureFormat.sampleRate() != m_track.sampleRate() || m_captureFormat.channelCount() != m_track.channels())
            m_converter = std::make_unique<FormatConverter>(m_captureFormat.channelCount(), m_captureFormat.sampleRate(),
                                                            m_track.channels(), m_track.sampleRate());
        m_start = m_position = frame;
        m_source = std::make_unique<QAudioSource>(device, m_captureFormat);
        m_source->setBufferSize(m_captureFormat.bytesForDuration(captureBlockMs * 1000));
        QObject::connect(m_source.get(), &QAudioSource::stateChanged, [this] { noteDeviceError(m_source->error()); });
        m_capture = m_source->start();
        m_recordClock.start(); // once connected: the recording begins now
        if (m_capture)
            QObject::connect(m_capture, &QIODevice::readyRead, [this] { takeIn(false); });
        m_endCheck.start();
    }

    void halt() override
    {
        m_endCheck.stop();
        m_deviceLost = false;
        if (m_sink) {
            m_position = playedFrame();
            QObject::disconnect(m_sink.get(), nullptr, nullptr, nullptr);
            m_sink->stop();
            m_sink.reset();
            m_stream.reset();
        }
        if (m_source) {
            QObject::disconnect(m_source.get(), nullptr, nullptr, nullptr);
            if (m_capture) {
                QObject::disconnect(m_capture, nullptr, nullptr, nullptr);
                takeIn(true);
            }
            m_source->stop();
            m_source.reset();
            m_capture = nullptr;
            m_converter.reset();
        }
    }

    int64_t position() const override { return m_sink ? playedFrame() : m_position; }

private:
    // processedUSecs() is what the server reports as played, latency
    // already taken off; frames still buffered are not counted. Stretched
    // audio is counted back in frames of the track. A sink whose server went
    // away reports 0: the position never goes back.
    int64_t playedFrame() const
    {
        const int64_t played = m_playSpeed == 1.0
            ? m_sink->processedUSecs() * m_track.sampleRate() / 1'000'000
            : int64_t(double(m_sink->processedUSecs()) * m_track.sampleRate() * m_playSpeed / 1e6);
        m_played = std::max(m_played, std::min(m_start + played, m_track.frames()));
        return m_played;
    }

    void checkEnd()
    {
        if (m_deviceLost)
            return stopFailing(QStringLiteral("%1 %2 stopped: the sound device is no longer available")
                                   .arg(m_sink ? QStringLiteral("Playing") : QStringLiteral("Recording into"), m_path));
        if (!m_sink)
            return;
        if (!m_stream->failure().isEmpty())
            return stopFailing(m_stream->failure());
        if (playedFrame() < m_track.frames())
            return;
        halt();
        if (playbackEnded)
            playbackEnded();
    }

    // Underruns come and go on a busy machine; the other errors end the
    // stream for good (the server went away, the device was unplugged).
    // The next check stops it: the sink cannot go inside its own signal.
    void noteDeviceError(QAudio::Error error)
    {
        if (error != QAudio::NoError && error != QAudio::UnderrunError)
            m_deviceLost = true;
    }

    void stopFailing(const QString& reason)
    {
        halt();
        if (failed)
            failed(reason);
    }

    void takeIn(bool last)
    {
        const QByteArray bytes = m_capture->readAll();
        const qsizetype samples = bytes.size() / m_captureFormat.bytesPerSample();
        m_decoded.resize(size_t(samples));
        decodeSamples(bytes.constData(), samples, m_captureFormat.sampleFormat(), m_decoded.data());
        const long frames = long(samples / m_captureFormat.channelCount());
        if (m_converter) {
            m_converted.clear();
            m_converter->convert(m_decoded.data(), frames, last, m_converted);
            append(m_converted);
        } else {
            m_decoded.resize(size_t(frames) * m_captureFormat.channelCount());
            append(m_decoded);
        }
    }

    // A source may hand over, at its start, audio it captured before it
    // was asked to (the null source of a test server delivers seconds at
    // once). Frames older than the recording cannot belong to it: only the
    // newest ones that fit in the time since the start are kept.
    void append(const std::vector<float>& samples)
    {
        const int channels = m_track.channels();
        const int64_t frames = int64_t(samples.size()) / channels;
        const int64_t elapsed = m_recordClock.nsecsElapsed() * m_track.sampleRate() / 1'000'000'000;
        const int64_t room = std::max<int64_t>(0, elapsed - (m_position - m_start));
        const int64_t kept = std::min(frames, room);
        m_track.overwrite(m_position, samples.data() + (frames - kept) * channels, kept);
        m_position += kept;
    }

    AudioTrack& m_track;
    QString m_path;
    int64_t m_start = 0;
    mutable int64_t m_played = 0; // the furthest frame the sink reported
    bool m_deviceLost = false;
    int64_t m_position = 0;
    double m_playSpeed = 1.0;
    QTimer m_endCheck;

    std::unique_ptr<TrackStream> m_stream;
    std::unique_ptr<QAudioSink> m_sink;

    QAudioFormat m_captureFormat;
    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_capture = nullptr; // owned by m_source
    QElapsedTimer m_recordClock;
    std::unique_ptr<FormatConverter> m_converter;
    std::vector<float> m_decoded;
    std::vector<float> m_converted;
};

} // namespace

std::unique_ptr<AudioPort> connectSoundDevice(AudioTrack& track, const QString& path)
{
    if (QMediaDevices::audioOutputs().isEmpty() && QMediaDevices::audioInputs().isEmpty())
        throw Error(QStringLiteral("No sound device is available to open %1").arg(path));
    return std::make_unique<DevicePort>(track, path);
}

} // namespace platform::media
