#pragma once

#include "coursefolder.h"
#include "problem.h"

#include "platform/error.h"
#include "platform/html/dom.h"
#include "platform/stringlist.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

namespace coursecheck {

// What the checks of one course share: the folder, the problems found so
// far, and the pages and sounds already read (many lessons share them).
class Checker {
public:
    explicit Checker(const QString& root) : m_folder(root) { }

    const CourseFolder& folder() const { return m_folder; }
    const Problems& problems() const { return m_problems; }

    // relative with backslashes, as the program builds it.
    void report(const QString& relative, const QString& lesson, const QString& text);

    // The native path of a file the course needs; a missing file is
    // reported and gives nothing, one found only in another letter case is
    // reported and given.
    std::optional<QString> need(const QString& relative, const QString& lesson);
    // The lines of a needed text file.
    std::optional<platform::StringList> lines(const QString& relative, const QString& lesson);
    // A whole number as the program converts it; a bad one is reported with
    // the conversion's own message after `where` ("line 3").
    std::optional<int> integer(const QString& text, const QString& relative, const QString& lesson,
                               const QString& where);
    // A needed page, parsed as the HTML view parses it.
    const platform::DomDocument* page(const QString& relative, const QString& lesson);
    // The length of a needed wave file in milliseconds; one that does not
    // open as a sound is reported.
    std::optional<qint64> soundLength(const QString& relative, const QString& lesson);

    // A reader's error without the file's path, which the problem names.
    static QString reason(const platform::Error& error, const QString& path);

private:
    CourseFolder m_folder;
    Problems m_problems;
    QHash<QString, std::shared_ptr<platform::DomDocument>> m_pages;
    QHash<QString, std::optional<qint64>> m_soundLengths;
};

} // namespace coursecheck
