#include "tracksave.h"

#include "audiotrack.h"
#include "../error.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace platform::media {

namespace {

Error saveError(const QString& path, const QString& reason)
{
    return Error(QStringLiteral("Cannot save %1: %2").arg(path, reason));
}

} // namespace

void saveTrack(AudioTrack& track, const QString& path)
{
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + u'/' + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        throw saveError(path, temporary.errorString());

    SoundFile file = SoundFile::create(temporary.fileName(), track.format());
    track.writeTo(file);
    if (::fsync(temporary.handle()) != 0)
        throw saveError(path, QString::fromLocal8Bit(std::strerror(errno)));

    // The temporary file is private to its owner; the recording keeps the
    // permissions of the file it replaces, or the usual ones.
    temporary.setPermissions(target.exists() ? QFile::permissions(path)
                                             : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw saveError(path, QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
}

} // namespace platform::media
