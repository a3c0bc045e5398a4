#include "trackstream.h"

#include "audiotrack.h"
#include "samplecodec.h"
#include "../error.h"

#include <algorithm>
#include <limits>

namespace platform::media {

namespace {
constexpr int64_t chunkFrames = 2048;
}

TrackStream::TrackStream(AudioTrack& track, int64_t frame, const QAudioFormat& format, double speed)
    : m_track(track), m_next(frame), m_format(format)
{
    if (speed != 1.0)
        m_stretcher = std::make_unique<TimeStretcher>(track.channels(), track.sampleRate(), speed);
    if (format.channelCount() != track.channels() || format.sampleRate() != track.sampleRate())
        m_converter = std::make_unique<FormatConverter>(track.channels(), track.sampleRate(),
                                                        format.channelCount(), format.sampleRate());
    open(QIODevice::ReadOnly);
}

qint64 TrackStream::bytesAvailable() const
{
    return std::numeric_limits<int>::max(); // endless: silence follows the end
}

void TrackStream::produce(size_t samples)
{
    const int channels = m_track.channels();
    m_chunk.resize(size_t(chunkFrames * channels));
    while (m_pending.size() < samples) {
        int64_t got = 0;
        if (m_failure.isEmpty()) {
            try {
                got = m_track.read(m_next, m_chunk.data(), chunkFrames);
            } catch (const Error& error) {
                m_failure = error.message();
            } catch (const std::exception& error) {
                m_failure = QString::fromLocal8Bit(error.what());
            }
        }
        std::fill(m_chunk.begin() + got * channels, m_chunk.end(), 0.0f);
        m_next += chunkFrames;
        const std::vector<float>* frames = &m_chunk;
        if (m_stretcher) {
            m_stretched.clear();
            m_stretcher->stretch(m_chunk.data(), long(chunkFrames), m_stretched);
            frames = &m_stretched;
        }
        if (m_converter)
            m_converter->convert(frames->data(), long(frames->size() / size_t(channels)), false, m_pending);
        else
            m_pending.insert(m_pending.end(), frames->begin(), frames->end());
    }
}

qint64 TrackStream::readData(char* data, qint64 maxSize)
{
    const int frameBytes = m_format.bytesPerFrame();
    const qint64 frames = maxSize / frameBytes;
    const size_t samples = size_t(frames * m_format.channelCount());
    produce(samples);
    encodeSamples(m_pending.data(), qsizetype(samples), m_format.sampleFormat(), data);
    m_pending.erase(m_pending.begin(), m_pending.begin() + qsizetype(samples));
    return frames * frameBytes;
}

} // namespace platform::media
