#include "domparser.h"

#include <gumbo.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <initializer_list>

namespace platform {

namespace {

QString fromUtf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QString tagName(const GumboElement& element)
{
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return QString::fromLatin1(gumbo_normalized_tagname(element.tag));
    GumboStringPiece original = element.original_tag;
    gumbo_tag_from_original_text(&original);
    return QString::fromUtf8(original.data, qsizetype(original.length)).toLower();
}

// Deeper elements are placed beside each other at this depth, as browsers
// do, so that no later walk of a malformed page runs out of stack.
constexpr int maximumDepth = 512;

// gumbo itself walks its open elements for every tag and frees its tree
// recursively: 300,000 nested spans take it minutes and then overflow the
// stack. An element that would open deeper than the tree built here allows
// closes the innermost open one first, so it is placed beside it.
constexpr int maximumTagNesting = maximumDepth;
// An end tag closes the open element of its name among the innermost ones.
constexpr int endTagReach = 16;
// Table layout grows by a factor for each level of tables inside tables:
// the table tags of deeper levels are left out, their content kept.
constexpr int maximumTableNesting = 8;

bool isOneOf(const QByteArray& name, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

// Elements that never hold others or that the next sibling closes: they add
// no depth however many stay unclosed.
bool addsNoDepth(const QByteArray& name)
{
    return isOneOf(name, {"area", "base", "basefont", "bgsound", "br", "col", "embed", "frame", "hr", "img", "input",
                          "keygen", "link", "meta", "param", "source", "track", "wbr", "p", "li", "dt", "dd",
                          "option", "optgroup", "tr", "td", "th", "thead", "tbody", "tfoot", "colgroup", "caption",
                          "rb", "rt", "rp", "rtc", "html", "head", "body"});
}

bool isTablePart(const QByteArray& name)
{
    return isOneOf(name, {"table", "caption", "colgroup", "col", "thead", "tbody", "tfoot", "tr", "td", "th"});
}

// Where the text of a script, style or similar element ends: at its end
// tag, in any letter case.
qsizetype endOfRawText(const QByteArray& html, qsizetype from, const QByteArray& name)
{
    for (qsizetype at = from; (at = html.indexOf("</", at)) >= 0; at += 2) {
        if (html.size() - at - 2 >= name.size()
            && qstrnicmp(html.constData() + at + 2, name.size(), name.constData(), name.size()) == 0)
            return at;
    }
    return html.size();
}

// The page kept within the nesting bounds, as far as tags opening and
// closing tell: close enough to the tree for a bound.
QByteArray boundNesting(const QByteArray& html)
{
    QByteArray bounded;
    qsizetype copiedTo = 0;
    auto replace = [&](qsizetype from, qsizetype to, const QByteArray& with) {
        bounded.append(html.constData() + copiedTo, from - copiedTo);
        bounded.append(with);
        copiedTo = to;
    };
    std::vector<QByteArray> open;
    int tables = 0, droppedTables = 0;
    const qsizetype size = html.size();
    qsizetype i = 0;
    while ((i = html.indexOf('<', i)) >= 0 && i + 1 < size) {
        const qsizetype start = i;
        if (size - i >= 4 && std::memcmp(html.constData() + i, "<!--", 4) == 0) {
            const qsizetype end = html.indexOf("-->", i + 4);
            i = end < 0 ? size : end + 3;
            continue;
        }
        const bool closing = html[i + 1] == '/';
        qsizetype n = i + (closing ? 2 : 1);
        if (n >= size || !std::isalpha(uchar(html[n]))) {
            ++i;
            continue;
        }
        const qsizetype nameStart = n;
        while (n < size && std::isalnum(uchar(html[n])))
            ++n;
        const QByteArray name = html.mid(nameStart, n - nameStart).toLower();
        // The tag ends at the first '>' outside quotes.
        char quote = 0;
        for (; n < size && (quote || html[n] != '>'); ++n) {
            if (quote ? html[n] == quote : html[n] == '"' || html[n] == '\'')
                quote = quote ? 0 : html[n];
        }
        i = std::min(n + 1, size);
        if (!closing && isOneOf(name, {"script", "style", "textarea", "title", "xmp"})) {
            i = endOfRawText(html, i, name);
            continue;
        }

        if (isTablePart(name)) {
            bool drop = droppedTables > 0;
            if (name == "table" && !closing) {
                drop = tables >= maximumTableNesting;
                drop ? ++droppedTables : ++tables;
            } else if (name == "table") {
                drop ? --droppedTables : tables = std::max(0, tables - 1);
            }
            if (drop)
                replace(start, i, {});
        } else if (addsNoDepth(name)) {
        } else if (!closing) {
            if (open.size() >= size_t(maximumTagNesting)) {
                replace(start, start, "</" + open.back() + '>');
                open.pop_back();
            }
            open.push_back(name);
        } else {
            const auto reach = open.size() - std::min(open.size(), size_t(endTagReach));
            for (size_t k = open.size(); k > reach; --k) {
                if (open[k - 1] == name) {
                    open.resize(k - 1);
                    break;
                }
            }
        }
    }
    if (copiedTo == 0)
        return html;
    bounded.append(html.constData() + copiedTo, size - copiedTo);
    return bounded;
}

std::unique_ptr<DomNode> convertNode(const GumboNode& node)
{
    switch (node.type) {
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE: {
        auto element = std::make_unique<DomNode>(DomNode::Kind::Element);
        element->tag = tagName(node.v.element);
        const GumboVector& attributes = node.v.element.attributes;
        for (unsigned i = 0; i < attributes.length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(attributes.data[i]);
            element->attributes.append({fromUtf8(attribute->name), fromUtf8(attribute->value)});
        }
        return element;
    }
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_CDATA: {
        auto text = std::make_unique<DomNode>(DomNode::Kind::Text);
        text->text = fromUtf8(node.v.text.text);
        return text;
    }
    case GUMBO_NODE_COMMENT: {
        auto comment = std::make_unique<DomNode>(DomNode::Kind::Comment);
        comment->text = fromUtf8(node.v.text.text);
        return comment;
    }
    case GUMBO_NODE_DOCUMENT:
        break;
    }
    return nullptr;
}

// Without recursion: gumbo's tree of a malformed page can be very deep.
void appendChildren(DomNode& root, const GumboVector& rootChildren)
{
    struct Pending {
        const GumboVector* children;
        unsigned next;
        DomNode* parent;
        int depth;
    };
    std::vector<Pending> stack{{&rootChildren, 0, &root, 1}};
    while (!stack.empty()) {
        Pending& top = stack.back();
        if (top.next >= top.children->length) {
            stack.pop_back();
            continue;
        }
        const auto& gumboNode = *static_cast<const GumboNode*>(top.children->data[top.next++]);
        std::unique_ptr<DomNode> child = convertNode(gumboNode);
        if (!child)
            continue;
        DomNode* parent = top.parent;
        const int depth = top.depth;
        child->parent = parent;
        DomNode* added = child.get();
        parent->children.push_back(std::move(child));
        if (added->isElement())
            stack.push_back({&gumboNode.v.element.children, 0, depth < maximumDepth ? added : parent,
                             std::min(depth + 1, maximumDepth)});
    }
}

} // namespace

std::shared_ptr<DomDocument> parseHtml(const QString& text)
{
    const QByteArray utf8 = boundNesting(text.toUtf8());
    GumboOptions options = kGumboDefaultOptions;
    // Error records are never read; keeping none saves time and memory.
    options.max_errors = 0;
    GumboOutput* output = gumbo_parse_with_options(&options, utf8.constData(), size_t(utf8.size()));

    auto document = std::make_shared<DomDocument>();
    const GumboDocument& parsed = output->document->v.document;
    if (parsed.has_doctype) {
        auto doctype = std::make_unique<DomNode>(DomNode::Kind::Doctype);
        doctype->tag = fromUtf8(parsed.name);
        doctype->parent = &document->root();
        document->root().children.push_back(std::move(doctype));
    }
    appendChildren(document->root(), parsed.children);
    gumbo_destroy_output(&options, output);
    document->finishLoading();
    return document;
}

} // namespace platform
