#include "answersfile.h"

#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/path.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool isUnicode(const QByteArray& charset)
{
    return charset.startsWith("utf-");
}

QByteArray characterReference(char32_t codePoint)
{
    return "&#" + QByteArray::number(uint(codePoint)) + ';';
}

// Each character is encoded alone and read back: one that does not come back
// as itself is not in the charset.
QByteArray encodeWithReferences(const QString& text, const QByteArray& charset)
{
    const bool windows1251 = charset == "windows-1251";
    QStringEncoder encoder(charset.constData(), QStringEncoder::Flag::Stateless);
    QStringDecoder decoder(charset.constData(), QStringDecoder::Flag::Stateless);
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, length);
        i += length;
        if (character.size() == 1 && character.at(0).unicode() < 0x80) {
            bytes.append(char(character.at(0).unicode()));
            continue;
        }
        const QByteArray encoded =
            windows1251 ? platform::encodeWindows1251(character.toString()) : QByteArray(encoder.encode(character));
        const QString back = windows1251 ? platform::decodeWindows1251(encoded) : QString(decoder.decode(encoded));
        if (back == character)
            bytes.append(encoded);
        else
            bytes.append(characterReference(character.toUcs4().value(0)));
    }
    return bytes;
}

} // namespace

QByteArray encodeAnswers(const QString& page, const QByteArray& charset)
{
    const QString line = page + QStringLiteral("\r\n");
    if (isUnicode(charset)) {
        QStringEncoder encoder(charset.constData(), QStringEncoder::Flag::WriteBom);
        if (encoder.isValid())
            return encoder.encode(line);
    }
    const bool known = charset == "windows-1251" || QStringEncoder(charset.constData()).isValid();
    return encodeWithReferences(line, known ? charset : QByteArrayLiteral("windows-1251"));
}

void writeAnswersFile(const QString& path, const QString& page, const QByteArray& charset)
{
    const QString native = platform::nativePath(path);
    QSaveFile file(native);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeAnswers(page, charset)) < 0 || !file.commit())
        throw platform::Error(QStringLiteral("Cannot create file %1").arg(native));
}
