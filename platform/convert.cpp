#include "convert.h"

#include "error.h"

#include <cstdint>
#include <optional>

namespace platform {

namespace {

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 99;
}

std::optional<int> parseInteger(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    // Blanks are spaces and tabs, as in the tree file's indentation.
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i]);
        if (d >= base)
            return std::nullopt;
        value = value * base + d;
        if (value > std::int64_t(1) << 32)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int(value);
}

} // namespace

int toInteger(const QString& text)
{
    if (const auto value = parseInteger(text))
        return *value;
    throw Error::invalidInteger(text);
}

bool toBoolean(const QString& text)
{
    if (const auto value = parseInteger(text))
        return *value != 0;
    if (text.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    throw Error::invalidBoolean(text);
}

} // namespace platform
