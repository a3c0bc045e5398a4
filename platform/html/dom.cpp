#include "dom.h"

#include <QHash>

#include <functional>

namespace platform {

namespace {

const DomNode* formOf(const DomNode& node)
{
    for (const DomNode* n = node.parent; n; n = n->parent) {
        if (n->is("form"))
            return n;
    }
    return nullptr;
}

void collectText(const DomNode& node, QString& out)
{
    if (node.kind == DomNode::Kind::Text)
        out += node.text;
    for (const auto& child : node.children)
        collectText(*child, out);
}

bool isDescendant(const DomNode& node, const DomNode& ancestor)
{
    for (const DomNode* n = node.parent; n; n = n->parent) {
        if (n == &ancestor)
            return true;
    }
    return false;
}

// A single-choice list shows one option: the last one marked selected,
// else the first.
void initialiseSelection(const DomDocument& document, DomNode& select)
{
    const std::vector<DomNode*> options = document.elementsByTag(QStringLiteral("option"), &select);
    const bool multiple = select.attribute(QStringLiteral("multiple")) != nullptr;
    DomNode* chosen = nullptr;
    for (DomNode* option : options) {
        option->liveChecked = option->attribute(QStringLiteral("selected")) != nullptr;
        if (option->liveChecked)
            chosen = option;
    }
    if (multiple)
        return;
    for (DomNode* option : options)
        option->liveChecked = false;
    if (!chosen && !options.empty())
        chosen = options.front();
    if (chosen)
        chosen->liveChecked = true;
}

} // namespace

const QString* DomNode::attribute(const QString& name) const
{
    for (const DomAttribute& attribute : attributes) {
        if (attribute.name.compare(name, Qt::CaseInsensitive) == 0)
            return &attribute.value;
    }
    return nullptr;
}

QString DomNode::attributeOr(const QString& name, const QString& fallback) const
{
    const QString* value = attribute(name);
    return value ? *value : fallback;
}

void DomNode::setAttribute(const QString& name, const QString& value)
{
    for (DomAttribute& attribute : attributes) {
        if (attribute.name.compare(name, Qt::CaseInsensitive) == 0) {
            attribute.value = value;
            return;
        }
    }
    attributes.append({name.toLower(), value});
}

ControlKind DomNode::controlKind() const
{
    if (!isElement())
        return ControlKind::None;
    if (tag == u"textarea")
        return ControlKind::TextArea;
    if (tag == u"select")
        return ControlKind::Select;
    if (tag != u"input")
        return ControlKind::None;
    const QString type = attributeOr(QStringLiteral("type")).trimmed().toLower();
    if (type == u"radio")
        return ControlKind::Radio;
    if (type == u"checkbox")
        return ControlKind::Checkbox;
    if (type == u"password")
        return ControlKind::Password;
    if (type == u"hidden")
        return ControlKind::None;
    if (type == u"button" || type == u"submit" || type == u"reset" || type == u"image" || type == u"file")
        return ControlKind::Button;
    return ControlKind::Text;
}

QString DomNode::textContent() const
{
    QString out;
    collectText(*this, out);
    return out;
}

DomDocument::DomDocument() = default;

DomNode* DomDocument::documentElement() const
{
    for (const auto& child : m_root.children) {
        if (child->isElement())
            return child.get();
    }
    return nullptr;
}

DomNode* DomDocument::body() const
{
    DomNode* html = documentElement();
    if (!html)
        return nullptr;
    for (const auto& child : html->children) {
        if (child->is("body") || child->is("frameset"))
            return child.get();
    }
    return nullptr;
}

DomNode* DomDocument::elementById(const QString& id) const
{
    return m_byId.value(id);
}

DomNode* DomDocument::elementByIdOrName(const QString& key) const
{
    if (DomNode* byId = m_byId.value(key))
        return byId;
    return m_byName.value(key);
}

void DomDocument::rebuildIndex()
{
    m_byId.clear();
    m_byName.clear();
    for (DomNode* element : m_elements) {
        if (const QString* id = element->attribute(QStringLiteral("id")); id && !m_byId.contains(*id))
            m_byId.insert(*id, element);
        if (const QString* name = element->attribute(QStringLiteral("name")); name && !m_byName.contains(*name))
            m_byName.insert(*name, element);
    }
}

void DomDocument::setAttribute(DomNode& element, const QString& name, const QString& value)
{
    const QString lower = name.toLower();
    if (lower == u"class") {
        setClassName(element, value);
        return;
    }
    element.setAttribute(lower, value);
    if (lower == u"id" || lower == u"name")
        rebuildIndex();
}

std::vector<DomNode*> DomDocument::elementsByTag(const QString& tag, const DomNode* under) const
{
    const QString wanted = tag.toLower();
    std::vector<DomNode*> found;
    for (DomNode* element : m_elements) {
        if ((wanted == u"*" || element->tag == wanted) && (!under || isDescendant(*element, *under)))
            found.push_back(element);
    }
    return found;
}

DomNode* DomDocument::fragmentTarget(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    if (DomNode* byId = elementById(name))
        return byId;
    for (DomNode* element : m_elements) {
        if (element->is("a") && element->attributeOr(QStringLiteral("name")) == name)
            return element;
    }
    return nullptr;
}

void DomDocument::setClassName(DomNode& element, const QString& value)
{
    element.setAttribute(QStringLiteral("class"), value);
    if (m_observer)
        m_observer->classChanged(element);
}

std::vector<DomNode*> DomDocument::radioGroup(const DomNode& radio) const
{
    std::vector<DomNode*> group;
    const QString* name = radio.attribute(QStringLiteral("name"));
    if (!name || name->isEmpty())
        return {const_cast<DomNode*>(&radio)};
    const DomNode* form = formOf(radio);
    for (DomNode* element : m_elements) {
        if (element->controlKind() == ControlKind::Radio && element->attributeOr(QStringLiteral("name")) == *name
            && formOf(*element) == form)
            group.push_back(element);
    }
    return group;
}

void DomDocument::setChecked(DomNode& control, bool checked)
{
    std::vector<DomNode*> changed;
    if (control.controlKind() == ControlKind::Radio && checked) {
        for (DomNode* other : radioGroup(control)) {
            if (other != &control && other->liveChecked) {
                other->liveChecked = false;
                changed.push_back(other);
            }
        }
    }
    control.liveChecked = checked;
    changed.push_back(&control);
    if (m_observer) {
        for (DomNode* node : changed)
            m_observer->formStateChanged(*node);
    }
}

void DomDocument::setValue(DomNode& control, const QString& value)
{
    if (control.controlKind() == ControlKind::Select) {
        bool matched = false;
        for (DomNode* option : elementsByTag(QStringLiteral("option"), &control)) {
            const QString optionValue = option->attributeOr(QStringLiteral("value"), option->textContent());
            option->liveChecked = !matched && optionValue == value;
            matched = matched || option->liveChecked;
        }
    } else if (control.controlKind() == ControlKind::Text || control.controlKind() == ControlKind::Password
               || control.controlKind() == ControlKind::TextArea) {
        control.liveValue = value;
    } else {
        control.setAttribute(QStringLiteral("value"), value);
    }
    if (m_observer)
        m_observer->formStateChanged(control);
}

void DomDocument::click(DomNode& element)
{
    switch (element.controlKind()) {
    case ControlKind::Checkbox:
        setChecked(element, !element.liveChecked);
        return;
    case ControlKind::Radio:
        setChecked(element, true);
        return;
    default:
        break;
    }
    for (DomNode* n = &element; n; n = n->parent) {
        if (!n->is("a"))
            continue;
        const QString href = n->attributeOr(QStringLiteral("href")).trimmed();
        if (href.startsWith(u'#')) {
            DomNode* target = fragmentTarget(href.mid(1));
            if (target && m_observer)
                m_observer->scrollIntoView(*target);
        }
        return;
    }
}

void DomDocument::finishLoading()
{
    m_elements.clear();
    std::function<void(DomNode&)> visit = [&](DomNode& node) {
        if (node.isElement()) {
            node.elementIndex = int(m_elements.size());
            m_elements.push_back(&node);
        }
        for (auto& child : node.children)
            visit(*child);
    };
    visit(m_root);
    rebuildIndex();

    // Live state starts from the markup. Within a radio group the last
    // checked button wins, as in a browser; the groups are found in one
    // pass, since a page may hold thousands of checked buttons.
    QHash<std::pair<const DomNode*, QString>, DomNode*> lastChecked;
    for (DomNode* element : m_elements) {
        switch (element->controlKind()) {
        case ControlKind::Text:
        case ControlKind::Password:
            element->liveValue = element->attributeOr(QStringLiteral("value"));
            break;
        case ControlKind::TextArea:
            element->liveValue = element->textContent();
            if (element->liveValue.startsWith(u'\n'))
                element->liveValue.remove(0, 1);
            break;
        case ControlKind::Checkbox:
            element->liveChecked = element->attribute(QStringLiteral("checked")) != nullptr;
            break;
        case ControlKind::Radio: {
            element->liveChecked = false;
            const QString name = element->attributeOr(QStringLiteral("name"));
            if (!element->attribute(QStringLiteral("checked")))
                break;
            if (name.isEmpty())
                element->liveChecked = true; // a group of its own
            else
                lastChecked.insert({formOf(*element), name}, element);
            break;
        }
        case ControlKind::Select:
            initialiseSelection(*this, *element);
            break;
        default:
            break;
        }
    }
    for (DomNode* radio : std::as_const(lastChecked))
        radio->liveChecked = true;
}

} // namespace platform
