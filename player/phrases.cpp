#include "phrases.h"

namespace {

platform::Variant element(const platform::Variant& document, QChar letter, int n)
{
    return document.get(QStringLiteral("all")).get(QString(letter) + QString::number(n));
}

bool isSecondKind(const QString& className)
{
    return className == u"comm" || className == u"inscomm";
}

// Both class operations write even when the class stays the same.
void setPhraseClass(const platform::Variant& document, int n, const QString& plain,
                    const QString& ordinary)
{
    const platform::Variant phrase = element(document, u't', n);
    const QString className = phrase.get(QStringLiteral("className")).toText();
    phrase.set(QStringLiteral("className"), isSecondKind(className) ? plain : ordinary);
}

} // namespace

void unhighlightPhrase(const platform::Variant& document, int n)
{
    setPhraseClass(document, n, QStringLiteral("comm"), QStringLiteral("text"));
}

void highlightPhrase(const platform::Variant& document, int n)
{
    setPhraseClass(document, n, QStringLiteral("inscomm"), QStringLiteral("instext"));
}

void revealPhrase(const platform::Variant& document, int n)
{
    element(document, u'a', n).call(QStringLiteral("Click"));
}
