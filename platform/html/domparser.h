#pragma once

#include "dom.h"

#include <QString>

#include <memory>

namespace platform {

// Parses a page as a browser does (HTML5 rules, so any input gives a tree).
std::shared_ptr<DomDocument> parseHtml(const QString& text);

} // namespace platform
