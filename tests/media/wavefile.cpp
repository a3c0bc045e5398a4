#include "wavefile.h"

#include <QFile>

#include <stdexcept>

namespace mediatest {

void writeWave(const QString& path, int format, int rate, int channels, sf_count_t frames,
               const std::function<float(sf_count_t, int)>& signal)
{
    SF_INFO info{};
    info.format = format;
    info.samplerate = rate;
    info.channels = channels;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error(sf_strerror(nullptr));
    std::vector<float> samples(size_t(frames * channels));
    for (sf_count_t f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            samples[size_t(f * channels + c)] = signal(f, c);
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

Wave readWave(const QString& path)
{
    Wave wave;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &wave.info);
    if (!file)
        throw std::runtime_error(sf_strerror(nullptr));
    wave.samples.resize(size_t(wave.info.frames * wave.info.channels));
    sf_readf_float(file, wave.samples.data(), wave.info.frames);
    sf_close(file);
    return wave;
}

float ramp(sf_count_t frame, int channel)
{
    return float((frame % 20000) - 10000) / 20000.0f * (channel == 0 ? 1.0f : -1.0f);
}

} // namespace mediatest
