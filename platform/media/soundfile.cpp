#include "soundfile.h"

#include "../error.h"

#include <QFile>

#include <utility>

namespace platform::media {

namespace {

Error fileError(SNDFILE* handle, const QString& path)
{
    return Error(QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(sf_strerror(handle))));
}

} // namespace

SoundFile::SoundFile(SNDFILE* handle, SF_INFO info, QString path)
    : m_handle(handle), m_info(info), m_path(std::move(path))
{
}

SoundFile SoundFile::openForReading(const QString& path)
{
    SF_INFO info{};
    SNDFILE* handle = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!handle)
        throw fileError(nullptr, path);
    return SoundFile(handle, info, path);
}

SoundFile SoundFile::create(const QString& path, SF_INFO info)
{
    info.frames = 0;
    SNDFILE* handle = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!handle)
        throw fileError(nullptr, path);
    return SoundFile(handle, info, path);
}

SoundFile::SoundFile(SoundFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)), m_info(other.m_info),
      m_path(std::move(other.m_path)), m_cursor(other.m_cursor)
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
