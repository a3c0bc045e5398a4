#include "platform/profile.h"
#include "support/tempcourse.h"

#include <gtest/gtest.h>

using platform::ProfileFile;

TEST(ProfileFile, ReadsValuesAsTheDesktopReaderDoes)
{
    const ProfileFile strings = ProfileFile::fromText(QString::fromUtf8(
        "; interface strings\r\n"
        "[MAIN]\r\n"
        "main_intro=Введение\r\n"
        "MAIN_EXEC = Run lesson  \r\n"
        "MAIN_HELP=\r\n"
        "MAIN_ABOUT=\"  About  \"\r\n"
        "MAIN_EXIT='Exit'\r\n"
        "MAIN_EXIT=Second\r\n"
        "Broken line without equals\r\n"
        "[View]\n"
        "VIEW_BUTTON=a=b\n"
        "[ main ]\r\n"
        "LATE=late\r\n"));
    struct Case {
        const char* section;
        const char* key;
        QString value;
    };
    const Case cases[] = {
        {"Main", "MAIN_INTRO", QString::fromUtf8("Введение")}, // letter case of section and key ignored
        {"Main", "MAIN_EXEC", "Run lesson"},                   // blanks around '=' and at the end trimmed
        {"Main", "MAIN_HELP", ""},                             // present but empty
        {"Main", "MAIN_MISSING", ""},                          // missing key
        {"Nowhere", "MAIN_EXEC", ""},                          // missing section
        {"Main", "MAIN_ABOUT", "  About  "},                   // one pair of quotes removed, inside kept
        {"Main", "MAIN_EXIT", "Exit"},                         // the first of duplicate keys wins
        {"View", "VIEW_BUTTON", "a=b"},                        // the value is all after the first '='
        {"Main", "LATE", "late"},                              // a section written twice is one section
    };
    for (const Case& c : cases)
        EXPECT_EQ(strings.readString(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(ProfileFile, LongValuesAreCutAndAMissingFileReadsEmpty)
{
    const ProfileFile strings = ProfileFile::fromText("[S]\nK=" + QString(3000, u'x'));
    EXPECT_EQ(strings.readString("S", "K").size(), 2047);

    testsupport::TempCourse course;
    EXPECT_EQ(ProfileFile::load(course.root() + "\\Strings.ini").readString("Main", "MAIN_INTRO"), "");
    course.write("Strings.ini", "[Main]\r\nMAIN_INTRO=\xc2\xe2\xee\xe4\r\n");
    EXPECT_EQ(ProfileFile::load(course.root() + "\\strings.INI").readString("main", "main_intro"),
              QString::fromUtf8("Ввод"));
}
