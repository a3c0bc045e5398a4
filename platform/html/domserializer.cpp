#include "domserializer.h"

#include <QSet>

namespace platform {

namespace {

bool isVoid(const QString& tag)
{
    static const QSet<QString> voids = {
        QStringLiteral("area"), QStringLiteral("base"), QStringLiteral("br"), QStringLiteral("col"),
        QStringLiteral("embed"), QStringLiteral("hr"), QStringLiteral("img"), QStringLiteral("input"),
        QStringLiteral("link"), QStringLiteral("meta"), QStringLiteral("param"), QStringLiteral("source"),
        QStringLiteral("track"), QStringLiteral("wbr"), QStringLiteral("basefont"), QStringLiteral("bgsound"),
        QStringLiteral("frame"), QStringLiteral("keygen")};
    return voids.contains(tag);
}

// Text inside these is written as it stands.
bool isRawText(const QString& tag)
{
    static const QSet<QString> raw = {QStringLiteral("style"), QStringLiteral("script"), QStringLiteral("xmp"),
                                      QStringLiteral("iframe"), QStringLiteral("noembed"),
                                      QStringLiteral("noframes"), QStringLiteral("plaintext")};
    return raw.contains(tag);
}

void escapeInto(QString& out, const QString& text, bool inAttribute)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case 0xA0: out += QLatin1String("&nbsp;"); break;
        case u'"':
            if (inAttribute)
                out += QLatin1String("&quot;");
            else
                out += c;
            break;
        case u'<':
            if (inAttribute)
                out += c;
            else
                out += QLatin1String("&lt;");
            break;
        case u'>':
            if (inAttribute)
                out += c;
            else
                out += QLatin1String("&gt;");
            break;
        default: out += c;
        }
    }
}

void writeAttribute(QString& out, const QString& name, const QString& value)
{
    out += u' ';
    out += name;
    out += QLatin1String("=\"");
    escapeInto(out, value, true);
    out += u'"';
}

// The attributes as the learner left the control: live state replaces the
// markup's value, checked and selected.
QList<DomAttribute> liveAttributes(const DomNode& element)
{
    const ControlKind kind = element.controlKind();
    const bool checkable = kind == ControlKind::Radio || kind == ControlKind::Checkbox || element.is("option");
    const bool typed = kind == ControlKind::Text || kind == ControlKind::Password;
    const QString stateName = element.is("option") ? QStringLiteral("selected") : QStringLiteral("checked");
    QList<DomAttribute> attributes;
    bool valueWritten = false;
    for (const DomAttribute& attribute : element.attributes) {
        if (checkable && attribute.name == stateName)
            continue;
        if (typed && attribute.name == u"value") {
            attributes.append({attribute.name, element.liveValue});
            valueWritten = true;
            continue;
        }
        attributes.append(attribute);
    }
    if (typed && !valueWritten && !element.liveValue.isEmpty())
        attributes.append({QStringLiteral("value"), element.liveValue});
    if (checkable && element.liveChecked)
        attributes.append({stateName, QString()});
    return attributes;
}

struct Writer {
    QString out;
    bool forLayout = false;

    void children(const DomNode& node)
    {
        for (const auto& child : node.children)
            write(*child);
    }

    void write(const DomNode& node)
    {
        switch (node.kind) {
        case DomNode::Kind::Document: children(node); return;
        case DomNode::Kind::Doctype:
            out += QLatin1String("<!DOCTYPE ") + (node.tag.isEmpty() ? QStringLiteral("html") : node.tag) + u'>';
            return;
        case DomNode::Kind::Comment:
            if (!forLayout)
                out += QLatin1String("<!--") + node.text + QLatin1String("-->");
            return;
        case DomNode::Kind::Text:
            if (node.parent && node.parent->isElement() && isRawText(node.parent->tag))
                out += node.text;
            else
                escapeInto(out, node.text, false);
            return;
        case DomNode::Kind::Element: element(node); return;
        }
    }

    void element(const DomNode& node)
    {
        if (forLayout && (node.is("script") || node.is("noscript")))
            return;
        out += u'<';
        out += node.tag;
        for (const DomAttribute& attribute : liveAttributes(node))
            writeAttribute(out, attribute.name, attribute.value);
        if (forLayout)
            writeAttribute(out, QString::fromLatin1(renderIndexAttribute), QString::number(node.elementIndex));
        out += u'>';
        if (isVoid(node.tag))
            return;
        if (forLayout && node.controlKind() != ControlKind::None) {
            // The widget shows the content; the box stays empty.
        } else if (node.controlKind() == ControlKind::TextArea) {
            escapeInto(out, node.liveValue, false);
        } else {
            children(node);
        }
        out += QLatin1String("</") + node.tag + u'>';
    }
};

} // namespace

QString innerHtml(const DomNode& node)
{
    Writer writer;
    if (node.controlKind() == ControlKind::TextArea)
        escapeInto(writer.out, node.liveValue, false);
    else
        writer.children(node);
    return writer.out;
}

QString outerHtml(const DomNode& node)
{
    Writer writer;
    writer.write(node);
    return writer.out;
}

QString renderMarkup(const DomDocument& document)
{
    Writer writer;
    writer.forLayout = true;
    writer.out.reserve(64 * 1024);
    writer.write(document.root());
    return writer.out;
}

} // namespace platform
