#pragma once

#include "problem.h"

#include <QString>

// Checks a course folder as an author would before shipping it: reads every
// file the program would read, the way it reads them, and lists each
// problem a learner would meet. Opens no window and writes nothing.
namespace coursecheck {

Problems checkCourse(const QString& courseRoot);

} // namespace coursecheck
