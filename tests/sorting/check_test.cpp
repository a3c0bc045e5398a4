// The count of mistakes at time-out, and the word file's sections.
#include "sortingfixture.h"

#include "sorting/wordfile.h"

namespace sortingtest {
namespace {

struct CheckCase {
    const char* name;
    QStringList expected2, expected3;
    QStringList list2, list3;
    int mistakes;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class CheckSorting : public SortingTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckSorting, CountsMistakes)
{
    const CheckCase& c = GetParam();
    sort().expectedList2 = platform::StringList(c.expected2);
    sort().expectedList3 = platform::StringList(c.expected3);
    sort().ListBox2->setItems(c.list2);
    sort().ListBox3->setItems(c.list3);
    sort().ListBox1->setItems({"never examined"});
    EXPECT_EQ(sort().checkSorting(), c.mistakes);
}

const CheckCase checkCases[] = {
    {"AllRightInAnyOrder", {"a", "b"}, {"c"}, {"b", "a"}, {"c"}, 0},
    {"WrongListCountsTwice", {"a"}, {"b"}, {"a", "b"}, {}, 2},
    {"LeftInThePoolCountsOnce", {"a"}, {"b"}, {"a"}, {}, 1},
    {"NothingMoved", {"a", "b"}, {"c"}, {}, {}, 3},
    {"LatinCaseIgnored", {"apple"}, {"PEAR"}, {"Apple"}, {"pear"}, 0},
    {"CyrillicCaseIgnored", {"ёлка", "Москва"}, {"дом"}, {"ЁЛКА", "москва"}, {"ДоМ"}, 0},
    {"OtherLettersStillDiffer", {"ёлка"}, {"cat"}, {"елка"}, {"cats"}, 4},
    {"EqualExpectedItemsMatchedByOne", {"a", "a", "A"}, {}, {"a"}, {}, 0},
    {"EqualPlacedItemsMatchedByOne", {"a"}, {}, {"a", "A"}, {}, 0},
    {"LineOfSpacesIsAnItem", {"a", "  "}, {}, {"a"}, {}, 1},
    {"LineOfSpacesSorted", {"a", "  "}, {}, {"  ", "a"}, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(Sorting, CheckSorting, ::testing::ValuesIn(checkCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A hostile but plausible word file: comparing every item with every other
// would take hours at this size.
TEST_F(SortingTest, AHundredThousandItemsAreCheckedWithoutComparingEveryPair)
{
    QStringList expected, placed;
    for (int n = 0; n < 100000; ++n)
        expected << QStringLiteral("слово %1").arg(n);
    for (int n = 99999; n > 0; --n)
        placed << (n == 500 ? QStringLiteral("СЛОВО 500") : QStringLiteral("слово %1").arg(n));
    placed << QStringLiteral("stray");
    sort().expectedList2 = platform::StringList(expected);
    sort().ListBox2->setItems(placed);
    // "слово 0" missing from its list, "stray" not belonging to it.
    EXPECT_EQ(sort().checkSorting(), 2);
}

TEST(WordFile, EmptyLinesOnlyEndSections)
{
    struct Case {
        QStringList lines;
        QStringList pool, first, second;
    };
    const Case cases[] = {
        // The blank line that ends a section is no item of it.
        {{"a", "b", "", "a", "", "b"}, {"a", "b"}, {"a"}, {"b"}},
        {{"a", "", "b", "", "c", ""}, {"a"}, {"b"}, {"c"}},
        // Two blank lines in a row: an empty section.
        {{"a", "", "", "c"}, {"a"}, {}, {"c"}},
        // A line of spaces is an item; whole lines, taken as they stand.
        {{" x ", "   ", "", "   ", ""}, {" x ", "   "}, {"   "}, {}},
        // Sections after the third are ignored.
        {{"a", "", "b", "", "c", "", "d", "", "e"}, {"a"}, {"b"}, {"c"}},
        {{}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        const SortingWords words = splitWordFile(platform::StringList(c.lines));
        EXPECT_EQ(words.pool, c.pool) << c.lines.join('|').toStdString();
        EXPECT_EQ(words.firstList, c.first) << c.lines.join('|').toStdString();
        EXPECT_EQ(words.secondList, c.second) << c.lines.join('|').toStdString();
    }
}

} // namespace
} // namespace sortingtest
