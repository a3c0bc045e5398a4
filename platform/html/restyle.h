#pragma once

#include <litehtml.h>

#include <vector>

namespace platform {

// Applies the style sheets again to an element and its descendants, as
// after a change of its class. The layout engine keeps, per element, only
// the rules that matched at load, so they are dropped and matched anew.
// sheets in cascade order: the view's own first, then the page's.
// Returns false when nothing that decides the layout changed (fonts, box
// sizes, display, generated content), so a repaint of the element is enough.
bool restyleSubtree(const litehtml::element::ptr& element, const std::vector<const litehtml::css*>& sheets);

} // namespace platform
