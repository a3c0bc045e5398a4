#pragma once

#include <QString>

#include <sndfile.h>

#include <cstdint>
#include <memory>

namespace platform::media {

// One libsndfile handle: a wave file opened for reading or created for
// writing. Errors carry the library's text and the path.
class SoundFile {
public:
    // Refuses rates and channel counts no device plays. An encoding that
    // cannot seek (GSM 6.10, G.721) is decoded into memory here, so that it
    // seeks like any other; info() still names the file's own format.
    static SoundFile openForReading(const QString& path);
    // The file as it is stored, whatever its format: reads of an encoding
    // that cannot seek fail at the first seek.
    static SoundFile openAsStored(const QString& path);
    // Writes into the open file descriptor, which stays open, with the
    // format, rate and channels of info; path names it in errors.
    static SoundFile create(int descriptor, const QString& path, SF_INFO info);

    SoundFile(SoundFile&& other) noexcept;
    SoundFile& operator=(SoundFile&& other) noexcept;
    ~SoundFile();

    const SF_INFO& info() const { return m_info; }
    int channels() const { return m_info.channels; }
    int sampleRate() const { return m_info.samplerate; }
    int64_t frames() const { return m_info.frames; }
    // Float and double files keep their samples exactly only as doubles;
    // every other encoding does as left-aligned 32-bit integers.
    bool holdsFloatingPoint() const;

    // Reads count frames starting at frame; returns the frames read.
    int64_t readFloat(int64_t frame, float* out, int64_t count);
    int64_t readInt(int64_t frame, int* out, int64_t count);
    int64_t readDouble(int64_t frame, double* out, int64_t count);

    // Append; a short write raises.
    void writeInt(const int* frames, int64_t count);
    void writeDouble(const double* frames, int64_t count);
    // Finishes the header; a failure raises.
    void finish();

private:
    SoundFile(SNDFILE* handle, SF_INFO info, QString path);
    void seekTo(int64_t frame);
    [[noreturn]] void fail() const;
    void decodeIntoMemory();

    struct Memory;

    SNDFILE* m_handle = nullptr;
    SF_INFO m_info{};
    QString m_path;
    std::unique_ptr<Memory> m_memory; // what m_handle reads, when decoded at open
    int64_t m_cursor = 0; // frame the next read starts at, saving seeks
};

} // namespace platform::media
