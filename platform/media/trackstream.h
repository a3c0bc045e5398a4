#pragma once

#include "formatconverter.h"
#include "timestretcher.h"

#include <QAudioFormat>
#include <QIODevice>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace platform::media {

class AudioTrack;

// The track from a frame on, as bytes in the sink's format; silence after
// the end, so the device keeps its clock running until the port sees the
// end and stops it. At a speed other than 1 the track is time-stretched
// first; at 1 nothing stands between the track and the conversion.
class TrackStream : public QIODevice {
public:
    TrackStream(AudioTrack& track, int64_t frame, const QAudioFormat& format, double speed = 1.0);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // Why reading the track failed, empty while it has not. The device
    // pulls on its own schedule and must never meet an exception: after a
    // failure the stream gives silence and the port stops it.
    const QString& failure() const { return m_failure; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void produce(size_t samples);

    AudioTrack& m_track;
    int64_t m_next;
    QAudioFormat m_format;
    std::unique_ptr<TimeStretcher> m_stretcher;   // when not at normal speed
    std::unique_ptr<FormatConverter> m_converter; // when the sink differs from the file
    std::vector<float> m_pending;                 // converted, in the sink's channels
    std::vector<float> m_chunk;
    std::vector<float> m_stretched;
    QString m_failure;
};

} // namespace platform::media
