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

// What an element's margin, padding and border add on each side, summed
// in 64 bits: litehtml's own sums of them (content_margins_left(), top(),
// width()) overflow when a page makes any of them the size of int.
long long extentLeft(const litehtml::element& element);
long long extentRight(const litehtml::element& element);
long long extentTop(const litehtml::element& element);
long long extentBottom(const litehtml::element& element);

// Whether an element's box and everything around it lie within the limit,
// so that litehtml's sums of them cannot overflow.
bool withinPageLimit(litehtml::element& element);

// A block's border box in page coordinates: its content box grown by its
// padding and borders.
QRect borderBox(const litehtml::element& element);

// The rectangle grown by these amounts on each side (negative ones shrink
// it), computed without overflow and held to the limit.
QRect grown(const QRect& rect, long long left, long long top, long long right, long long bottom);

} // namespace platform
