#include "imagemap.h"

#include "pagegeometry.h"

#include <QPolygon>
#include <QRect>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

QList<int> coordinates(const DomNode& area)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    QList<int> values;
    for (const QString& part : area.attributeOr(QStringLiteral("coords")).split(separators, Qt::SkipEmptyParts)) {
        // Held within the page's range; what is no number ("nan") counts as 0.
        const double value = part.toDouble();
        values.append(std::isnan(value) ? 0 : int(std::clamp<double>(value, -pageCoordinateLimit, pageCoordinateLimit)));
    }
    return values;
}

bool contains(const DomNode& area, const QPoint& point)
{
    const QString shape = area.attributeOr(QStringLiteral("shape")).trimmed().toLower();
    const QList<int> c = coordinates(area);
    if (shape == u"default")
        return true;
    if (shape == u"circle" || shape == u"circ") {
        if (c.size() < 3)
            return false;
        const long long dx = point.x() - (long long)c[0], dy = point.y() - (long long)c[1];
        return dx * dx + dy * dy <= (long long)c[2] * c[2];
    }
    if (shape == u"poly" || shape == u"polygon") {
        QPolygon polygon;
        for (qsizetype i = 0; i + 1 < c.size(); i += 2)
            polygon << QPoint(c[i], c[i + 1]);
        return polygon.size() >= 3 && polygon.containsPoint(point, Qt::OddEvenFill);
    }
    // rect, the default shape
    if (c.size() < 4)
        return false;
    return QRect(QPoint(c[0], c[1]), QPoint(c[2], c[3])).normalized().contains(point);
}

} // namespace

const DomNode* areaAt(const DomDocument& document, const DomNode& image, const QPoint& point)
{
    QString name = image.attributeOr(QStringLiteral("usemap")).trimmed();
    if (!name.startsWith(u'#'))
        return nullptr;
    name = name.mid(1);
    for (const DomNode* map : document.elementsByTag(QStringLiteral("map"))) {
        if (map->attributeOr(QStringLiteral("name")).compare(name, Qt::CaseInsensitive) != 0
            && map->attributeOr(QStringLiteral("id")) != name)
            continue;
        for (const DomNode* area : document.elementsByTag(QStringLiteral("area"), map)) {
            if (contains(*area, point))
                return area;
        }
        return nullptr;
    }
    return nullptr;
}

} // namespace platform
