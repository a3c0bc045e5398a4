#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace platform {

struct DomAttribute {
    QString name;  // lower case, as the parser gives it
    QString value;
};

// The kinds of form control the view shows as widgets.
enum class ControlKind { None, Text, Password, Radio, Checkbox, Button, TextArea, Select };

// One node of a parsed page. Elements keep their attributes in source
// order; form controls also carry their live state (what the learner
// typed, checked or selected), which starts from the attributes.
class DomNode {
public:
    enum class Kind { Document, Doctype, Element, Text, Comment };

    explicit DomNode(Kind kind) : kind(kind) { }

    bool isElement() const { return kind == Kind::Element; }
    bool is(const char* tagName) const { return isElement() && tag == QLatin1String(tagName); }

    const QString* attribute(const QString& name) const;
    QString attributeOr(const QString& name, const QString& fallback = {}) const;
    void setAttribute(const QString& name, const QString& value);

    ControlKind controlKind() const;
    // The text of the node and its descendants.
    QString textContent() const;

    Kind kind;
    QString tag;                    // element name in lower case; doctype name
    QList<DomAttribute> attributes; // elements
    QString text;                   // text and comment data
    DomNode* parent = nullptr;
    std::vector<std::unique_ptr<DomNode>> children;
    int elementIndex = -1;          // position among the elements, in source order

    QString liveValue;              // text inputs and text areas
    bool liveChecked = false;       // radio buttons, check boxes; options: selected
};

// Told by the document when automation changed something the view shows.
class DomObserver {
public:
    virtual void classChanged(DomNode& element) = 0;
    virtual void formStateChanged(DomNode& element) = 0;
    virtual void scrollIntoView(DomNode& target) = 0;

protected:
    ~DomObserver() = default;
};

class DomDocument {
public:
    DomDocument();

    DomNode& root() { return m_root; }
    const DomNode& root() const { return m_root; }
    // Elements in source order; elementIndex is the position here.
    const std::vector<DomNode*>& elements() const { return m_elements; }

    DomNode* documentElement() const;
    DomNode* body() const;
    DomNode* elementById(const QString& id) const;
    // A member of `all`: the first element with this id, else with this name.
    DomNode* elementByIdOrName(const QString& key) const;
    // "*" gives every element; under limits the search to its descendants.
    std::vector<DomNode*> elementsByTag(const QString& tag, const DomNode* under = nullptr) const;
    // The element an in-page link "#name" leads to: by id, else <a name>.
    DomNode* fragmentTarget(const QString& name) const;

    // The charset the page was read by; a page keeps it when it is saved.
    const QByteArray& charset() const { return m_charset; }
    void setCharset(const QByteArray& charset) { m_charset = charset; }

    void setObserver(DomObserver* observer) { m_observer = observer; }
    DomObserver* observer() const { return m_observer; }

    // Changes that the view must follow.
    void setClassName(DomNode& element, const QString& value);
    // A radio button being checked unchecks the others of its group.
    void setChecked(DomNode& control, bool checked);
    void setValue(DomNode& control, const QString& value);
    // Any other attribute written by automation.
    void setAttribute(DomNode& element, const QString& name, const QString& value);
    // What a click does: toggles check boxes, checks radio buttons, follows
    // in-page links; anything else is left alone.
    void click(DomNode& element);

    // The radio buttons that share this one's name within its form.
    std::vector<DomNode*> radioGroup(const DomNode& radio) const;

    // Called by the parser once the tree is complete.
    void finishLoading();

private:
    void rebuildIndex();

    DomNode m_root{DomNode::Kind::Document};
    // First element of each id and name: lesson pages look up thousands.
    QHash<QString, DomNode*> m_byId;
    QHash<QString, DomNode*> m_byName;
    std::vector<DomNode*> m_elements;
    DomObserver* m_observer = nullptr;
    QByteArray m_charset = QByteArrayLiteral("windows-1251");
};

} // namespace platform
