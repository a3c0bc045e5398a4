#include "timestretcher.h"

#include <soundtouch/SoundTouch.h>

namespace platform::media {

namespace {
// SoundTouch's recommended windows for speech: short sequences keep
// syllables from being echoed when the voice is slowed down.
constexpr int sequenceMs = 40;
constexpr int seekWindowMs = 15;
constexpr int overlapMs = 8;
} // namespace

TimeStretcher::TimeStretcher(int channels, int rate, double speed)
    : m_channels(channels), m_stretcher(std::make_unique<soundtouch::SoundTouch>())
{
    m_stretcher->setChannels(uint(channels));
    m_stretcher->setSampleRate(uint(rate));
    m_stretcher->setTempo(speed);
    m_stretcher->setSetting(SETTING_SEQUENCE_MS, sequenceMs);
    m_stretcher->setSetting(SETTING_SEEKWINDOW_MS, seekWindowMs);
    m_stretcher->setSetting(SETTING_OVERLAP_MS, overlapMs);
}

TimeStretcher::~TimeStretcher() = default;

void TimeStretcher::stretch(const float* in, long frames, std::vector<float>& out)
{
    m_stretcher->putSamples(in, uint(frames));
    const size_t ready = m_stretcher->numSamples();
    const size_t start = out.size();
    out.resize(start + ready * size_t(m_channels));
    const uint got = m_stretcher->receiveSamples(out.data() + start, uint(ready));
    out.resize(start + got * size_t(m_channels));
}

} // namespace platform::media
