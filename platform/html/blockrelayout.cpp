#include "blockrelayout.h"

#include "pagegeometry.h"

namespace platform {

namespace {

bool isHolder(litehtml::style_display display)
{
    return display == litehtml::display_block || display == litehtml::display_list_item
           || display == litehtml::display_table_cell;
}

bool inFlow(const litehtml::element& element)
{
    return element.get_float() == litehtml::float_none
           && element.get_element_position() == litehtml::element_position_static;
}

bool allInFlow(const litehtml::element& element)
{
    const int count = int(element.get_children_count());
    for (int i = 0; i < count; ++i) {
        const litehtml::element& child = *element.get_child(i);
        if (!inFlow(child) || !allInFlow(child))
            return false;
    }
    return true;
}

// A block holding most of a long page (all phrases in one paragraph) costs
// as much to lay out as the page; twice, it would cost more than the page
// once. Words count as elements here.
constexpr int maximumBlockElements = 4000;

bool small(const litehtml::element& element, int& budget)
{
    const int count = int(element.get_children_count());
    budget -= count;
    for (int i = 0; i < count && budget >= 0; ++i)
        small(*element.get_child(i), budget);
    return budget >= 0;
}

} // namespace

BlockRelayout::BlockRelayout(const litehtml::element::ptr& changed)
{
    if (!changed || changed->get_display() != litehtml::display_inline)
        return;
    litehtml::element::ptr block = changed->parent();
    while (block && block->get_display() == litehtml::display_inline)
        block = block->parent();
    // A block of lengths beyond any screen is laid out with the page: the
    // sums that place it in place would overflow.
    if (!block || !isHolder(block->get_display()) || !inFlow(*block) || !block->get_css_height().is_predefined()
        || !allInFlow(*block) || !withinPageLimit(*block))
        return;
    int budget = maximumBlockElements;
    if (!small(*block, budget))
        return;
    m_block = block;
    m_laidOut = block->get_position();
}

void BlockRelayout::renderInPlace()
{
    m_block->render(m_laidOut.x - m_block->content_margins_left(), m_laidOut.y - m_block->content_margins_top(),
                    m_laidOut.width + m_block->content_margins_left() + m_block->content_margins_right());
}

bool BlockRelayout::relayout(const std::function<void(bool former)>& restyle)
{
    if (!m_block)
        return false;
    // A table cell may be stretched to its row: what it needs is measured
    // with the former style, then with the new.
    restyle(true);
    renderInPlace();
    const litehtml::position before = m_block->get_position();
    restyle(false);
    renderInPlace();
    const litehtml::position after = m_block->get_position();
    const bool stretched = m_block->get_display() == litehtml::display_table_cell;
    if (before.width != m_laidOut.width || after.width != m_laidOut.width || after.height != before.height
        || (!stretched && after.height != m_laidOut.height))
        return false;
    m_block->get_position() = m_laidOut;
    if (stretched)
        m_block->apply_vertical_align();
    return true;
}

litehtml::position BlockRelayout::area() const
{
    if (!m_block)
        return {};
    const QRect box = borderBox(*m_block);
    return litehtml::position(box.x(), box.y(), box.width(), box.height());
}

} // namespace platform
