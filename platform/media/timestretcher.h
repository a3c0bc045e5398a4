#pragma once

#include <memory>
#include <vector>

namespace soundtouch {
class SoundTouch;
}

namespace platform::media {

// Plays interleaved float frames slower or faster at the same pitch, through
// SoundTouch with its settings for speech. The output is in step with the
// input from its first frame: input frame n comes out at n / speed.
class TimeStretcher {
public:
    TimeStretcher(int channels, int rate, double speed);
    ~TimeStretcher();
    TimeStretcher(const TimeStretcher&) = delete;
    TimeStretcher& operator=(const TimeStretcher&) = delete;

    // Appends to out what the stretcher has ready after taking in frames.
    void stretch(const float* in, long frames, std::vector<float>& out);

private:
    int m_channels;
    std::unique_ptr<soundtouch::SoundTouch> m_stretcher;
};

} // namespace platform::media
