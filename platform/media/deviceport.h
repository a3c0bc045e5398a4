#pragma once

#include "audioport.h"

#include <QString>

#include <memory>

namespace platform::media {

// A port on the desktop's sound server through Qt Multimedia. Fails when
// the system has no sound device at all.
std::unique_ptr<AudioPort> connectSoundDevice(AudioTrack& track, const QString& path);

} // namespace platform::media
