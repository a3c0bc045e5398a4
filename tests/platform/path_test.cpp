#include "platform/path.h"
#include "support/tempcourse.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(NativePath, BackslashesBecomeSlashesAndLetterCaseIsMatched)
{
    testsupport::TempCourse course;
    course.write("Data/Descr/Intro.HTM", "x");
    const QString root = course.root();

    // The exact name is used as it is.
    EXPECT_EQ(platform::nativePath(root + "\\Data\\Descr\\Intro.HTM"), root + "/Data/Descr/Intro.HTM");
    // Another letter case finds the file, component by component.
    EXPECT_EQ(platform::nativePath(root + "\\data\\descr\\intro.htm"), root + "/Data/Descr/Intro.HTM");
    // A drive-root course root gives a doubled separator, which still opens.
    EXPECT_TRUE(QFile::exists(platform::nativePath(root + "\\\\data\\descr\\intro.htm")));
    // A name that matches nothing stays as built, made native.
    EXPECT_EQ(platform::nativePath(root + "\\data\\descr\\missing.htm"), root + "/data/descr/missing.htm");
    // Relative paths are looked up from the working folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root);
    EXPECT_EQ(platform::nativePath("data\\DESCR\\intro.htm"), "Data/Descr/Intro.HTM");
    QDir::setCurrent(previous);
}
