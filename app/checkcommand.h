#pragma once

#include <QString>
#include <QTextStream>

// --check: prints each problem of the course folder, one a line, to out and
// a closing count to err. Returns the exit status: 0 with no problems, 1
// with some, 2 when the folder cannot be checked at all.
int checkCourseFolder(const QString& folder, QTextStream& out, QTextStream& err);
