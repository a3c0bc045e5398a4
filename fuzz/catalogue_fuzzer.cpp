// A catalogue or layout file: its lines, every conversion on each line, and
// the layout file's rectangles.

#include "fuzzsupport.h"
#include "platform/convert.h"
#include "platform/stringlist.h"
#include "shell/layoutfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const platform::StringList lines = platform::StringList::fromBytes(fuzzsupport::bytes(data, size));
    for (const QString& line : lines.lines()) {
        fuzzsupport::tolerateErrors([&] { platform::toInteger(line); });
        fuzzsupport::tolerateErrors([&] { platform::toBoolean(line); });
    }
    const LayoutFile layout(lines);
    for (int first = -1; first <= lines.count(); ++first)
        fuzzsupport::tolerateErrors([&] { layout.rect(first); });
    // Written back and read again, the lines stay as many: no character
    // becomes a line break. (The text may change: bytes that Windows-1251
    // leaves undefined are written back as '?'.)
    if (platform::StringList::fromBytes(lines.toBytes()).count() != lines.count())
        __builtin_trap();
    return 0;
}
