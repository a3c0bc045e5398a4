#pragma once

#include <litehtml.h>

#include <memory>

namespace platform {

// The layout engine's elements for the tags of pages written for the
// browsers of the early 2000s. Their presentational hints rank above the
// view's own style sheet and below the page's, and are given again when the
// element is restyled; tables widen fixed columns for a spanning cell and
// draw only the rows in view; phrase elements (span, b, ...) keep the
// padding of an enclosing phrase at its ends. Null for tags the engine's own
// elements serve.
litehtml::element::ptr createLegacyElement(const char* tag, const std::shared_ptr<litehtml::document>& document);

// Gives an element and its descendants their hints again, after their
// styles were cleared and the view's own sheet applied.
void applyPresentationalHints(litehtml::element& element);

} // namespace platform
