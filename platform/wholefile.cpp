#include "wholefile.h"

#include "error.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

WholeFileRead readWholeFile(const QString& nativePath, qint64 maximumBytes, QByteArray& bytes)
{
    if (!QFileInfo(nativePath).isFile())
        return WholeFileRead::CannotOpen;
    QFile file(nativePath);
    if (!file.open(QIODevice::ReadOnly))
        return WholeFileRead::CannotOpen;
    if (file.size() > maximumBytes)
        return WholeFileRead::TooLarge;
    // A file that grows while it is read, or one whose size the system
    // does not know (/proc), still stops at the bound.
    bytes = file.read(maximumBytes + 1);
    if (bytes.size() > maximumBytes) {
        bytes.clear();
        return WholeFileRead::TooLarge;
    }
    return WholeFileRead::Done;
}

QByteArray readWholeFile(const QString& nativePath, qint64 maximumBytes)
{
    QByteArray bytes;
    switch (readWholeFile(nativePath, maximumBytes, bytes)) {
    case WholeFileRead::Done: return bytes;
    case WholeFileRead::CannotOpen: throw Error::cannotOpenFile(nativePath);
    case WholeFileRead::TooLarge: break;
    }
    throw Error(QStringLiteral("The file %1 is larger than %2 MB").arg(nativePath).arg(maximumBytes >> 20));
}

} // namespace platform
