#pragma once

#include "dom.h"

#include <QString>

namespace platform {

// The content of an element as HTML, with the live state of its form
// controls: typed text as the value, checked and selected as attributes.
QString innerHtml(const DomNode& node);
QString outerHtml(const DomNode& node);

// Markup for the layout engine: the document as it stands, each element
// marked with its elementIndex in the attribute renderIndexAttribute, form
// controls emptied (their widgets show the content), scripts left out.
inline constexpr const char* renderIndexAttribute = "data-view-index";
QString renderMarkup(const DomDocument& document);

} // namespace platform
