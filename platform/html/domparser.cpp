#include "domparser.h"

#include <gumbo.h>

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
    const QByteArray utf8 = text.toUtf8();
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
