#pragma once

#include <samplerate.h>

#include <vector>

namespace platform::media {

// Turns interleaved float frames of one channel count and rate into
// another: channels are mixed down or repeated, the rate goes through
// libsamplerate.
class FormatConverter {
public:
    FormatConverter(int inChannels, int inRate, int outChannels, int outRate);
    ~FormatConverter();
    FormatConverter(const FormatConverter&) = delete;
    FormatConverter& operator=(const FormatConverter&) = delete;

    // Appends the converted frames to out; last flushes what the
    // resampler still holds.
    void convert(const float* in, long frames, bool last, std::vector<float>& out);

private:
    void mapChannels(const float* in, long frames, std::vector<float>& out) const;

    int m_inChannels, m_outChannels;
    double m_ratio;
    SRC_STATE* m_resampler = nullptr;
    std::vector<float> m_mapped;
};

} // namespace platform::media
