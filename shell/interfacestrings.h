#pragma once

#include <QString>

// Sets the hints of every window's buttons from Strings.ini, in the order of
// its keys; a missing file, section or key gives an empty hint.
void applyInterfaceStrings(const QString& stringsPath);
