// A marks file, every phrase's start and end read as the player reads them.

#include "fuzzsupport.h"
#include "player/marks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const platform::StringList marks = platform::StringList::fromBytes(fuzzsupport::bytes(data, size));
    for (int k = 0; k <= marks.count() + 1; ++k) {
        fuzzsupport::tolerateErrors([&] { mark(marks, k); });
        fuzzsupport::tolerateErrors([&] { phraseStart(marks, k); });
    }
    return 0;
}
