#pragma once

#include "dom.h"
#include "pagesource.h"

#include <memory>

namespace platform {

struct ParsedPage {
    PageSource source;
    std::shared_ptr<DomDocument> document;
};

// What a page shows. A frameset page shows its first frame's page (frames
// within frames followed down a few levels); failing that, its <noframes>
// content as markup. Any other page shows itself.
ParsedPage shownPage(const QString& path);

} // namespace platform
