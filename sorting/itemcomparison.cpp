#include "itemcomparison.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <vector>

namespace {

// Sort keys do not follow the collator's case setting in every locale (the
// C locale's keys are the bare text), so case is folded before the key is
// taken.
QCollatorSortKey keyOf(const QCollator& collator, const QString& item)
{
    return collator.sortKey(item.toCaseFolded());
}

} // namespace

int ItemComparison::countAbsent(const QStringList& items, const QStringList& others) const
{
    std::vector<QCollatorSortKey> present;
    present.reserve(std::size_t(others.size()));
    for (const QString& other : others)
        present.push_back(keyOf(m_collator, other));
    std::sort(present.begin(), present.end());
    return int(std::count_if(items.begin(), items.end(), [&](const QString& item) {
        return !std::binary_search(present.begin(), present.end(), keyOf(m_collator, item));
    }));
}
