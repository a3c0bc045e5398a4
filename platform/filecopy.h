#pragma once

#include <QString>

namespace platform {

// Copies a file over an existing one, atomically: the target is either its
// old content or the whole new one. Returns false when the copy failed.
bool copyFileOver(const QString& from, const QString& to);

} // namespace platform
