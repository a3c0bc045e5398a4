#pragma once

#include "dom.h"
#include "variant.h"

#include <memory>

namespace platform {

// The automation face of a parsed page: the document object, from which
// elements and collections are reached by name, as the windows do:
//   doc.get("all").get("t5").set("className", "instext")
// Member names are matched without regard to case; ids and names of
// elements exactly.
Variant documentObject(const std::shared_ptr<DomDocument>& document);

} // namespace platform
