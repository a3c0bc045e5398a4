#pragma once

#include <QImage>
#include <QString>

namespace platform {

// Decodes a JPEG picture with libjpeg. A missing file fails with "Cannot open
// file %s"; a file that is not a decodable JPEG fails with a message naming
// the file and libjpeg's reason.
QImage loadJpeg(const QString& path);

} // namespace platform
