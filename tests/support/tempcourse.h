#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A temporary course folder that tests fill with files.
class TempCourse {
public:
    TempCourse();
    // A copy of a whole course folder, e.g. SAMPLE_COURSE_DIR.
    explicit TempCourse(const QString& copyOf);

    // The folder, without a trailing slash.
    QString root() const { return m_dir.path(); }
    // relative uses '/'; folders are made as needed.
    void write(const QString& relative, const QByteArray& bytes) const;
    // Lines joined with CR LF, each line ended.
    void writeLines(const QString& relative, const QStringList& lines) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    void remove(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};

} // namespace testsupport
