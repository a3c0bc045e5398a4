#pragma once

#include <QString>

namespace platform {

// Whole number: optional leading blanks, optional sign, decimal digits or
// hexadecimal digits after "$" or "0x", nothing after, within 32 bits.
int toInteger(const QString& text);

// A number means true unless zero; otherwise "True" or "False" in any case.
bool toBoolean(const QString& text);

} // namespace platform
