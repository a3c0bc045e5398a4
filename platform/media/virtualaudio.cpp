#include "virtualaudio.h"

#include "audioport.h"
#include "audiotrack.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {
VirtualAudioDevice* s_current = nullptr;
}

namespace media {

// Plays and records on the device's clock: the frame count follows the
// milliseconds advanced since the start, so rounding never accumulates.
class VirtualPort : public AudioPort {
public:
    VirtualPort(VirtualAudioDevice* device, AudioTrack& track) : m_device(device), m_track(track) {}
    ~VirtualPort() override
    {
        if (m_device)
            m_device->detach(this);
    }

    void play(int64_t frame) override
    {
        start(State::Playing, frame);
        m_playSpeed = speed;
    }
    void record(int64_t frame) override { start(State::Recording, frame); }
    void halt() override { m_state = State::Idle; }
    int64_t position() const override { return m_position; }

    void fail(const QString& reason)
    {
        if (m_state == State::Idle)
            return;
        m_state = State::Idle;
        if (failed)
            failed(reason);
    }

    void deviceGone()
    {
        m_device = nullptr;
        m_state = State::Idle;
    }

    void advance(int ms, const VirtualAudioDevice::Signal& signal)
    {
        if (m_state == State::Idle || ms <= 0)
            return;
        m_elapsedMs += ms;
        // Rounded up, as a seek rounds: a player seeked to 1000 ms reads
        // 1250 ms after 250 ms, whatever the rate.
        if (m_state == State::Playing)
            advancePlayback(m_start + playedFrames());
        else
            takeIn(m_start + (m_elapsedMs * m_track.sampleRate() + 999) / 1000, signal);
    }

private:
    enum class State { Idle, Playing, Recording };

    void start(State state, int64_t frame)
    {
        m_state = state;
        m_start = m_position = frame;
        m_elapsedMs = 0;
    }

    // Frames of the track played since the start, at the speed playback
    // started with; rounded up like the frames at normal speed.
    int64_t playedFrames() const
    {
        if (m_playSpeed == 1.0)
            return (m_elapsedMs * m_track.sampleRate() + 999) / 1000;
        return int64_t(std::ceil(double(m_elapsedMs) * m_track.sampleRate() * m_playSpeed / 1000 - 1e-6));
    }

    void advancePlayback(int64_t target)
    {
        m_position = std::min(target, m_track.frames());
        if (m_position == m_track.frames()) {
            m_state = State::Idle;
            if (playbackEnded)
                playbackEnded();
        }
    }

    void takeIn(int64_t target, const VirtualAudioDevice::Signal& signal)
    {
        const int channels = m_track.channels();
        const double rate = m_track.sampleRate();
        std::vector<float> samples(size_t((target - m_position) * channels), 0.0f);
        if (signal) {
            for (int64_t f = m_position; f < target; ++f)
                for (int c = 0; c < channels; ++c)
                    samples[size_t((f - m_position) * channels + c)] = signal(c, double(f - m_start) / rate);
        }
        m_track.overwrite(m_position, samples.data(), target - m_position);
        m_position = target;
    }

    VirtualAudioDevice* m_device;
    AudioTrack& m_track;
    State m_state = State::Idle;
    int64_t m_start = 0;
    int64_t m_position = 0;
    int64_t m_elapsedMs = 0;
    double m_playSpeed = 1.0;
};

} // namespace media

VirtualAudioDevice::VirtualAudioDevice() : m_previous(s_current)
{
    s_current = this;
}

VirtualAudioDevice::~VirtualAudioDevice()
{
    for (media::VirtualPort* port : m_ports)
        port->deviceGone();
    s_current = m_previous;
}

VirtualAudioDevice* VirtualAudioDevice::current()
{
    return s_current;
}

void VirtualAudioDevice::setInputSignal(Signal signal)
{
    m_signal = std::move(signal);
}

std::unique_ptr<media::AudioPort> VirtualAudioDevice::connect(media::AudioTrack& track)
{
    auto port = std::make_unique<media::VirtualPort>(this, track);
    m_ports.push_back(port.get());
    return port;
}

void VirtualAudioDevice::detach(media::VirtualPort* port)
{
    m_ports.erase(std::remove(m_ports.begin(), m_ports.end(), port), m_ports.end());
}

void VirtualAudioDevice::fail(const QString& reason)
{
    const std::vector<media::VirtualPort*> ports = m_ports;
    for (media::VirtualPort* port : ports) {
        if (std::find(m_ports.begin(), m_ports.end(), port) != m_ports.end())
            port->fail(reason);
    }
}

void VirtualAudioDevice::advance(int ms)
{
    // A player whose playback ends here may close or open players.
    const std::vector<media::VirtualPort*> ports = m_ports;
    for (media::VirtualPort* port : ports) {
        if (std::find(m_ports.begin(), m_ports.end(), port) != m_ports.end())
            port->advance(ms, m_signal);
    }
}

} // namespace platform
