#include "pagesource.h"

#include "charset.h"

#include "../path.h"
#include "../wholefile.h"

#include <QRegularExpression>
#include <QUrl>

namespace platform {

namespace {

QString errorPage(const QString& path, const QString& reason)
{
    return QStringLiteral(
               "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Page not found</title></head>"
               "<body style=\"font-family: sans-serif; margin: 2em\">"
               "<h2>The page cannot be displayed</h2>"
               "<p>%1</p><p><code>%2</code></p>"
               "</body></html>")
        .arg(reason, path.toHtmlEscaped());
}

// "file:///x/y.htm" names a local file; anything else is taken as a path.
QString localPath(const QString& address)
{
    if (address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(address).toLocalFile();
    return address;
}

} // namespace

bool isRemoteAddress(const QString& address)
{
    // A scheme is two or more letters before ':'; "C:" is a drive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(address.trimmed()).hasMatch()
           && !address.trimmed().startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

PageSource loadPageSource(const QString& path)
{
    PageSource source;
    QString failure = QStringLiteral("The file was not found or could not be read:");
    if (!isRemoteAddress(path)) {
        const QString native = nativePath(localPath(path));
        QByteArray bytes;
        const WholeFileRead read = readWholeFile(native, maximumPageBytes, bytes);
        if (read == WholeFileRead::Done) {
            source.filePath = native;
            source.text = decodePage(bytes);
            source.charset = pageCharset(bytes);
            source.found = true;
            return source;
        }
        if (read == WholeFileRead::TooLarge)
            failure = QStringLiteral("The file is larger than %1 MB:").arg(maximumPageBytes >> 20);
    }
    source.text = errorPage(path, failure);
    source.charset = QByteArrayLiteral("utf-8");
    return source;
}

} // namespace platform
