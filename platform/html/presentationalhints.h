#pragma once

#include <litehtml.h>

#include <string>

namespace platform {

// The style the browsers of their day gave an element for its presentational
// attributes (<font size>, <td width>, <body bgcolor>, <img align>, ...), as
// CSS declarations. Enumerated values are matched without regard to case.
// Some hints come from an ancestor: a cell's padding and grid from its
// table, a link's colour from the body.
std::string presentationalStyle(const litehtml::element& element);

// The layout engine's element for a tag, made so that its presentational
// hints rank above the view's own style sheet and below the page's, and are
// given again when the element is restyled. Null for tags without hints.
litehtml::element::ptr createHintedElement(const char* tag, const std::shared_ptr<litehtml::document>& document);

// Gives an element and its descendants their hints again, after their
// styles were cleared and the view's own sheet applied.
void applyPresentationalHints(litehtml::element& element);

} // namespace platform
