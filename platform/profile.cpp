#include "profile.h"

#include "codepage.h"
#include "path.h"
#include "wholefile.h"

#include <QRegularExpression>

namespace platform {

namespace {

constexpr qsizetype maxValueLength = 2047;

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

ProfileFile ProfileFile::load(const QString& path)
{
    QByteArray bytes;
    if (readWholeFile(nativePath(path), maximumTextFileBytes, bytes) != WholeFileRead::Done)
        return {};
    return fromText(decodeWindows1251(bytes));
}

ProfileFile ProfileFile::fromText(const QString& text)
{
    ProfileFile profile;
    QString section;
    bool inSection = false;
    for (QString line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            section = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0)
            continue;
        profile.m_entries.append({section, line.left(equals).trimmed(),
                                  unquoted(line.mid(equals + 1).trimmed()).left(maxValueLength)});
    }
    return profile;
}

QString ProfileFile::readString(const QString& section, const QString& key) const
{
    for (const Entry& entry : m_entries) {
        if (entry.section.compare(section, Qt::CaseInsensitive) == 0
            && entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return {};
}

} // namespace platform
