#include "variant.h"

#include "../convert.h"
#include "../error.h"

namespace platform {

Variant::Variant(const QString& text)
    : m_value(text)
{
}

Variant::Variant(const char16_t* text)
    : m_value(QString::fromUtf16(text))
{
}

Variant::Variant(const char* text)
    : m_value(QString::fromUtf8(text))
{
}

Variant::Variant(int number)
    : m_value(number)
{
}

Variant::Variant(bool flag)
    : m_value(flag)
{
}

Variant::Variant(std::shared_ptr<AutomationObject> object)
{
    if (object)
        m_value = std::move(object);
}

bool Variant::isEmpty() const
{
    return std::holds_alternative<std::monostate>(m_value);
}

const std::shared_ptr<AutomationObject>& Variant::object() const
{
    static const std::shared_ptr<AutomationObject> none;
    if (const auto* object = std::get_if<std::shared_ptr<AutomationObject>>(&m_value))
        return *object;
    return none;
}

AutomationObject& Variant::target(const QString& member) const
{
    if (isEmpty())
        throw Error(QStringLiteral("Cannot use '%1' of an empty object reference").arg(member));
    if (!object())
        throw Error(QStringLiteral("Cannot use '%1' of the value '%2': it is not an object").arg(member, toText()));
    return *object();
}

Variant Variant::get(const QString& member) const
{
    return target(member).get(member);
}

void Variant::set(const QString& member, const Variant& value) const
{
    target(member).set(member, value);
}

Variant Variant::call(const QString& method, const QList<Variant>& arguments) const
{
    return target(method).call(method, arguments);
}

QString Variant::toText() const
{
    return std::visit(
        [](const auto& value) -> QString {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, QString>)
                return value;
            else if constexpr (std::is_same_v<T, int>)
                return QString::number(value);
            else if constexpr (std::is_same_v<T, bool>)
                return value ? QStringLiteral("True") : QStringLiteral("False");
            else if constexpr (std::is_same_v<T, std::monostate>)
                return QString();
            else
                throw Error(QStringLiteral("An object reference cannot be read as text"));
        },
        m_value);
}

int Variant::toInt() const
{
    if (const int* number = std::get_if<int>(&m_value))
        return *number;
    if (const bool* flag = std::get_if<bool>(&m_value))
        return *flag ? -1 : 0;
    return toInteger(toText());
}

} // namespace platform
