#include "wordfile.h"

#include <iterator>

SortingWords splitWordFile(const platform::StringList& lines)
{
    SortingWords words;
    QStringList* const sections[] = {&words.pool, &words.firstList, &words.secondList};
    std::size_t section = 0;
    for (const QString& line : lines.lines()) {
        if (line.isEmpty())
            ++section;
        else if (section < std::size(sections))
            sections[section]->append(line);
    }
    return words;
}
