#include "tracksave.h"

#include "audiotrack.h"
#include "../error.h"

#include <QSaveFile>

namespace platform::media {

namespace {

Error saveError(const QString& path, const QString& reason)
{
    return Error(QStringLiteral("Cannot save %1: %2").arg(path, reason));
}

} // namespace

void saveTrack(AudioTrack& track, const QString& path)
{
    // QSaveFile writes an unnamed temporary file where the system has them,
    // so a crash in the middle of a save leaves nothing behind; commit syncs
    // it and puts it in the target's place, keeping the target's
    // permissions.
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        throw saveError(path, target.errorString());
    SoundFile file = SoundFile::create(target.handle(), path, track.format());
    track.writeTo(file);
    if (!target.commit())
        throw saveError(path, target.errorString());
}

} // namespace platform::media
