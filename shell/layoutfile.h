#pragma once

#include "platform/stringlist.h"

#include <QRect>

// The layout file main.dsg: one whole number of pixels per line.
class LayoutFile {
public:
    explicit LayoutFile(platform::StringList lines);

    // Line `line` as a whole number; fails with "List index out of bounds"
    // past the end and with the integer error for a non-number. Numbers
    // beyond what a screen shows are held to maximumPixels either way: a
    // window the file made millions of pixels wide took gigabytes for its
    // pictures and sums of such numbers overflowed.
    int value(int line) const;

    static constexpr int maximumPixels = 8192;
    // Four lines from `first`: width, height, top, left.
    QRect rect(int first) const;

private:
    platform::StringList m_lines;
};
