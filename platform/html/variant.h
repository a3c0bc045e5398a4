#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <variant>

namespace platform {

class Variant;

// An object reached by automation: its members are found by name at the
// moment of the call. An unknown name raises platform::Error.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    virtual Variant get(const QString& member) = 0;
    virtual void set(const QString& member, const Variant& value) = 0;
    virtual Variant call(const QString& method, const QList<Variant>& arguments) = 0;
};

// The dynamic value through which windows drive a page:
//   doc.get("all").get("t5").set("className", "instext");
// It holds nothing (empty), a text, a whole number, a flag or an object.
// Using an empty value as an object raises platform::Error.
class Variant {
public:
    Variant() = default;
    Variant(const QString& text);
    Variant(const char16_t* text);
    // UTF-8 text; without it a literal "..." would convert to a flag.
    Variant(const char* text);
    Variant(int number);
    Variant(bool flag);
    Variant(std::shared_ptr<AutomationObject> object);

    // True for an empty or null reference (nothing loaded, no such element).
    bool isEmpty() const;

    Variant get(const QString& member) const;
    void set(const QString& member, const Variant& value) const;
    Variant call(const QString& method, const QList<Variant>& arguments = {}) const;

    // Texts as the automation converts them: a flag reads "True" or "False".
    QString toText() const;
    // Fails with "'%s' is not a valid integer value" for a non-number.
    int toInt() const;

    const std::shared_ptr<AutomationObject>& object() const;

private:
    AutomationObject& target(const QString& member) const;

    std::variant<std::monostate, QString, int, bool, std::shared_ptr<AutomationObject>> m_value;
};

} // namespace platform
