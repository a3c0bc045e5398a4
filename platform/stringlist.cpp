#include "stringlist.h"

#include "codepage.h"
#include "error.h"
#include "path.h"
#include "wholefile.h"

#include <QSaveFile>

namespace platform {

StringList::StringList(QStringList lines)
    : m_lines(std::move(lines))
{
}

StringList StringList::load(const QString& path)
{
    return fromBytes(readWholeFile(nativePath(path), maximumTextFileBytes));
}

StringList StringList::fromBytes(const QByteArray& bytes)
{
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(decodeWindows1251(bytes.mid(start, i - start)));
            if (c == '\r' && i + 1 < end && bytes[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < end)
        lines.append(decodeWindows1251(bytes.mid(start, end - start)));
    return StringList(std::move(lines));
}

QByteArray StringList::toBytes() const
{
    QByteArray bytes;
    for (const QString& line : m_lines) {
        bytes += encodeWindows1251(line);
        bytes += "\r\n";
    }
    return bytes;
}

void StringList::save(const QString& path) const
{
    const QString native = nativePath(path);
    QSaveFile file(native);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("Cannot create file %1. %2").arg(native, file.errorString()));
    file.write(toBytes());
    if (!file.commit())
        throw Error(QStringLiteral("Cannot write file %1. %2").arg(native, file.errorString()));
}

const QString& StringList::at(int index) const
{
    if (index < 0 || index >= m_lines.size())
        throw Error::listIndexOutOfBounds(index);
    return m_lines[index];
}

} // namespace platform
