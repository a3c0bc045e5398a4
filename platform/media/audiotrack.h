#pragma once

#include "soundfile.h"

#include <cstdint>
#include <vector>

namespace platform::media {

// The audio of an open wave file with what has been recorded over it. The
// file itself is never changed: recorded frames live in memory and a list
// of pieces says which frames of the timeline come from the file and which
// from the recording, so opening a long file reads only its header.
class AudioTrack {
public:
    explicit AudioTrack(SoundFile file);

    int channels() const { return m_file.channels(); }
    int sampleRate() const { return m_file.sampleRate(); }
    int64_t frames() const { return m_frames; }
    const SF_INFO& format() const { return m_file.info(); }

    // Interleaved samples in [-1, 1]; returns the frames read (fewer only
    // past the end).
    int64_t read(int64_t frame, float* out, int64_t count);
    // Replaces the frames from frame on (extending the track past its end);
    // frame must not lie beyond the end.
    void overwrite(int64_t frame, const float* samples, int64_t count);
    // Writes the whole track, in the file's own format, into file.
    void writeTo(SoundFile& file);

private:
    struct Piece {
        bool recorded;  // from m_recorded, else from the file
        int64_t source; // first frame in its source
        int64_t length;
    };

    void writeRecorded(SoundFile& file, const Piece& piece);
    void copyFromFile(SoundFile& file, const Piece& piece);

    SoundFile m_file;
    std::vector<Piece> m_pieces;
    std::vector<float> m_recorded;
    int64_t m_frames = 0;
};

} // namespace platform::media
