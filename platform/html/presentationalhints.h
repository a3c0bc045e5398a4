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

} // namespace platform
