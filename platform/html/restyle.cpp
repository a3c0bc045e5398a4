#include "restyle.h"

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

} // namespace

void restyleSubtree(const litehtml::element::ptr& element, const std::vector<const litehtml::css*>& sheets)
{
    forgetMatchedRules(*element);
    element->refresh_styles(); // with no rules kept, this clears the computed styles
    for (const litehtml::css* sheet : sheets)
        element->apply_stylesheet(*sheet);
    element->parse_styles();
}

} // namespace platform
