#pragma once

#include "dom.h"

#include <QPoint>

namespace platform {

// The <area> of the image's map (usemap="#name") that a point of the image,
// relative to its top left corner, falls in; null when none does or the
// image has no map. Areas are tried in document order, as browsers do.
const DomNode* areaAt(const DomDocument& document, const DomNode& image, const QPoint& point);

} // namespace platform
