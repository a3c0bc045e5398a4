#pragma once

#include "platform/html/variant.h"

// The phrase operations on a lesson page's document. Phrase n is the element
// "t" + n, whose class says whether it is highlighted, and its reveal anchor
// "a" + n, whose click brings it into view. A page that has not loaded or
// lacks the element makes the automation raise platform::Error.

// "comm" and "inscomm" become "comm"; any other class becomes "text".
void unhighlightPhrase(const platform::Variant& document, int n);
// "comm" and "inscomm" become "inscomm"; any other class becomes "instext".
void highlightPhrase(const platform::Variant& document, int n);
// Clicks the anchor of phrase n.
void revealPhrase(const platform::Variant& document, int n);
