#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace platform::media {

class AudioTrack;

// One player's connection to a sound device. Positions are frames of the
// track. While running, position() is what the device has played or
// recorded; halt() stops and leaves position() at that final frame.
class AudioPort {
public:
    virtual ~AudioPort() = default;

    // Plays the track from frame; at its end the port halts by itself,
    // leaves position() at the end and calls playbackEnded.
    virtual void play(int64_t frame) = 0;
    // Records into the track from frame on, overwriting and extending it.
    virtual void record(int64_t frame) = 0;
    virtual void halt() = 0;
    virtual int64_t position() const = 0;

    std::function<void()> playbackEnded;
    // Frames of the track played per frame of the device, taken when
    // playback starts; the pitch stays. Recording is always at 1.
    double speed = 1.0;
    // The port stopped by itself: the track could not be read or the sound
    // server went away. position() stays at the last frame played or
    // recorded; reason says what happened.
    std::function<void(const QString& reason)> failed;
};

} // namespace platform::media
