#pragma once

#include <QString>

#include <sndfile.h>

#include <functional>
#include <vector>

namespace mediatest {

// A wave file on disk, as the tests write and read it back.
struct Wave {
    SF_INFO info{};
    std::vector<float> samples; // interleaved, in [-1, 1]

    float at(sf_count_t frame, int channel = 0) const { return samples[size_t(frame * info.channels + channel)]; }
};

// Writes frames of signal(frame, channel) into path.
void writeWave(const QString& path, int format, int rate, int channels, sf_count_t frames,
               const std::function<float(sf_count_t, int)>& signal);
Wave readWave(const QString& path);

// A slow ramp that tells every frame apart at 16 bits and above.
float ramp(sf_count_t frame, int channel);

} // namespace mediatest
