#include "inlineedges.h"

namespace platform {

namespace {

// The last element asked, per edge, and its answer.
struct LastAnswer {
    const litehtml::element* asked = nullptr;
    bool atEdge = false;
};

thread_local LastAnswer lastAnswers[2];

} // namespace

bool atInlineEdge(InlineEdge edge, const litehtml::element* self, const litehtml::element* child, bool own)
{
    LastAnswer& last = lastAnswers[int(edge)];
    // The child was asked just before about the word below it: the climb
    // goes on from there, and stays at the edge only while every level is.
    const bool atEdge = own && (last.asked != child || last.atEdge);
    last = {self, atEdge};
    return atEdge;
}

void forgetInlineEdges(const litehtml::element* self)
{
    for (LastAnswer& last : lastAnswers) {
        if (last.asked == self)
            last = {};
    }
}

} // namespace platform
