#pragma once

#include <QString>

namespace platform {

// Turns a path built with backslashes (course root + "\data\descr\" + name)
// into a native one. When the exact name does not exist, each component is
// looked up without regard to letter case and the first match is used, since
// course data copied from a disc has mixed-case names.
QString nativePath(const QString& path);

} // namespace platform
