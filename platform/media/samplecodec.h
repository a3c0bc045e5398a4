#pragma once

#include <QAudioFormat>

namespace platform::media {

// Samples between the device's byte layout and floats in [-1, 1].
void encodeSamples(const float* samples, qsizetype count, QAudioFormat::SampleFormat format, char* out);
void decodeSamples(const char* bytes, qsizetype count, QAudioFormat::SampleFormat format, float* out);

} // namespace platform::media
