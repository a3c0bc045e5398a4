#pragma once

#include <litehtml.h>

namespace platform {

// litehtml places each word of an inline element by adding the padding,
// border and margin of every inline ancestor it begins (or ends), asking
// the ancestors in turn from the word's parent upwards. It keeps adding
// after a level where the word is not the first, so each word of a <b>
// inside a padded <span> was given the span's padding on both sides. The
// elements below answer "first" (or "last") for a child only when that
// child itself answered so a moment before, in the same climb.
enum class InlineEdge { first, last };

// The answer for child, given the engine's own; self is the element asked.
bool atInlineEdge(InlineEdge edge, const litehtml::element* self, const litehtml::element* child, bool own);
// Drops what is remembered of an element that goes away.
void forgetInlineEdges(const litehtml::element* self);

template <class Base>
class InlineEdges : public Base {
public:
    using Base::Base;
    ~InlineEdges() override { forgetInlineEdges(this); }

    bool is_first_child_inline(const litehtml::element::ptr& el) const override
    {
        return atInlineEdge(InlineEdge::first, this, el.get(), Base::is_first_child_inline(el));
    }

    bool is_last_child_inline(const litehtml::element::ptr& el) override
    {
        return atInlineEdge(InlineEdge::last, this, el.get(), Base::is_last_child_inline(el));
    }
};

} // namespace platform
