#include "formatconverter.h"

#include "../error.h"

#include <QString>

namespace platform::media {

FormatConverter::FormatConverter(int inChannels, int inRate, int outChannels, int outRate)
    : m_inChannels(inChannels), m_outChannels(outChannels), m_ratio(double(outRate) / inRate)
{
    if (inRate != outRate) {
        int error = 0;
        m_resampler = src_new(SRC_SINC_MEDIUM_QUALITY, outChannels, &error);
        if (!m_resampler)
            throw Error(QStringLiteral("Sample rate conversion: %1").arg(QString::fromLocal8Bit(src_strerror(error))));
    }
}

FormatConverter::~FormatConverter()
{
    if (m_resampler)
        src_delete(m_resampler);
}

void FormatConverter::mapChannels(const float* in, long frames, std::vector<float>& out) const
{
    const size_t start = out.size();
    out.resize(start + size_t(frames) * m_outChannels);
    float* target = out.data() + start;
    for (long f = 0; f < frames; ++f) {
        const float* frame = in + f * m_inChannels;
        if (m_outChannels == 1 && m_inChannels > 1) {
            float sum = 0;
            for (int c = 0; c < m_inChannels; ++c)
                sum += frame[c];
            target[f] = sum / m_inChannels;
        } else {
            for (int c = 0; c < m_outChannels; ++c)
                target[f * m_outChannels + c] = frame[std::min(c, m_inChannels - 1)];
        }
    }
}

void FormatConverter::convert(const float* in, long frames, bool last, std::vector<float>& out)
{
    if (!m_resampler) {
        mapChannels(in, frames, out);
        return;
    }
    m_mapped.clear();
    mapChannels(in, frames, m_mapped);
    SRC_DATA data{};
    data.data_in = m_mapped.data();
    data.input_frames = frames;
    data.src_ratio = m_ratio;
    data.end_of_input = last;
    for (;;) {
        const size_t start = out.size();
        const long room = long(frames * m_ratio) + 64;
        out.resize(start + size_t(room) * m_outChannels);
        data.data_out = out.data() + start;
        data.output_frames = room;
        if (const int error = src_process(m_resampler, &data))
            throw Error(QStringLiteral("Sample rate conversion: %1").arg(QString::fromLocal8Bit(src_strerror(error))));
        out.resize(start + size_t(data.output_frames_gen) * m_outChannels);
        data.data_in += data.input_frames_used * m_outChannels;
        data.input_frames -= data.input_frames_used;
        if (data.input_frames == 0 && (!last || data.output_frames_gen == 0))
            break;
    }
}

} // namespace platform::media
