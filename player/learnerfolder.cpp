#include "learnerfolder.h"

#include "platform/error.h"
#include "platform/filecopy.h"
#include "platform/path.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <unistd.h>

namespace learnerfolder {

namespace {

// access() also reports a read-only mount, which permission bits do not.
bool canWrite(const QString& nativeFolder)
{
    return ::access(QFile::encodeName(nativeFolder).constData(), W_OK) == 0;
}

WritableProbe& probe()
{
    static WritableProbe installed = canWrite;
    return installed;
}

// The files a learner meets in a fresh per-user folder are the ones the
// course ships, so a read-only course plays exactly like a writable one.
void seedFrom(const QString& courseData, const QString& folder)
{
    for (const char16_t* name : {u"temp.wav", u"umarks.txt"}) {
        const QString own = folder + QString::fromUtf16(name);
        const QString shipped = platform::nativePath(courseData + QString::fromUtf16(name));
        if (!QFileInfo::exists(own) && QFileInfo::exists(shipped))
            platform::copyFileOver(shipped, own);
    }
}

} // namespace

QString perUserFolder(const QString& courseRoot)
{
    const QString absolute = QFileInfo(platform::nativePath(courseRoot)).absoluteFilePath();
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    const QString name = QString::fromLatin1(QUrl::toPercentEncoding(canonical.isEmpty() ? absolute : canonical));
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/course-player/courses/") + name + u'/';
}

QString forCourse(const QString& courseRoot)
{
    const QString courseData = courseRoot + QStringLiteral("\\data\\");
    // A course without a data folder is left to fail as the Parts say.
    const QString dataFolder = platform::nativePath(courseRoot + QStringLiteral("\\data"));
    if (!QFileInfo(dataFolder).isDir() || probe()(dataFolder))
        return courseData;
    const QString folder = perUserFolder(courseRoot);
    if (!QDir().mkpath(folder))
        throw platform::Error(QStringLiteral("Cannot create folder %1").arg(folder));
    seedFrom(courseData, folder);
    return folder;
}

WritableProbe installWritableProbe(WritableProbe replacement)
{
    std::swap(probe(), replacement);
    return replacement;
}

} // namespace learnerfolder
