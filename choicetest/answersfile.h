#pragma once

#include <QByteArray>
#include <QString>

// The saved answers of a free-answer test: the page's HTML as one line ended
// by CR LF, in the charset the page was read by, so that a browser opens it
// as the learner saw it. A character the charset lacks is written as a
// character reference. Unicode charsets get a byte order mark, which a
// browser trusts before any declaration.
QByteArray encodeAnswers(const QString& page, const QByteArray& charset);

// Written atomically; fails with "Cannot create file %s" (native path).
void writeAnswersFile(const QString& path, const QString& page, const QByteArray& charset);
