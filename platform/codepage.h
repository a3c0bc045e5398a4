#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Course text is 8-bit Windows-1251; it is decoded once, where files are read.
QString decodeWindows1251(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray encodeWindows1251(const QString& text);

} // namespace platform
