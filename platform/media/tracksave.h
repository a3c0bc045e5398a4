#pragma once

#include <QString>

namespace platform::media {

class AudioTrack;

// Writes the track into path through a temporary file and a rename, so the
// old file stays whole when anything fails, a crash included.
void saveTrack(AudioTrack& track, const QString& path);

} // namespace platform::media
