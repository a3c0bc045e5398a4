// The sorting lesson of the sample course, run from the tree after the
// start-up routine, sorted by mouse and by keyboard.
#include "sortingfixture.h"

#include "platform/form.h"
#include "shell/Main.h"

#include <memory>

namespace sortingtest {
namespace {

TEST(SampleCourse, SortingLessonRunsFromTheTreeAndCountsAtTimeOut)
{
    platform::VirtualAudioDevice audio;
    testsupport::TempCourse course{QStringLiteral(SAMPLE_COURSE_DIR)};
    testsupport::FakeDesktop desktop;
    // No intro screen and no start page.
    QStringList wind = platform::StringList::load(course.root() + "\\wind.mtp").lines();
    wind[2] = wind[5] = QStringLiteral("False");
    platform::StringList(wind).save(course.root() + "\\wind.mtp");

    int shows = 0;
    const platform::Form::ModalHook previous = platform::Form::installModalHook([&](platform::Form& window) {
        if (&window != frmSort)
            return 0;
        ++shows;
        TfrmSort& sort = *frmSort;
        EXPECT_EQ(sort.ListBox1->count(), 11);
        const QStringList transport{"bus", "taxi", "metro", "tram", "bicycle"};
        // Transport to the right by mouse, all but the bicycle.
        for (int row = sort.ListBox1->count() - 1; row >= 0; --row) {
            const QString item = sort.ListBox1->item(row)->text();
            if (transport.contains(item) && item != u"bicycle")
                dragItem(sort.ListBox1, row, sort.ListBox2);
        }
        // The places by keyboard into the middle, the bicycle with them.
        sort.ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        while (sort.ListBox1->count() > 0)
            pressKey(sort.ListBox1, Qt::Key_2);
        EXPECT_EQ(sort.ListBox3->count(), 7);
        while (sort.secondsLeft > 0)
            sort.Timer1Timer();
        sort.m55Click();
        return 0;
    });
    {
        testsupport::Windows windows(course.root());
        MainFrm->show();
        const int lesson = int(MainFrm->lessonKinds.lines().indexOf(QStringLiteral("9")));
        ASSERT_GE(lesson, 0);
        MainFrm->TreeView1->selectNode(MainFrm->TreeView1->node(lesson));
        MainFrm->m22Click();
        EXPECT_EQ(frmSort->caption(), MainFrm->windowTitles.at(lesson));
    }
    platform::Form::installModalHook(previous);
    EXPECT_EQ(shows, 1);
    // The bicycle: missing on the right, extra in the middle.
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Вы допустили ошибок: 2");
}

} // namespace
} // namespace sortingtest
