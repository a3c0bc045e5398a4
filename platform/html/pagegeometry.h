#pragma once

#include <litehtml.h>

#include <QRect>

namespace platform {

// A page's style can give any length up to the range of int
// ("margin: -2147483647px"), and litehtml adds such lengths up as they
// come. Qt's rectangles compute their far edges by adding, so every page
// value is held within this limit first: far beyond any page laid out, and
// small enough that sums of a few never overflow.
constexpr int pageCoordinateLimit = 1 << 28;

int clampToPage(long long value);

// A litehtml box as a Qt rectangle, its values held to the limit.
QRect toQRect(const litehtml::position& pos);

// The rectangle grown by these amounts on each side (negative ones shrink
// it), computed without overflow and held to the limit.
QRect grown(const QRect& rect, long long left, long long top, long long right, long long bottom);

} // namespace platform
