#pragma once

#include <litehtml.h>

#include <functional>

namespace platform {

// Lays out again only the block holding an inline element whose restyle
// moved words (a bold highlight), when nothing outside that block moves:
// the block keeps its place, its width and the height it needs. On long
// pages this is what keeps a phrase step cheap.
class BlockRelayout {
public:
    // The block around an inline element; none when the element is not
    // inline, or its block holds floats or positioned boxes, whose layout
    // reaches beyond it, or is so large that laying the page out costs less.
    explicit BlockRelayout(const litehtml::element::ptr& changed);

    bool possible() const { return m_block != nullptr; }

    // restyle(true) gives the element its former style, restyle(false) the
    // new one. Returns false, with the block's layout left to the caller's
    // whole relayout, when the block's height or width would change.
    bool relayout(const std::function<void(bool former)>& restyle);

    // The block's border box, in page coordinates.
    litehtml::position area() const;

private:
    // Lays the block out at its place and width; its height then is what
    // its content needs.
    void renderInPlace();

    litehtml::element::ptr m_block;
    litehtml::position m_laidOut; // the block's content box as the page placed it
};

} // namespace platform
