#include "platform/error.h"
#include "platform/stringlist.h"
#include "support/tempcourse.h"

#include <gtest/gtest.h>

using platform::StringList;

struct LineCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class LineRules : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRules, SplitsAsTheCatalogueFilesAreRead)
{
    EXPECT_EQ(StringList::fromBytes(GetParam().bytes).lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineRules,
    ::testing::Values(
        LineCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
        LineCase{"noFinalTerminator", "a\r\nb", {"a", "b"}},
        LineCase{"crOnly", "a\rb\r", {"a", "b"}},
        LineCase{"lfOnly", "a\nb\n", {"a", "b"}},
        LineCase{"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        LineCase{"lfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
        LineCase{"emptyLinesInside", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
        LineCase{"onlyTerminator", "\r\n", {""}},
        LineCase{"empty", "", {}},
        LineCase{"nulEndsText", QByteArray("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        LineCase{"blanksKept", "  a \t\r\n", {"  a \t"}},
        LineCase{"windows1251", "\xcf\xf0\xe8\xe2\xe5\xf2\r\n", {QString::fromUtf8("Привет")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StringList, SavesWithCrLfInWindows1251AndReadsBack)
{
    testsupport::TempCourse course;
    const StringList list(QStringList{"1200", QString::fromUtf8("Ёж"), ""});
    list.save(course.root() + "\\umarks.txt");
    EXPECT_EQ(course.read("umarks.txt"), QByteArray("1200\r\n\xa8\xe6\r\n\r\n"));
    EXPECT_EQ(StringList::load(course.root() + "\\umarks.txt"), list);
}

TEST(StringList, ErrorsCarryTheFrameworkMessages)
{
    const StringList list(QStringList{"a", "b"});
    EXPECT_EQ(list.at(1), "b");
    for (const int index : {2, -1}) {
        try {
            list.at(index);
            FAIL() << "index " << index;
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.message(), QStringLiteral("List index out of bounds (%1)").arg(index));
        }
    }
    try {
        StringList::load("/nonexistent/folder\\main.dsg");
        FAIL();
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message(), "Cannot open file /nonexistent/folder/main.dsg");
    }
}
