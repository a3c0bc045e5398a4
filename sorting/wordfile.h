#pragma once

#include "platform/stringlist.h"

#include <QStringList>

// The sorting word file: up to three sections of items, each ended by an
// empty line. Section 0 is the pool in the order it is offered, section 1
// the items of the first target list, section 2 those of the second; later
// sections are ignored.
struct SortingWords {
    QStringList pool;
    QStringList firstList;
    QStringList secondList;
};

// An empty line only ends its section: it is no item, so no invisible row
// has to be sorted. A line of spaces is an item like any other.
SortingWords splitWordFile(const platform::StringList& lines);
