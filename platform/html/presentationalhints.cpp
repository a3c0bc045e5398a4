#include "presentationalhints.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <array>

namespace platform {

namespace {

QString tagOf(const litehtml::element& element)
{
    const char* tag = element.get_tagName();
    return QString::fromUtf8(tag ? tag : "").toLower();
}

QString attribute(const litehtml::element& element, const char* name)
{
    const char* value = element.get_attr(name);
    return value ? QString::fromUtf8(value).trimmed() : QString();
}

// Enumerated values were written in any case: ALIGN="CENTER".
QString keyword(const litehtml::element& element, const char* name)
{
    return attribute(element, name).toLower();
}

bool has(const litehtml::element& element, const char* name)
{
    return element.get_attr(name) != nullptr;
}

// "120" in pixels or "50%"; empty when the value does not start with a number.
QString length(const QString& value)
{
    static const QRegularExpression number(QStringLiteral(R"(^(\d+(?:\.\d+)?)\s*(%?))"));
    const QRegularExpressionMatch match = number.match(value);
    if (!match.hasMatch())
        return {};
    return match.captured(1) + (match.captured(2).isEmpty() ? QStringLiteral("px") : QStringLiteral("%"));
}

int number(const QString& value, int fallback)
{
    static const QRegularExpression digits(QStringLiteral(R"(^\d+)"));
    const QRegularExpressionMatch match = digits.match(value);
    return match.hasMatch() ? match.captured().toInt() : fallback;
}

// "#ffcc00", a colour name, or "ffcc00", which the browsers took as well.
// Anything else is ignored rather than let into the style text.
QString colour(const QString& value)
{
    static const QRegularExpression bareHex(QStringLiteral("^[0-9a-fA-F]{6}$"));
    static const QRegularExpression valid(QStringLiteral("^#?[0-9a-zA-Z]+$"));
    if (bareHex.match(value).hasMatch())
        return u'#' + value;
    return valid.match(value).hasMatch() ? value : QString();
}

QString imageUrl(const QString& value)
{
    QString address = value;
    address.remove(u'"').remove(u'\\').remove(u'\n').remove(u'\r');
    return address.isEmpty() ? QString() : QStringLiteral("url(\"%1\")").arg(address);
}

QString fontFamily(const QString& value)
{
    QString families = value;
    families.remove(u';').remove(u'{').remove(u'}');
    return families;
}

// <font size>: 1 to 7, or relative to 3; the browsers' sizes for a 16px default.
QString fontSize(const QString& value)
{
    static const std::array<int, 7> pixels = {10, 13, 16, 18, 24, 32, 48};
    static const QRegularExpression size(QStringLiteral(R"(^([+-]?)\s*(\d+))"));
    const QRegularExpressionMatch match = size.match(value);
    if (!match.hasMatch())
        return {};
    int n = match.captured(2).toInt();
    if (match.captured(1) == u"+")
        n = 3 + n;
    else if (match.captured(1) == u"-")
        n = 3 - n;
    return QString::number(pixels[size_t(std::clamp(n, 1, 7) - 1)]) + QStringLiteral("px");
}

QString textAlign(const QString& align)
{
    if (align == u"left" || align == u"right" || align == u"center" || align == u"justify")
        return align;
    if (align == u"middle")
        return QStringLiteral("center");
    return {};
}

QString verticalAlign(const QString& valign)
{
    if (valign == u"top" || valign == u"middle" || valign == u"bottom" || valign == u"baseline")
        return valign;
    if (valign == u"center")
        return QStringLiteral("middle");
    return {};
}

struct Declarations {
    QString text;
    void add(const char* property, const QString& value)
    {
        if (value.isEmpty())
            return;
        text += QLatin1String(property);
        text += u':';
        text += value;
        text += u';';
    }
};

const litehtml::element* ancestor(const litehtml::element& element, const char* tag)
{
    for (const litehtml::element* e = element.parent().get(); e; e = e->parent().get()) {
        if (tagOf(*e) == QLatin1String(tag))
            return e;
    }
    return nullptr;
}

// A table border of N draws the table's frame N wide and a 1px grid; 0
// draws neither. A bare BORDER counts as 1.
int tableBorder(const litehtml::element& table)
{
    if (!has(table, "border"))
        return 0;
    return number(attribute(table, "border"), 1);
}

// A table is centred by an enclosing <center> or align=center, up to the
// cell it sits in, as the browsers did.
bool centredByAncestor(const litehtml::element& table)
{
    for (const litehtml::element* e = table.parent().get(); e; e = e->parent().get()) {
        const QString tag = tagOf(*e);
        if (tag == u"center")
            return true;
        const QString align = keyword(*e, "align");
        if (!align.isEmpty() && tag != u"table" && tag != u"img")
            return align == u"center" || align == u"middle";
        if (tag == u"td" || tag == u"th" || tag == u"table" || tag == u"body")
            return false;
    }
    return false;
}

void backgroundHints(const litehtml::element& element, Declarations& css)
{
    css.add("background-color", colour(attribute(element, "bgcolor")));
    css.add("background-image", imageUrl(attribute(element, "background")));
}

void sizeHints(const litehtml::element& element, Declarations& css)
{
    css.add("width", length(attribute(element, "width")));
    css.add("height", length(attribute(element, "height")));
}

void tableHints(const litehtml::element& table, Declarations& css)
{
    sizeHints(table, css);
    backgroundHints(table, css);
    if (has(table, "cellspacing")) {
        const QString spacing = length(attribute(table, "cellspacing"));
        css.add("border-spacing", spacing.endsWith(u'%') ? QString() : spacing);
    }
    if (const int border = tableBorder(table); border > 0)
        css.add("border", QStringLiteral("%1px outset #808080").arg(border));
    css.add("border-color", colour(attribute(table, "bordercolor")));
    const QString align = keyword(table, "align");
    if (align == u"left" || align == u"right") {
        css.add("float", align);
    } else if (align == u"center" || (align.isEmpty() && centredByAncestor(table))) {
        css.add("margin-left", QStringLiteral("auto"));
        css.add("margin-right", QStringLiteral("auto"));
    }
}

void cellHints(const litehtml::element& cell, Declarations& css)
{
    sizeHints(cell, css);
    backgroundHints(cell, css);
    css.add("text-align", textAlign(keyword(cell, "align")));
    css.add("vertical-align", verticalAlign(keyword(cell, "valign")));
    if (has(cell, "nowrap"))
        css.add("white-space", QStringLiteral("nowrap"));
    if (const litehtml::element* table = ancestor(cell, "table")) {
        if (has(*table, "cellpadding")) {
            const QString padding = length(attribute(*table, "cellpadding"));
            css.add("padding", padding.endsWith(u'%') ? QString() : padding);
        }
        if (tableBorder(*table) > 0)
            css.add("border", QStringLiteral("1px inset #808080"));
        css.add("border-color", colour(attribute(*table, "bordercolor")));
    }
    css.add("border-color", colour(attribute(cell, "bordercolor")));
}

void rowHints(const litehtml::element& row, Declarations& css)
{
    backgroundHints(row, css);
    css.add("height", length(attribute(row, "height")));
    css.add("text-align", textAlign(keyword(row, "align")));
    css.add("vertical-align", verticalAlign(keyword(row, "valign")));
}

void imageHints(const litehtml::element& image, Declarations& css)
{
    sizeHints(image, css);
    const QString align = keyword(image, "align");
    if (align == u"left" || align == u"right")
        css.add("float", align);
    else if (align == u"absmiddle" || align == u"middle")
        css.add("vertical-align", QStringLiteral("middle"));
    else if (align == u"top" || align == u"texttop")
        css.add("vertical-align", QStringLiteral("top"));
    else if (align == u"bottom" || align == u"baseline" || align == u"absbottom")
        css.add("vertical-align", QStringLiteral("baseline"));
    if (const QString h = length(attribute(image, "hspace")); !h.isEmpty()) {
        css.add("margin-left", h);
        css.add("margin-right", h);
    }
    if (const QString v = length(attribute(image, "vspace")); !v.isEmpty()) {
        css.add("margin-top", v);
        css.add("margin-bottom", v);
    }
    if (has(image, "border")) {
        const int border = number(attribute(image, "border"), 0);
        css.add("border", border > 0 ? QStringLiteral("%1px solid").arg(border) : QStringLiteral("none"));
    }
}

void bodyHints(const litehtml::element& body, Declarations& css)
{
    backgroundHints(body, css);
    css.add("color", colour(attribute(body, "text")));
    const QString marginWidth = length(attribute(body, "marginwidth"));
    const QString marginHeight = length(attribute(body, "marginheight"));
    const QString left = length(attribute(body, "leftmargin"));
    const QString top = length(attribute(body, "topmargin"));
    const QString right = length(attribute(body, "rightmargin"));
    const QString bottom = length(attribute(body, "bottommargin"));
    css.add("margin-left", left.isEmpty() ? marginWidth : left);
    css.add("margin-right", right.isEmpty() ? marginWidth : right);
    css.add("margin-top", top.isEmpty() ? marginHeight : top);
    css.add("margin-bottom", bottom.isEmpty() ? marginHeight : bottom);
}

void ruleHints(const litehtml::element& rule, Declarations& css)
{
    css.add("width", length(attribute(rule, "width")));
    const QString align = keyword(rule, "align");
    if (align == u"left") {
        css.add("margin-left", QStringLiteral("0"));
        css.add("margin-right", QStringLiteral("auto"));
    } else if (align == u"right") {
        css.add("margin-left", QStringLiteral("auto"));
        css.add("margin-right", QStringLiteral("0"));
    } else {
        css.add("margin-left", QStringLiteral("auto"));
        css.add("margin-right", QStringLiteral("auto"));
    }
    const int size = std::max(1, number(attribute(rule, "size"), 2));
    const QString shade = colour(attribute(rule, "color"));
    if (has(rule, "noshade") || !shade.isEmpty()) {
        // A solid bar of the given thickness.
        const QString fill = shade.isEmpty() ? QStringLiteral("#808080") : shade;
        css.add("border-style", QStringLiteral("none"));
        css.add("border-width", QStringLiteral("0"));
        css.add("height", QString::number(size) + QStringLiteral("px"));
        css.add("background-color", fill);
    } else {
        // A groove: 1px edges around what the size leaves.
        css.add("height", QString::number(std::max(0, size - 2)) + QStringLiteral("px"));
    }
}

} // namespace

std::string presentationalStyle(const litehtml::element& element)
{
    const QString tag = tagOf(element);
    Declarations css;
    if (tag == u"table") {
        tableHints(element, css);
    } else if (tag == u"td" || tag == u"th") {
        cellHints(element, css);
    } else if (tag == u"tr" || tag == u"tbody" || tag == u"thead" || tag == u"tfoot") {
        rowHints(element, css);
    } else if (tag == u"img") {
        imageHints(element, css);
    } else if (tag == u"font") {
        css.add("font-family", fontFamily(attribute(element, "face")));
        css.add("font-size", fontSize(attribute(element, "size")));
        css.add("color", colour(attribute(element, "color")));
    } else if (tag == u"body") {
        bodyHints(element, css);
    } else if (tag == u"hr") {
        ruleHints(element, css);
    } else if (tag == u"a") {
        if (has(element, "href")) {
            if (const litehtml::element* body = ancestor(element, "body"))
                css.add("color", colour(attribute(*body, "link")));
        }
    } else if (tag == u"input") {
        if (keyword(element, "type") == u"hidden")
            css.add("display", QStringLiteral("none"));
    } else {
        // p, div, h1 to h6, caption
        css.add("text-align", textAlign(keyword(element, "align")));
    }
    return css.text.toStdString();
}

} // namespace platform
