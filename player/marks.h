#pragma once

#include "platform/stringlist.h"

// A marks list holds the lines of a marks file as text: line k (from 1) is
// the end of phrase k in milliseconds. A line is converted each time it is
// used, so a bad line fails only when it is reached.

// The end of phrase k; "List index out of bounds" past the last line, the
// conversion error for a line that is not a whole number.
int mark(const platform::StringList& marks, int k);
// The beginning of phrase k: 0 for the first phrase, else mark(k - 1).
int phraseStart(const platform::StringList& marks, int k);
