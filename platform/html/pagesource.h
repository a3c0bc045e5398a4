#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The text of a page to show: the file decoded by its charset, or the
// view's own error page when the file cannot be read or is not local.
struct PageSource {
    QString filePath; // native path of the file; empty for the error page
    QString text;
    QByteArray charset; // the one the text was read by
    bool found = false;
};

PageSource loadPageSource(const QString& path);

// True for addresses with a scheme other than file: (http:, ftp:, ...),
// which the view never loads.
bool isRemoteAddress(const QString& address);

} // namespace platform
