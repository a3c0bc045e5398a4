#pragma once

namespace platform {

// The view's default look of HTML elements, before any page style.
const char* userAgentStyleSheet();

} // namespace platform
