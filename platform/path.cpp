#include "path.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

QString matchComponent(const QString& folder, const QString& name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString nativePath(const QString& path)
{
    QString native = path;
    native.replace(u'\\', u'/');
    if (native.isEmpty() || QFileInfo::exists(native))
        return native;

    const bool absolute = native.startsWith(u'/');
    const QStringList parts = native.split(u'/');
    QString built = absolute ? QStringLiteral("/") : QString();
    bool found = true;
    for (qsizetype i = absolute ? 1 : 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || part == u"." || part == u"..") {
            if (!part.isEmpty())
                built += part + u'/';
            continue;
        }
        const QString folder = built;
        const QString candidate = folder + part;
        const QString chosen = (!found || QFileInfo::exists(candidate)) ? part : matchComponent(folder, part);
        found = found && QFileInfo::exists(folder + chosen);
        built += chosen;
        if (i + 1 < parts.size())
            built += u'/';
    }
    return found ? built : native;
}

} // namespace platform
