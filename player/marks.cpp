#include "marks.h"

#include "platform/convert.h"

int mark(const platform::StringList& marks, int k)
{
    return platform::toInteger(marks.at(k - 1));
}

int phraseStart(const platform::StringList& marks, int k)
{
    return k == 1 ? 0 : mark(marks, k - 1);
}
