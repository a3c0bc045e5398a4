// The course check on broken copies of the sample course: each planted fault
// is found, with its file and its lessons, and nothing else is reported.
#include "coursecheck/coursecheck.h"
#include "tests/support/tempcourse.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using testsupport::TempCourse;

// Replaces the first `from` in a file of the course.
void edit(const TempCourse& course, const QString& file, const QByteArray& from, const QByteArray& to)
{
    QByteArray bytes = course.read(file);
    const qsizetype at = bytes.indexOf(from);
    ASSERT_GE(at, 0) << from.constData() << " not in " << file.toStdString();
    course.write(file, bytes.replace(at, from.size(), to));
}

// Keeps the first `count` lines of a CR LF file.
void keepLines(const TempCourse& course, const QString& file, int count)
{
    const QList<QByteArray> lines = course.read(file).split('\n');
    course.write(file, lines.mid(0, count).join('\n') + '\n');
}

struct Fault {
    const char* name;
    std::function<void(const TempCourse&)> plant;
    const char* file;
    // The lessons it shows in, by line of main.mrb; none for the whole course.
    std::vector<int> lessons;
    const char* text; // a part of the problem's text
};

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.name;
}

const Fault faults[] = {
    {"ListShorterThanTheTree", [](auto& c) { keepLines(c, "text.mtp", 17); }, "text.mtp", {18},
     "17 lines for 19 lessons"},
    {"MissingHelpPage", [](auto& c) { c.remove("help/help_9.htm"); }, "help/help_9.htm", {11}, "missing"},
    {"MissingSound", [](auto& c) { c.remove("data/sound/day.wav"); }, "data/sound/day.wav", {14, 15}, "missing"},
    {"FileInAnotherLetterCase",
     [](auto& c) {
         c.write("data/text/City.txt", c.read("data/text/city.txt"));
         c.remove("data/text/city.txt");
     },
     "data/text/city.txt", {11}, "found only as data/text/City.txt"},
    {"MarksThatDoNotAscend", [](auto& c) { edit(c, "data/marks/day.txt", "6", "1"); }, "data/marks/day.txt",
     {14, 15}, "does not come after"},
    {"MarkThatIsNoNumber", [](auto& c) { edit(c, "data/marks/day.txt", "\r\n", "ms\r\n"); },
     "data/marks/day.txt", {14, 15}, "line 1: '2327ms' is not a valid integer value"},
    {"MarksEndingBeyondTheSound", [](auto& c) { c.write("data/marks/day.txt", "1000\r\n99000\r\n"); },
     "data/marks/day.txt", {14, 15}, "the last mark 99000 ms lies beyond the end of data/sound/day.wav"},
    {"SecondPageWithoutAPhrase", [](auto& c) { edit(c, "data/text/day_ru.htm", "id=\"t3\"", "id=\"x3\""); },
     "data/text/day_ru.htm", {15}, "no element t3 for its"},
    {"ChoicePageWithoutQ1", [](auto& c) { edit(c, "data/text/test_day.htm", "id=\"q1\"", "id=\"q0\""); },
     "data/text/test_day.htm", {19}, "no option q1"},
    {"OptionWithoutRtype", [](auto& c) { edit(c, "data/text/test_greetings.htm", "id=\"q2\" rtype=\"0\"", "id=\"q2\""); },
     "data/text/test_greetings.htm", {6}, "option q2 has no rtype"},
    {"WrongOptionWithoutItsMark", [](auto& c) { edit(c, "data/text/test_greetings.htm", "id=\"f2\"", "id=\"g2\""); },
     "data/text/test_greetings.htm", {6}, "wrong option q2 has no mark element f2"},
    {"BadTimeLimit", [](auto& c) { edit(c, "time.mtp", "180", "3 min"); }, "time.mtp", {11},
     "'3 min' is not a valid integer value"},
    {"BadBoolean", [](auto& c) { edit(c, "wind.mtp", "True", "yes"); }, "wind.mtp", {},
     "line 3: 'yes' is not a valid boolean value"},
    {"BadLayoutNumber", [](auto& c) { edit(c, "main.dsg", "\r\n434\r\n", "\r\n43x\r\n"); }, "main.dsg", {},
     "line 14: '43x' is not a valid integer value"},
    {"LayoutShorterThanSixtyLines", [](auto& c) { keepLines(c, "main.dsg", 59); }, "main.dsg", {},
     "59 lines, but the layout needs 60"},
    {"SkinPictureThatDoesNotDecode", [](auto& c) { c.write("gdata/c3a.jpg", "GIF89a"); }, "gdata/c3a.jpg", {},
     "does not decode"},
    {"SortingFileWithTwoSections", [](auto& c) { keepLines(c, "data/text/city.txt", 17); }, "data/text/city.txt",
     {11}, "only 2 of its three sections"},
    {"TreeWithALevelJump", [](auto& c) { edit(c, "main.mrb", "\t1.2", "\t\t\t1.2"); }, "main.mrb", {},
     "line 3: Invalid level (3)"},
};

class PlantedFault : public ::testing::TestWithParam<Fault> { };

TEST_P(PlantedFault, IsFoundWithItsFileAndLessons)
{
    const Fault& fault = GetParam();
    TempCourse course{QStringLiteral(SAMPLE_COURSE_DIR)};
    fault.plant(course);
    const coursecheck::Problems problems = coursecheck::checkCourse(course.root());

    std::vector<QString> lessons;
    for (int lesson : fault.lessons)
        lessons.push_back(QStringLiteral("lesson %1 \"").arg(lesson));
    if (lessons.empty())
        lessons.push_back({});
    ASSERT_EQ(problems.size(), lessons.size()) << [&] {
        std::string all;
        for (const auto& p : problems)
            all += p.line().toStdString() + "\n";
        return all;
    }();
    for (size_t i = 0; i < problems.size(); ++i) {
        SCOPED_TRACE(problems[i].line().toStdString());
        EXPECT_EQ(problems[i].file, QString::fromUtf8(fault.file));
        EXPECT_TRUE(lessons[i].isEmpty() ? problems[i].lesson.isEmpty() : problems[i].lesson.startsWith(lessons[i]));
        EXPECT_TRUE(problems[i].text.contains(QString::fromUtf8(fault.text)));
    }
}

INSTANTIATE_TEST_SUITE_P(SampleCourse, PlantedFault, ::testing::ValuesIn(faults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CourseCheck, TheSampleCourseHasNoProblems)
{
    for (const coursecheck::Problem& problem : coursecheck::checkCourse(QStringLiteral(SAMPLE_COURSE_DIR)))
        ADD_FAILURE() << problem.line().toStdString();
}

// A lesson names its tree text as the learner sees it, in Windows-1251.
TEST(CourseCheck, LessonsAreNamedByTheirLineAndText)
{
    TempCourse course{QStringLiteral(SAMPLE_COURSE_DIR)};
    course.remove("data/descr/unit2.htm");
    const coursecheck::Problems problems = coursecheck::checkCourse(course.root());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line(), QStringLiteral("data/descr/unit2.htm: lesson 7 \"Unit 2. In the city "
                                                 "\u00b7 \u0412 \u0433\u043e\u0440\u043e\u0434\u0435\": missing"));
}

TEST(CourseCheck, AFolderWithoutACourseSaysWhatIsMissing)
{
    TempCourse empty;
    const coursecheck::Problems problems = coursecheck::checkCourse(empty.root());
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.front().line(), QStringLiteral("main.dsg: missing"));
}

} // namespace
