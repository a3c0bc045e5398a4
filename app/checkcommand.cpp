#include "checkcommand.h"

#include "coursecheck/coursecheck.h"

#include <QDir>
#include <QFileInfo>

int checkCourseFolder(const QString& folder, QTextStream& out, QTextStream& err)
{
    if (!QFileInfo(folder).isDir()) {
        err << "course-player: " << folder << " is not a folder\n";
        return 2;
    }
    const QString root = QDir(folder).absolutePath();
    const coursecheck::Problems problems = coursecheck::checkCourse(root);
    for (const coursecheck::Problem& problem : problems)
        out << problem.line() << '\n';
    out.flush();
    if (problems.empty())
        err << "course-player: no problems in " << root << '\n';
    else
        err << "course-player: " << problems.size() << (problems.size() == 1 ? " problem in " : " problems in ")
            << root << '\n';
    err.flush();
    return problems.empty() ? 0 : 1;
}
