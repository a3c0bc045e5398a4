#pragma once

#include "platform/html/htmlview.h"

#include <cstdint>
#include <vector>

namespace fuzzsupport {

// Writes the page into a file of this process's own, navigates the view to
// it and runs the event loop until the page is complete.
void loadPage(platform::HtmlView& view, const std::vector<uint8_t>& page);

} // namespace fuzzsupport
