#pragma once

#include <QCollator>
#include <QStringList>

// Items are the same when they differ at most in letter case, as the
// learner's locale compares them.
class ItemComparison {
public:
    // The items of `items` that have no equal in `others`. Equal items are
    // matched by presence: one equal item satisfies them all. Sort keys
    // keep this n log n, so a word file of many thousand lines is checked
    // at once.
    int countAbsent(const QStringList& items, const QStringList& others) const;

private:
    QCollator m_collator;
};
