#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzzsupport {

// The fuzzer's input as bytes.
inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Writes the input into a file of this process's own and returns its path,
// for the readers that take a path.
QString inputFile(const uint8_t* data, size_t size, const char* suffix);
// A second path beside it, for what a target writes.
QString outputFile(const char* suffix);

// Runs f, swallowing the errors course data may cause: only crashes, hangs
// and unbounded memory are findings.
template <typename F>
void tolerateErrors(F f)
{
    try {
        f();
    } catch (const std::exception&) {
    }
}

} // namespace fuzzsupport
