// --ask: the folder chooser opens on the folder chosen last time and a
// cancelled choice changes nothing.
#include "app/coursechoice.h"
#include "tests/support/fakedesktop.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

class CourseChoice : public ::testing::Test {
protected:
    QTemporaryDir settingsDir;
    QSettings memory{settingsDir.filePath(QStringLiteral("course-player.conf")), QSettings::IniFormat};
    testsupport::FakeDesktop desktop;
    QTemporaryDir course;
};

TEST_F(CourseChoice, TheChosenFolderIsRememberedForNextTime)
{
    desktop.folderAnswers = {course.path(), std::nullopt};
    EXPECT_EQ(askCourseFolder(memory), course.path());
    EXPECT_EQ(askCourseFolder(memory), std::nullopt);
    EXPECT_EQ(desktop.folderRequests, (QStringList{QDir::homePath(), course.path()}));

    // Cancelling kept the last choice, also for a later run.
    QSettings again(memory.fileName(), QSettings::IniFormat);
    askCourseFolder(again);
    EXPECT_EQ(desktop.folderRequests.last(), course.path());
}

TEST_F(CourseChoice, AFolderThatIsGoneStartsAtHome)
{
    desktop.folderAnswers = {course.path()};
    askCourseFolder(memory);
    course.remove();
    askCourseFolder(memory);
    EXPECT_EQ(desktop.folderRequests.last(), QDir::homePath());
}

} // namespace
