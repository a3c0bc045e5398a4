#include "audiotrack.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform::media {

namespace {

constexpr int64_t chunkFrames = 8192;

int toLeftAlignedInt(float sample)
{
    const double scaled = std::clamp(double(sample) * 2147483648.0, -2147483648.0, 2147483647.0);
    return int(std::lrint(scaled));
}

} // namespace

AudioTrack::AudioTrack(SoundFile file) : m_file(std::move(file)), m_frames(m_file.frames())
{
    if (m_frames > 0)
        m_pieces.push_back({false, 0, m_frames});
}

int64_t AudioTrack::read(int64_t frame, float* out, int64_t count)
{
    const int ch = channels();
    int64_t done = 0;
    int64_t pieceStart = 0;
    for (const Piece& piece : m_pieces) {
        const int64_t pieceEnd = pieceStart + piece.length;
        if (done == count)
            break;
        const int64_t at = frame + done;
        if (at < pieceEnd && at >= pieceStart) {
            const int64_t offset = at - pieceStart;
            const int64_t n = std::min(count - done, piece.length - offset);
            float* target = out + done * ch;
            if (piece.recorded) {
                std::memcpy(target, m_recorded.data() + (piece.source + offset) * ch, size_t(n * ch) * sizeof(float));
            } else {
                const int64_t got = m_file.readFloat(piece.source + offset, target, n);
                std::fill(target + got * ch, target + n * ch, 0.0f); // a file shorter than its header says
            }
            done += n;
        }
        pieceStart = pieceEnd;
    }
    return done;
}

void AudioTrack::overwrite(int64_t frame, const float* samples, int64_t count)
{
    if (count <= 0)
        return;
    const int ch = channels();
    const int64_t source = int64_t(m_recorded.size()) / ch;
    m_recorded.insert(m_recorded.end(), samples, samples + count * ch);

    const int64_t end = frame + count;
    std::vector<Piece> pieces;
    pieces.reserve(m_pieces.size() + 2);
    int64_t pieceStart = 0;
    bool placed = false;
    auto place = [&] {
        // Pieces placed so far end at frame: the previous chunk of the same
        // take grows instead of adding a piece per chunk.
        if (!pieces.empty() && pieces.back().recorded && pieces.back().source + pieces.back().length == source)
            pieces.back().length += count;
        else
            pieces.push_back({true, source, count});
        placed = true;
    };
    for (const Piece& piece : m_pieces) {
        const int64_t pieceEnd = pieceStart + piece.length;
        if (pieceStart < frame)
            pieces.push_back({piece.recorded, piece.source, std::min(piece.length, frame - pieceStart)});
        if (!placed && pieceEnd >= frame)
            place();
        if (pieceEnd > end) {
            const int64_t skip = std::max<int64_t>(0, end - pieceStart);
            pieces.push_back({piece.recorded, piece.source + skip, piece.length - skip});
        }
        pieceStart = pieceEnd;
    }
    if (!placed)
        place();
    m_pieces = std::move(pieces);
    m_frames = std::max(m_frames, end);
}

void AudioTrack::writeTo(SoundFile& file)
{
    for (const Piece& piece : m_pieces) {
        if (piece.recorded)
            writeRecorded(file, piece);
        else
            copyFromFile(file, piece);
    }
    file.finish();
}

void AudioTrack::writeRecorded(SoundFile& file, const Piece& piece)
{
    const int ch = channels();
    const float* samples = m_recorded.data() + piece.source * ch;
    const int64_t count = piece.length * ch;
    if (file.holdsFloatingPoint()) {
        std::vector<double> buffer(size_t(std::min(count, chunkFrames * ch)));
        for (int64_t done = 0; done < count; done += int64_t(buffer.size())) {
            const int64_t n = std::min<int64_t>(int64_t(buffer.size()), count - done);
            std::copy(samples + done, samples + done + n, buffer.begin());
            file.writeDouble(buffer.data(), n / ch);
        }
    } else {
        std::vector<int> buffer(size_t(std::min(count, chunkFrames * ch)));
        for (int64_t done = 0; done < count; done += int64_t(buffer.size())) {
            const int64_t n = std::min<int64_t>(int64_t(buffer.size()), count - done);
            std::transform(samples + done, samples + done + n, buffer.begin(), toLeftAlignedInt);
            file.writeInt(buffer.data(), n / ch);
        }
    }
}

void AudioTrack::copyFromFile(SoundFile& file, const Piece& piece)
{
    const int ch = channels();
    auto copy = [&](auto& buffer, auto readChunk, auto writeChunk) {
        for (int64_t done = 0; done < piece.length;) {
            const int64_t n = std::min(chunkFrames, piece.length - done);
            const int64_t got = readChunk(piece.source + done, buffer.data(), n);
            std::fill(buffer.begin() + got * ch, buffer.begin() + n * ch, 0);
            writeChunk(buffer.data(), n);
            done += n;
        }
    };
    if (file.holdsFloatingPoint()) {
        std::vector<double> buffer(size_t(chunkFrames * ch));
        copy(buffer,
             [&](int64_t at, double* out, int64_t n) { return m_file.readDouble(at, out, n); },
             [&](const double* in, int64_t n) { file.writeDouble(in, n); });
    } else {
        std::vector<int> buffer(size_t(chunkFrames * ch));
        copy(buffer,
             [&](int64_t at, int* out, int64_t n) { return m_file.readInt(at, out, n); },
             [&](const int* in, int64_t n) { file.writeInt(in, n); });
    }
}

} // namespace platform::media
