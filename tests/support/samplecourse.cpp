#include "samplecourse.h"

#include "platform/stringlist.h"
#include "shell/Main.h"

#include <gtest/gtest.h>

namespace testsupport {

SampleCourseWindows::SampleCourseWindows(const std::function<void(const TempCourse&)>& edit)
{
    QStringList wind = platform::StringList::load(course.root() + "\\wind.mtp").lines();
    wind[2] = wind[5] = QStringLiteral("False");
    platform::StringList(wind).save(course.root() + "\\wind.mtp");
    if (edit)
        edit(course);
    m_windows = std::make_unique<Windows>(course.root());
    MainFrm->show();
}

SampleCourseWindows::~SampleCourseWindows() = default;

void SampleCourseWindows::runFirstOfKind(const QString& kind)
{
    const int lesson = int(MainFrm->lessonKinds.lines().indexOf(kind));
    ASSERT_GE(lesson, 0) << "no lesson of kind " << kind.toStdString();
    MainFrm->TreeView1->selectNode(MainFrm->TreeView1->node(lesson));
    MainFrm->m22Click();
}

} // namespace testsupport
