#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Course files are read whole, each kind within a bound of its own, so that
// a damaged or hostile course cannot take unbounded memory. A path that is
// no regular file (a device, whose reading never ends, or a pipe, whose
// opening waits for a writer) counts as a file that cannot be opened.
enum class WholeFileRead { Done, CannotOpen, TooLarge };

WholeFileRead readWholeFile(const QString& nativePath, qint64 maximumBytes, QByteArray& bytes);

// The same, failing with "Cannot open file PATH" or with
// "The file PATH is larger than N MB".
QByteArray readWholeFile(const QString& nativePath, qint64 maximumBytes);

// The bounds: text files of lines (catalogues, tree, marks, word files,
// Strings.ini) and pictures. Pages have their own, on the page itself.
constexpr qint64 maximumTextFileBytes = qint64(16) << 20;
constexpr qint64 maximumPictureFileBytes = qint64(64) << 20;

} // namespace platform
