#pragma once

#include <QList>
#include <QString>

namespace platform {

// An initialisation file of sections and keys, read as the desktop's
// profile reader does: names match without regard to letter case, the first
// matching key wins, a value is the text after '=' without surrounding blanks
// and without one pair of enclosing quotes, at most 2,047 characters.
// A missing file, section or key reads as the empty text.
class ProfileFile {
public:
    static ProfileFile load(const QString& path);
    static ProfileFile fromText(const QString& text);

    QString readString(const QString& section, const QString& key) const;

private:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    QList<Entry> m_entries;
};

} // namespace platform
