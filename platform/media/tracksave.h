#pragma once

#include <QString>

namespace platform::media {

class AudioTrack;

// Writes the track into path through a temporary file in the same folder
// and a rename, so the old file stays whole when anything fails.
void saveTrack(AudioTrack& track, const QString& path);

} // namespace platform::media
