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

// A page takes about 150 times its size in memory once laid out: 5 MB
// (fifty times the longest course page) stays within about 800 MB. Style
// sheets are held to the same bound.
constexpr qint64 maximumPageBytes = 5 << 20;

// True for addresses with a scheme other than file: (http:, ftp:, ...),
// which the view never loads.
bool isRemoteAddress(const QString& address);

} // namespace platform
