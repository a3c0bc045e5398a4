#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// An ordered list of text lines, loaded whole from a file and written back
// with CR LF. CR, LF and CR LF end a line, a NUL byte ends the text, and a
// terminator at the very end adds no empty line.
class StringList {
public:
    StringList() = default;
    explicit StringList(QStringList lines);

    // Fails with "Cannot open file %s" (native path) when unreadable.
    static StringList load(const QString& path);
    static StringList fromBytes(const QByteArray& bytes);

    // Atomic: a crash leaves the old file or the new one, never a part.
    void save(const QString& path) const;
    QByteArray toBytes() const;

    int count() const { return int(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // Fails with "List index out of bounds (%d)" outside 0..count-1.
    const QString& at(int index) const;
    void append(const QString& line) { m_lines.append(line); }
    void clear() { m_lines.clear(); }
    const QStringList& lines() const { return m_lines; }

    bool operator==(const StringList&) const = default;

private:
    QStringList m_lines;
};

} // namespace platform
