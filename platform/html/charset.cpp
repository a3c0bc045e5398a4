#include "charset.h"

#include "../codepage.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace platform {

namespace {

// Browsers look for the declaration in the first kilobytes only.
constexpr qsizetype prescanLength = 4096;

QByteArray byteOrderMark(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return "utf-8";
    if (bytes.startsWith("\xFF\xFE"))
        return "utf-16le";
    if (bytes.startsWith("\xFE\xFF"))
        return "utf-16be";
    return {};
}

// Both <meta charset=...> and the http-equiv form, whose content is
// "text/html; charset=...", name it after "charset=".
QByteArray charsetInMeta(const QString& tag)
{
    static const QRegularExpression charsetAttribute(
        QStringLiteral(R"(\bcharset\s*=\s*["']?\s*([A-Za-z0-9._:\-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = charsetAttribute.match(tag);
    return match.hasMatch() ? match.captured(1).toLatin1().toLower() : QByteArray();
}

bool isWindows1251(const QByteArray& name)
{
    return name == "windows-1251" || name == "cp1251" || name == "x-cp1251" || name == "win-1251";
}

} // namespace

QByteArray declaredCharset(const QByteArray& bytes)
{
    const QByteArray mark = byteOrderMark(bytes);
    if (!mark.isEmpty())
        return mark;

    const QString head = QString::fromLatin1(bytes.left(prescanLength));
    static const QRegularExpression metaTag(QStringLiteral(R"(<meta\b[^>]*>)"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (auto it = metaTag.globalMatch(head); it.hasNext();) {
        const QByteArray charset = charsetInMeta(it.next().captured(0));
        if (!charset.isEmpty())
            return charset;
    }
    return {};
}

QByteArray pageCharset(const QByteArray& bytes)
{
    const QByteArray charset = declaredCharset(bytes);
    if (charset.isEmpty() || isWindows1251(charset) || !QStringDecoder(charset.constData()).isValid())
        return QByteArrayLiteral("windows-1251");
    return charset;
}

QString decodePage(const QByteArray& bytes)
{
    const QByteArray charset = pageCharset(bytes);
    if (charset == "windows-1251")
        return decodeWindows1251(bytes);

    QStringDecoder decoder(charset.constData(), QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace platform
