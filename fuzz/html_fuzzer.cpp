// A page's bytes decoded and parsed into the DOM.

#include "fuzzsupport.h"
#include "platform/html/charset.h"
#include "platform/html/domparser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::parseHtml(platform::decodePage(fuzzsupport::bytes(data, size)));
    return 0;
}
