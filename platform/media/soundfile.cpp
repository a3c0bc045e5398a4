#include "soundfile.h"

#include "../error.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace platform::media {

namespace {

// Formats a sound device can play. Beyond them lie broken headers: a rate
// of a few hertz makes the output divide by zero.
constexpr int minimumRate = 1000;
constexpr int maximumRate = 384000;
constexpr int maximumChannels = 8;
// A file decoded into memory at open takes at most this much; half an hour
// of 16-bit stereo at 44.1 kHz is about 320 MB.
constexpr int64_t maximumDecodedBytes = int64_t(512) << 20;

Error fileError(SNDFILE* handle, const QString& path)
{
    return Error(QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(sf_strerror(handle))));
}

void checkFormat(const SF_INFO& info, const QString& path)
{
    if (info.samplerate < minimumRate || info.samplerate > maximumRate)
        throw Error(QStringLiteral("%1: the sample rate of %2 Hz is not supported (%3 to %4 Hz are)")
                        .arg(path).arg(info.samplerate).arg(minimumRate).arg(maximumRate));
    if (info.channels < 1 || info.channels > maximumChannels)
        throw Error(QStringLiteral("%1: %2 channels are not supported (1 to %3 are)")
                        .arg(path).arg(info.channels).arg(maximumChannels));
}

// GSM 6.10 and G.721/G.723 ADPCM decode only forwards: a seek fails.
bool seeks(SNDFILE* handle, const SF_INFO& info)
{
    if (info.frames < 2)
        return true;
    const bool forward = sf_seek(handle, info.frames - 1, SEEK_SET) >= 0;
    return forward && sf_seek(handle, 0, SEEK_SET) == 0;
}

} // namespace

// Samples decoded at open, read back through libsndfile as raw 16-bit PCM.
struct SoundFile::Memory {
    QByteArray bytes;
    sf_count_t at = 0;

    static sf_count_t length(void* self) { return static_cast<Memory*>(self)->bytes.size(); }
    static sf_count_t tell(void* self) { return static_cast<Memory*>(self)->at; }
    static sf_count_t seek(sf_count_t offset, int whence, void* self)
    {
        Memory& m = *static_cast<Memory*>(self);
        const sf_count_t base = whence == SEEK_CUR ? m.at : whence == SEEK_END ? m.bytes.size() : 0;
        if (base + offset < 0 || base + offset > m.bytes.size())
            return -1;
        return m.at = base + offset;
    }
    static sf_count_t read(void* out, sf_count_t count, void* self)
    {
        Memory& m = *static_cast<Memory*>(self);
        const sf_count_t n = std::min(count, sf_count_t(m.bytes.size()) - m.at);
        std::memcpy(out, m.bytes.constData() + m.at, size_t(n));
        m.at += n;
        return n;
    }
    static sf_count_t write(const void*, sf_count_t, void*) { return 0; }
};

SoundFile::SoundFile(SNDFILE* handle, SF_INFO info, QString path)
    : m_handle(handle), m_info(info), m_path(std::move(path))
{
}

SoundFile SoundFile::openForReading(const QString& path)
{
    SoundFile file = openAsStored(path);
    checkFormat(file.m_info, path);
    if (!seeks(file.m_handle, file.m_info))
        file.decodeIntoMemory();
    return file;
}

SoundFile SoundFile::openAsStored(const QString& path)
{
    // A pipe would hold the opening until something writes into it.
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        throw Error::cannotOpenFile(path);
    SF_INFO info{};
    SNDFILE* handle = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!handle)
        throw fileError(nullptr, path);
    return SoundFile(handle, info, path);
}

void SoundFile::decodeIntoMemory()
{
    // Read afresh: the seek that failed may have left the decoder anywhere.
    SoundFile stored = openAsStored(m_path);
    auto memory = std::make_unique<Memory>();
    const int ch = channels();
    std::vector<short> chunk(size_t(4096 * ch));
    for (;;) {
        const sf_count_t got = sf_readf_short(stored.m_handle, chunk.data(), 4096);
        if (got <= 0)
            break;
        if (memory->bytes.size() + got * ch * 2 > maximumDecodedBytes)
            throw Error(QStringLiteral("%1: the sound is too long to decode (more than %2 MB)")
                            .arg(m_path).arg(maximumDecodedBytes >> 20));
        memory->bytes.append(reinterpret_cast<const char*>(chunk.data()), qsizetype(got * ch * 2));
    }
    SF_INFO raw{};
    raw.samplerate = sampleRate();
    raw.channels = ch;
    raw.format = SF_FORMAT_RAW | SF_FORMAT_PCM_16 | SF_ENDIAN_CPU;
    SF_VIRTUAL_IO io{&Memory::length, &Memory::seek, &Memory::read, &Memory::write, &Memory::tell};
    SNDFILE* handle = sf_open_virtual(&io, SFM_READ, &raw, memory.get());
    if (!handle)
        throw fileError(nullptr, m_path);
    sf_close(std::exchange(m_handle, handle));
    m_memory = std::move(memory);
    m_info.frames = raw.frames; // what the file holds, whatever its header claimed
    m_cursor = 0;
}

SoundFile SoundFile::create(int descriptor, const QString& path, SF_INFO info)
{
    info.frames = 0;
    SNDFILE* handle = sf_open_fd(descriptor, SFM_WRITE, &info, SF_FALSE);
    if (!handle)
        throw fileError(nullptr, path);
    return SoundFile(handle, info, path);
}

SoundFile::SoundFile(SoundFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)), m_info(other.m_info),
      m_path(std::move(other.m_path)), m_memory(std::move(other.m_memory)), m_cursor(other.m_cursor)
{
}

SoundFile& SoundFile::operator=(SoundFile&& other) noexcept
{
    if (this != &other) {
        if (m_handle)
            sf_close(m_handle);
        m_handle = std::exchange(other.m_handle, nullptr);
        m_info = other.m_info;
        m_path = std::move(other.m_path);
        m_memory = std::move(other.m_memory);
        m_cursor = other.m_cursor;
    }
    return *this;
}

SoundFile::~SoundFile()
{
    if (m_handle)
        sf_close(m_handle);
}

bool SoundFile::holdsFloatingPoint() const
{
    const int subtype = m_info.format & SF_FORMAT_SUBMASK;
    return subtype == SF_FORMAT_FLOAT || subtype == SF_FORMAT_DOUBLE;
}

void SoundFile::fail() const
{
    throw fileError(m_handle, m_path);
}

void SoundFile::seekTo(int64_t frame)
{
    if (frame == m_cursor)
        return;
    if (sf_seek(m_handle, frame, SEEK_SET) < 0)
        fail();
    m_cursor = frame;
}

int64_t SoundFile::readFloat(int64_t frame, float* out, int64_t count)
{
    seekTo(frame);
    const int64_t got = sf_readf_float(m_handle, out, count);
    m_cursor += got;
    return got;
}

int64_t SoundFile::readInt(int64_t frame, int* out, int64_t count)
{
    seekTo(frame);
    const int64_t got = sf_readf_int(m_handle, out, count);
    m_cursor += got;
    return got;
}

int64_t SoundFile::readDouble(int64_t frame, double* out, int64_t count)
{
    seekTo(frame);
    const int64_t got = sf_readf_double(m_handle, out, count);
    m_cursor += got;
    return got;
}

void SoundFile::writeInt(const int* frames, int64_t count)
{
    if (sf_writef_int(m_handle, frames, count) != count)
        fail();
}

void SoundFile::writeDouble(const double* frames, int64_t count)
{
    if (sf_writef_double(m_handle, frames, count) != count)
        fail();
}

void SoundFile::finish()
{
    sf_write_sync(m_handle);
    const int error = sf_error(m_handle);
    const int closed = sf_close(std::exchange(m_handle, nullptr));
    if (error != SF_ERR_NO_ERROR || closed != 0)
        throw Error(QStringLiteral("%1: %2").arg(m_path, QString::fromLocal8Bit(sf_error_number(error ? error : closed))));
}

} // namespace platform::media
