#include "error.h"

namespace platform {

Error::Error(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

Error Error::cannotOpenFile(const QString& path)
{
    return Error(QStringLiteral("Cannot open file %1").arg(path));
}

Error Error::invalidInteger(const QString& text)
{
    return Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

Error Error::invalidBoolean(const QString& text)
{
    return Error(QStringLiteral("'%1' is not a valid boolean value").arg(text));
}

Error Error::listIndexOutOfBounds(int index)
{
    return Error(QStringLiteral("List index out of bounds (%1)").arg(index));
}

} // namespace platform
