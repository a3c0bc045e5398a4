#pragma once

namespace platform {

// A sound device whose clock the tests advance by hand. While one exists,
// every MediaPlayer that opens plays and records on it.
class VirtualAudioDevice {
public:
    VirtualAudioDevice();
    ~VirtualAudioDevice();
    VirtualAudioDevice(const VirtualAudioDevice&) = delete;
    VirtualAudioDevice& operator=(const VirtualAudioDevice&) = delete;

    // Moves the clock: playing players advance, recording ones take in
    // this much signal.
    void advance(int ms);
};

} // namespace platform
