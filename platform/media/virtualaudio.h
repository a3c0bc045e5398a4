#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace platform {

namespace media {
class AudioPort;
class AudioTrack;
class VirtualPort;
} // namespace media

// A sound device whose clock the tests advance by hand. While one exists,
// every MediaPlayer that opens plays and records on it.
class VirtualAudioDevice {
public:
    // The signal recording takes in, by channel and by seconds since the
    // recording started: silence unless a test chooses another.
    using Signal = std::function<float(int channel, double seconds)>;

    VirtualAudioDevice();
    ~VirtualAudioDevice();
    VirtualAudioDevice(const VirtualAudioDevice&) = delete;
    VirtualAudioDevice& operator=(const VirtualAudioDevice&) = delete;

    // Moves the clock: playing players advance, recording ones take in
    // this much signal.
    void advance(int ms);
    void setInputSignal(Signal signal);
    // The device goes away as a sound server that quits does: every player
    // playing or recording on it stops where it was, with reason.
    void fail(const QString& reason);

    // The device that exists now, if any.
    static VirtualAudioDevice* current();
    std::unique_ptr<media::AudioPort> connect(media::AudioTrack& track);

private:
    friend class media::VirtualPort;
    void detach(media::VirtualPort* port);

    VirtualAudioDevice* m_previous;
    std::vector<media::VirtualPort*> m_ports;
    Signal m_signal;
};

} // namespace platform
