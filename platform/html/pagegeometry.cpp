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

QRect grown(const QRect& rect, long long left, long long top, long long right, long long bottom)
{
    const int x = clampToPage(rect.x() - left);
    const int y = clampToPage(rect.y() - top);
    const int farX = clampToPage(rect.x() + (long long)rect.width() + right);
    const int farY = clampToPage(rect.y() + (long long)rect.height() + bottom);
    return QRect(x, y, farX - x, farY - y);
}

} // namespace platform
