// --check prints one line a problem and exits 1 when there are any.
#include "app/checkcommand.h"
#include "tests/support/tempcourse.h"

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status;
    QString out, err;
};

Outcome check(const QString& folder)
{
    Outcome run;
    QTextStream out(&run.out), err(&run.err);
    run.status = checkCourseFolder(folder, out, err);
    return run;
}

TEST(CheckCommand, ExitStatusAndLines)
{
    const Outcome clean = check(QStringLiteral(SAMPLE_COURSE_DIR));
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, QString());
    EXPECT_TRUE(clean.err.contains(u"no problems"));

    testsupport::TempCourse course{QStringLiteral(SAMPLE_COURSE_DIR)};
    course.remove("help/help_9.htm");
    course.remove("gdata/m3.jpg");
    const Outcome broken = check(course.root());
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, QStringLiteral("gdata/m3.jpg: missing\n"
                                         "help/help_9.htm: lesson 11 \"2.4 Sorting: Places and transport\": missing\n"));
    EXPECT_TRUE(broken.err.contains(u"2 problems"));

    EXPECT_EQ(check(course.root() + QStringLiteral("/nothing")).status, 2);
}

} // namespace
