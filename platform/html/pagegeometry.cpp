#include "pagegeometry.h"

#include <algorithm>

namespace platform {

int clampToPage(long long value)
{
    return int(std::clamp<long long>(value, -pageCoordinateLimit, pageCoordinateLimit));
}

QRect toQRect(const litehtml::position& pos)
{
    return QRect(clampToPage(pos.x), clampToPage(pos.y), clampToPage(pos.width), clampToPage(pos.height));
}

long long extentLeft(const litehtml::element& element)
{
    return (long long)element.margin_left() + element.padding_left() + element.border_left();
}

long long extentRight(const litehtml::element& element)
{
    return (long long)element.margin_right() + element.padding_right() + element.border_right();
}

long long extentTop(const litehtml::element& element)
{
    return (long long)element.margin_top() + element.padding_top() + element.border_top();
}

long long extentBottom(const litehtml::element& element)
{
    return (long long)element.margin_bottom() + element.padding_bottom() + element.border_bottom();
}

bool withinPageLimit(litehtml::element& element)
{
    const litehtml::position& pos = element.get_position();
    for (const long long value : {(long long)pos.x, (long long)pos.y, (long long)pos.width, (long long)pos.height,
                                  extentLeft(element), extentRight(element), extentTop(element),
                                  extentBottom(element)}) {
        if (value < -pageCoordinateLimit || value > pageCoordinateLimit)
            return false;
    }
    return true;
}

QRect grown(const QRect& rect, long long left, long long top, long long right, long long bottom)
{
    const int x = clampToPage(rect.x() - left);
    const int y = clampToPage(rect.y() - top);
    const int farX = clampToPage(rect.x() + (long long)rect.width() + right);
    const int farY = clampToPage(rect.y() + (long long)rect.height() + bottom);
    return QRect(x, y, farX - x, farY - y);
}

QRect borderBox(const litehtml::element& element)
{
    return grown(toQRect(element.get_placement()), (long long)element.padding_left() + element.border_left(),
                 (long long)element.padding_top() + element.border_top(),
                 (long long)element.padding_right() + element.border_right(),
                 (long long)element.padding_bottom() + element.border_bottom());
}

} // namespace platform
