#include "filecopy.h"

#include "path.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

bool copyFileOver(const QString& from, const QString& to)
{
    QFile source(nativePath(from));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(nativePath(to));
    if (!target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            target.cancelWriting();
            return false;
        }
        if (target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            return false;
        }
    }
    return target.commit();
}

} // namespace platform
