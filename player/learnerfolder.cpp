#include "learnerfolder.h"

#include "platform/error.h"
#include "platform/filecopy.h"
#include "platform/path.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

// The absolute path as one readable folder name: "%" becomes "%25" and "/"
// becomes "%2F". A name too long for the file system keeps the path's end
// behind a digest of the whole path, so it stays one course's own.
QString folderName(const QString& absolutePath)
{
    QString name = absolutePath;
    name.replace(u'%', QStringLiteral("%25")).replace(u'/', QStringLiteral("%2F"));
    const qsizetype longest = 200; // bytes; file systems allow 255
    if (QFile::encodeName(name).size() <= longest)
        return name;
    const QByteArray digest =
        QCryptographicHash::hash(absolutePath.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    QString tail = name.right(longest - digest.size() - 1);
    while (QFile::encodeName(tail).size() > longest - digest.size() - 1)
        tail.remove(0, 1);
    return QString::fromLatin1(digest) + u'-' + tail;
}

} // namespace

QString perUserFolder(const QString& courseRoot)
{
    const QString absolute = QFileInfo(platform::nativePath(courseRoot)).absoluteFilePath();
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/course-player/courses/") + folderName(canonical.isEmpty() ? absolute : canonical) + u'/';
}

QString forCourse(const QString& courseRoot)
{
    const QString courseData = courseRoot + QStringLiteral("\\data\\");
    // A course without a data folder fails where it always did.
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
