#include "domautomation.h"

#include "domserializer.h"

#include "../error.h"

namespace platform {

namespace {

bool named(const QString& member, const char* name)
{
    return member.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

[[noreturn]] void unknownMember(const QString& member)
{
    throw Error(QStringLiteral("The object has no member '%1'").arg(member));
}

[[noreturn]] void notWritable(const QString& member)
{
    throw Error(QStringLiteral("The member '%1' cannot be written").arg(member));
}

[[noreturn]] void notCallable(const QString& member)
{
    throw Error(QStringLiteral("The object has no method '%1'").arg(member));
}

QString textArgument(const QString& method, const QList<Variant>& arguments)
{
    if (arguments.size() != 1)
        throw Error(QStringLiteral("The method '%1' takes one argument, not %2").arg(method).arg(arguments.size()));
    return arguments.front().toText();
}

void noArguments(const QString& method, const QList<Variant>& arguments)
{
    if (!arguments.isEmpty())
        throw Error(QStringLiteral("The method '%1' takes no arguments, not %2").arg(method).arg(arguments.size()));
}

bool isIndex(const QString& member, int& index)
{
    bool ok = false;
    index = member.toInt(&ok);
    return ok && index >= 0;
}

Variant elementObject(const std::shared_ptr<DomDocument>& document, DomNode* node);

// A live list of elements: `all` or the result of getElementsByTagName.
class CollectionObject : public AutomationObject {
public:
    CollectionObject(std::shared_ptr<DomDocument> document, QString tag, const DomNode* under)
        : m_document(std::move(document)), m_tag(std::move(tag)), m_under(under)
    {
    }

    Variant get(const QString& member) override
    {
        if (named(member, "length"))
            return int(items().size());
        return item(member);
    }

    void set(const QString& member, const Variant&) override { notWritable(member); }

    Variant call(const QString& method, const QList<Variant>& arguments) override
    {
        if (named(method, "item"))
            return item(textArgument(method, arguments));
        notCallable(method);
    }

private:
    std::vector<DomNode*> items() const { return m_document->elementsByTag(m_tag, m_under); }

    // An index or an id or name; nothing there gives an empty value.
    Variant item(const QString& key) const
    {
        const std::vector<DomNode*> list = items();
        int index = 0;
        if (isIndex(key, index))
            return index < int(list.size()) ? elementObject(m_document, list[size_t(index)]) : Variant();
        if (m_tag == u"*" && !m_under)
            return elementObject(m_document, m_document->elementByIdOrName(key));
        for (DomNode* node : list) {
            if (node->attributeOr(QStringLiteral("id")) == key)
                return elementObject(m_document, node);
        }
        for (DomNode* node : list) {
            if (node->attributeOr(QStringLiteral("name")) == key)
                return elementObject(m_document, node);
        }
        return {};
    }

    std::shared_ptr<DomDocument> m_document;
    QString m_tag;
    const DomNode* m_under;
};

class DocumentObject : public AutomationObject {
public:
    explicit DocumentObject(std::shared_ptr<DomDocument> document) : m_document(std::move(document)) { }

    Variant get(const QString& member) override
    {
        if (named(member, "all"))
            return Variant(std::make_shared<CollectionObject>(m_document, QStringLiteral("*"), nullptr));
        if (named(member, "body"))
            return elementObject(m_document, m_document->body());
        if (named(member, "documentElement"))
            return elementObject(m_document, m_document->documentElement());
        if (named(member, "charset"))
            return QString::fromLatin1(m_document->charset());
        unknownMember(member);
    }

    void set(const QString& member, const Variant&) override
    {
        if (named(member, "all") || named(member, "body") || named(member, "documentElement")
            || named(member, "charset"))
            notWritable(member);
        unknownMember(member);
    }

    Variant call(const QString& method, const QList<Variant>& arguments) override
    {
        if (named(method, "getElementById"))
            return elementObject(m_document, m_document->elementById(textArgument(method, arguments)));
        if (named(method, "getElementsByTagName"))
            return Variant(std::make_shared<CollectionObject>(m_document, textArgument(method, arguments), nullptr));
        notCallable(method);
    }

private:
    std::shared_ptr<DomDocument> m_document;
};

class ElementObject : public AutomationObject {
public:
    ElementObject(std::shared_ptr<DomDocument> document, DomNode* node)
        : m_document(std::move(document)), m_node(node)
    {
    }

    Variant get(const QString& member) override
    {
        DomNode& node = *m_node;
        if (named(member, "className"))
            return node.attributeOr(QStringLiteral("class"));
        if (named(member, "id"))
            return node.attributeOr(QStringLiteral("id"));
        if (named(member, "tagName"))
            return node.tag.toUpper();
        if (named(member, "innerHTML"))
            return innerHtml(node);
        if (named(member, "outerHTML"))
            return outerHtml(node);
        if (named(member, "innerText"))
            return node.textContent();
        if (named(member, "parentNode")) {
            if (node.parent && node.parent->kind == DomNode::Kind::Document)
                return Variant(std::make_shared<DocumentObject>(m_document));
            return elementObject(m_document, node.parent);
        }
        if (named(member, "checked") && checkable())
            return node.liveChecked;
        if (named(member, "value") && hasValue())
            return value();
        if (named(member, "name") && (node.attribute(QStringLiteral("name")) || node.controlKind() != ControlKind::None))
            return node.attributeOr(QStringLiteral("name"));
        if (const QString* attribute = node.attribute(member))
            return *attribute;
        unknownMember(member);
    }

    void set(const QString& member, const Variant& value) override
    {
        DomNode& node = *m_node;
        if (named(member, "className")) {
            m_document->setClassName(node, value.toText());
        } else if (named(member, "checked") && checkable()) {
            m_document->setChecked(node, checkedFrom(value));
        } else if (named(member, "value") && hasValue()) {
            m_document->setValue(node, value.toText());
        } else if (named(member, "tagName") || named(member, "innerHTML") || named(member, "outerHTML")
                   || named(member, "innerText") || named(member, "parentNode")) {
            notWritable(member);
        } else if (named(member, "id") || named(member, "name") || node.attribute(member)) {
            m_document->setAttribute(node, member, value.toText());
        } else {
            unknownMember(member);
        }
    }

    Variant call(const QString& method, const QList<Variant>& arguments) override
    {
        if (named(method, "click")) {
            noArguments(method, arguments);
            m_document->click(*m_node);
            return {};
        }
        if (named(method, "getElementsByTagName"))
            return Variant(std::make_shared<CollectionObject>(m_document, textArgument(method, arguments), m_node));
        notCallable(method);
    }

private:
    // Every input has a checked state; it shows on radio buttons and check boxes.
    bool checkable() const { return m_node->is("input"); }

    bool hasValue() const
    {
        return m_node->controlKind() != ControlKind::None || m_node->is("input") || m_node->is("option")
               || m_node->attribute(QStringLiteral("value"));
    }

    QString value() const
    {
        const DomNode& node = *m_node;
        switch (node.controlKind()) {
        case ControlKind::Text:
        case ControlKind::Password:
        case ControlKind::TextArea: return node.liveValue;
        case ControlKind::Radio:
        case ControlKind::Checkbox: return node.attributeOr(QStringLiteral("value"), QStringLiteral("on"));
        case ControlKind::Select:
            for (DomNode* option : m_document->elementsByTag(QStringLiteral("option"), &node)) {
                if (option->liveChecked)
                    return option->attributeOr(QStringLiteral("value"), option->textContent());
            }
            return {};
        default: break;
        }
        if (node.is("option"))
            return node.attributeOr(QStringLiteral("value"), node.textContent());
        return node.attributeOr(QStringLiteral("value"));
    }

    // Automation writes a flag, a number or the text "True"/"False".
    static bool checkedFrom(const Variant& value)
    {
        const QString text = value.toText();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text.isEmpty())
            return false;
        return value.toInt() != 0;
    }

    std::shared_ptr<DomDocument> m_document;
    DomNode* m_node;
};

Variant elementObject(const std::shared_ptr<DomDocument>& document, DomNode* node)
{
    if (!node || !node->isElement())
        return {};
    return Variant(std::make_shared<ElementObject>(document, node));
}

} // namespace

Variant documentObject(const std::shared_ptr<DomDocument>& document)
{
    return Variant(std::make_shared<DocumentObject>(document));
}

} // namespace platform
