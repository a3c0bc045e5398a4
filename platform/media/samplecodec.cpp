#include "samplecodec.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace platform::media {

namespace {

template <typename Int>
Int toInt(float sample)
{
    constexpr double scale = double(uint64_t(1) << (sizeof(Int) * 8 - 1));
    return Int(std::clamp(std::lrint(double(sample) * scale), long(-scale), long(scale - 1)));
}

template <typename T>
void store(char* out, qsizetype i, T value)
{
    std::memcpy(out + i * qsizetype(sizeof(T)), &value, sizeof(T));
}

template <typename T>
T load(const char* bytes, qsizetype i)
{
    T value;
    std::memcpy(&value, bytes + i * qsizetype(sizeof(T)), sizeof(T));
    return value;
}

} // namespace

void encodeSamples(const float* samples, qsizetype count, QAudioFormat::SampleFormat format, char* out)
{
    for (qsizetype i = 0; i < count; ++i) {
        const float s = samples[i];
        switch (format) {
        case QAudioFormat::UInt8: store<uint8_t>(out, i, uint8_t(toInt<int8_t>(s) + 128)); break;
        case QAudioFormat::Int16: store<int16_t>(out, i, toInt<int16_t>(s)); break;
        case QAudioFormat::Int32: store<int32_t>(out, i, toInt<int32_t>(s)); break;
        case QAudioFormat::Float: store<float>(out, i, s); break;
        default: break;
        }
    }
}

void decodeSamples(const char* bytes, qsizetype count, QAudioFormat::SampleFormat format, float* out)
{
    for (qsizetype i = 0; i < count; ++i) {
        switch (format) {
        case QAudioFormat::UInt8: out[i] = (int(load<uint8_t>(bytes, i)) - 128) / 128.0f; break;
        case QAudioFormat::Int16: out[i] = load<int16_t>(bytes, i) / 32768.0f; break;
        case QAudioFormat::Int32: out[i] = float(load<int32_t>(bytes, i) / 2147483648.0); break;
        case QAudioFormat::Float: out[i] = load<float>(bytes, i); break;
        default: out[i] = 0.0f; break;
        }
    }
}

} // namespace platform::media
