// A sorting word file: its sections, and the count of mistakes with the
// pool placed in each target list.

#include "fuzzsupport.h"
#include "platform/stringlist.h"
#include "sorting/itemcomparison.h"
#include "sorting/wordfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const SortingWords words = splitWordFile(platform::StringList::fromBytes(fuzzsupport::bytes(data, size)));
    const ItemComparison items;
    for (const QStringList* expected : {&words.firstList, &words.secondList}) {
        const int missing = items.countAbsent(*expected, words.pool);
        const int stray = items.countAbsent(words.pool, *expected);
        if (missing < 0 || missing > expected->size() || stray < 0 || stray > words.pool.size())
            __builtin_trap();
    }
    // Every item is equal to itself.
    if (items.countAbsent(words.pool, words.pool) != 0)
        __builtin_trap();
    return 0;
}
