#pragma once

#include <QString>

namespace coursecheck {

// The files of one course folder, named as the program names them: with
// backslashes, relative to the course root.
class CourseFolder {
public:
    explicit CourseFolder(QString root) : m_root(std::move(root)) { }

    enum class Found { Exactly, InOtherCase, Missing };
    struct Lookup {
        Found found = Found::Missing;
        QString nativePath; // the file found, in any letter case
        QString actualName; // as found, relative with '/'
    };
    Lookup find(const QString& relative) const;

    const QString& root() const { return m_root; }
    // "data\text\a.htm" as "data/text/a.htm".
    static QString display(const QString& relative);

private:
    QString m_root;
};

} // namespace coursecheck
