#include "tempcourse.h"

#include "platform/stringlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace testsupport {

TempCourse::TempCourse() = default;

namespace {

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir())
            copyFolder(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

} // namespace

TempCourse::TempCourse(const QString& copyOf)
{
    copyFolder(copyOf, root());
}

void TempCourse::write(const QString& relative, const QByteArray& bytes) const
{
    const QString path = root() + u'/' + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

void TempCourse::writeLines(const QString& relative, const QStringList& lines) const
{
    write(relative, platform::StringList(lines).toBytes());
}

QByteArray TempCourse::read(const QString& relative) const
{
    QFile file(root() + u'/' + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempCourse::exists(const QString& relative) const
{
    return QFileInfo::exists(root() + u'/' + relative);
}

void TempCourse::remove(const QString& relative) const
{
    QFile::remove(root() + u'/' + relative);
}

} // namespace testsupport
