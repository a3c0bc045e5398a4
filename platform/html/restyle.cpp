#include "restyle.h"

#include "legacyelements.h"

namespace platform {

namespace {

// The rules matched at load are kept in a protected member; a derived
// class may name it.
struct MatchedRules : litehtml::html_tag {
    static litehtml::used_selector::vector& of(litehtml::html_tag& tag) { return tag.*(&MatchedRules::m_used_styles); }
};

void forgetMatchedRules(litehtml::element& element)
{
    if (auto* tag = dynamic_cast<litehtml::html_tag*>(&element))
        MatchedRules::of(*tag).clear();
    const int count = int(element.get_children_count());
    for (int i = 0; i < count; ++i)
        forgetMatchedRules(*element.get_child(i));
}

bool sameLength(const litehtml::css_length& a, const litehtml::css_length& b)
{
    return a.is_predefined() == b.is_predefined()
           && (a.is_predefined() ? a.predef() == b.predef() : a.val() == b.val() && a.units() == b.units());
}

bool sameMargins(const litehtml::margins& a, const litehtml::margins& b)
{
    return a.left == b.left && a.right == b.right && a.top == b.top && a.bottom == b.bottom;
}

// What of an element's computed style decides where boxes go.
struct LayoutInputs {
    explicit LayoutInputs(litehtml::element& e)
        : font(e.get_font()), display(e.get_display()), whiteSpace(e.get_white_space()), floating(e.get_float()),
          position(e.get_element_position()), verticalAlign(e.get_vertical_align()), lineHeight(e.line_height()),
          children(e.get_children_count()), margins(e.get_margins()), paddings(e.get_paddings()),
          borders(e.get_borders()), width(e.get_css_width()), height(e.get_css_height()),
          transform(e.get_style_property("text-transform", true, "none"))
    {
    }

    bool operator==(const LayoutInputs& o) const
    {
        return font == o.font && display == o.display && whiteSpace == o.whiteSpace && floating == o.floating
               && position == o.position && verticalAlign == o.verticalAlign && lineHeight == o.lineHeight
               && children == o.children && sameMargins(margins, o.margins) && sameMargins(paddings, o.paddings)
               && sameMargins(borders, o.borders) && sameLength(width, o.width) && sameLength(height, o.height)
               && transform == o.transform;
    }

    litehtml::uint_ptr font;
    litehtml::style_display display;
    litehtml::white_space whiteSpace;
    litehtml::element_float floating;
    litehtml::element_position position;
    litehtml::vertical_align verticalAlign;
    int lineHeight;
    size_t children;
    litehtml::margins margins, paddings, borders;
    litehtml::css_length width, height;
    std::string transform;
};

void collectLayoutInputs(litehtml::element& element, std::vector<LayoutInputs>& out)
{
    out.emplace_back(element);
    const int count = int(element.get_children_count());
    for (int i = 0; i < count; ++i)
        collectLayoutInputs(*element.get_child(i), out);
}

} // namespace

bool restyleSubtree(const litehtml::element::ptr& element, const std::vector<const litehtml::css*>& sheets)
{
    std::vector<LayoutInputs> before;
    collectLayoutInputs(*element, before);

    forgetMatchedRules(*element);
    element->refresh_styles(); // with no rules kept, this clears the computed styles
    for (size_t i = 0; i < sheets.size(); ++i) {
        element->apply_stylesheet(*sheets[i]);
        // Attribute hints rank above the view's own sheet, below the page's.
        if (i == 0)
            applyPresentationalHints(*element);
    }
    element->parse_styles();

    std::vector<LayoutInputs> after;
    collectLayoutInputs(*element, after);
    return before != after;
}

} // namespace platform
