#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The charset a page declares: its byte order mark, then a <meta charset>
// or <meta http-equiv="Content-Type" content="...; charset=..."> near the
// start. Empty when it declares none.
QByteArray declaredCharset(const QByteArray& bytes);

// The charset the page is read by: the declared one, else "windows-1251",
// the code page the course pages are written in. A charset that cannot be
// decoded is treated as undeclared.
QByteArray pageCharset(const QByteArray& bytes);

// Page bytes as text, by pageCharset.
QString decodePage(const QByteArray& bytes);

} // namespace platform
