#include "startupfixture.h"

#include "choicetest/Multi.h"
#include "launcher/View.h"
#include "player/Viewtxt.h"
#include "platform/application.h"
#include "shell/Intro.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

#include <QDir>

using Shown = testsupport::FakeDesktop::Shown;

namespace {

QList<platform::BandedForm*> bandedWindows()
{
    return {MainFrm, ViewFrm, MultiFrm, frmSort, ViewTxtFrm, WorkTxtFrm};
}

} // namespace

class Startup : public CourseFixture {};

TEST_F(Startup, LoadsTheWholeCourse)
{
    start();
    EXPECT_TRUE(desktop.errors.empty()) << desktop.errors.front().text.toStdString();

    EXPECT_EQ(MainFrm->courseRoot, course.root());
    EXPECT_EQ(MainFrm->courseRootSlash, course.root() + "\\");
    EXPECT_EQ(MainFrm->lessonKinds.count(), 19);
    EXPECT_EQ(MainFrm->lessonKinds.at(1), "1");
    EXPECT_EQ(MainFrm->windList.at(0), QString::fromUtf8("English Steps — английский для начинающих"));
    for (const auto* list : {&MainFrm->soundNames, &MainFrm->lessonNames, &MainFrm->textNames, &MainFrm->transNames,
                             &MainFrm->descrNames, &MainFrm->timeLimits, &MainFrm->windowTitles, &MainFrm->marksNames})
        EXPECT_EQ(list->count(), 19);

    // The layout's 974 + 6 by 700 is the outer size: a dialog frame leaves
    // 974 by 675 of it, the sorting window's sizeable frame 972 by 673.
    for (platform::BandedForm* window : bandedWindows()) {
        const QSize client = window == frmSort ? QSize(972, 673) : QSize(974, 675);
        EXPECT_EQ(window->size(), client) << window->objectName().toStdString();
        // The band pictures cover their bands: no grey strip at the right.
        EXPECT_GE(window->Image3->width(), window->Panel1->width());
        EXPECT_GE(window->Image4->width(), window->Panel2->width());
        if (window != frmSort) {
            EXPECT_EQ(window->Image3->width(), window->Panel1->width());
            EXPECT_EQ(window->Image4->width(), window->Panel2->width());
        }
        EXPECT_EQ(window->Panel1->height(), 81);
        EXPECT_EQ(window->Panel2->height(), 84);
        EXPECT_EQ(window->Image1->width(), 49);
        EXPECT_EQ(window->Image2->width(), 46);
        EXPECT_TRUE(window->Image3->hasPicture() && window->Image4->hasPicture());
        EXPECT_TRUE(window->Image1->hasPicture() && window->Image2->hasPicture());
    }
    EXPECT_EQ(WorkTxtFrm->CppWebBrowser1->width(), 980 / 2 - 6);
    EXPECT_EQ(IntroFrm->size(), QSize(800, 500));
    EXPECT_TRUE(IntroFrm->Image1->hasPicture());
    EXPECT_EQ(MainFrm->m11->geometry(), QRect(434, 12, 100, 58));
    EXPECT_EQ(MainFrm->m1->geometry(), MainFrm->m11->geometry());
    EXPECT_EQ(ViewTxtFrm->m55->geometry(), QRect(814, 18, 118, 48));
    EXPECT_EQ(WorkTxtFrm->caa->geometry(), QRect(483, 18, 150, 48));
    EXPECT_TRUE(MainFrm->m11->hint().startsWith("Introduction"));

    EXPECT_EQ(MainFrm->TreeView1->nodeCount(), 19);
    EXPECT_EQ(MainFrm->CppWebBrowser1->LocationURL(), descr("unit1.htm"));
    EXPECT_EQ(MainFrm->caption(), MainFrm->windList.at(0));
    EXPECT_EQ(platform::Application::title(), MainFrm->windList.at(0));
    EXPECT_EQ(MainFrm->selectedLessonIndex(), 0);
    EXPECT_EQ(MainFrm->TreeView1->normalImage(MainFrm->TreeView1->node(0)), 0);
    for (int i = 1; i < 19; ++i)
        EXPECT_EQ(MainFrm->TreeView1->normalImage(MainFrm->TreeView1->node(i)), 1);
    EXPECT_EQ(ViewFrm->Browser->LocationURL(), descr("intro.htm"));
    EXPECT_EQ(ViewFrm->caption(), MainFrm->windList.at(3));
    EXPECT_TRUE(modalShows.isEmpty());
    EXPECT_TRUE(MainFrm->isVisible());
    platform::Application::setTitle("course-player");
}

TEST_F(Startup, IntroThenStartPageThenMainWindowWhenBothFlagsAreTrue)
{
    setWindLine(2, "TRUE");
    setWindLine(5, "-1");
    start();
    EXPECT_EQ(modalShows, (QStringList{"IntroFrm", "ViewFrm"}));
    EXPECT_TRUE(desktop.errors.empty());
}

TEST_F(Startup, AFolderWithoutCourseStopsAtTheLayoutFile)
{
    testsupport::TempCourse empty;
    windows = std::make_unique<testsupport::Windows>(empty.root());
    MainFrm->show();
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0].text, "Cannot open file " + empty.root() + "/main.dsg.");
    // Step 2 has already emptied the hints; nothing after step 2 is done.
    EXPECT_EQ(MainFrm->m11->hint(), "");
    EXPECT_EQ(MainFrm->size(), QSize(976, 634));
    // The other windows keep their design bands too.
    EXPECT_EQ(ViewFrm->Panel2->height(), 89);
    EXPECT_EQ(ViewTxtFrm->Panel2->height(), 84);
    EXPECT_FALSE(MainFrm->Image3->hasPicture());
    EXPECT_EQ(MainFrm->TreeView1->nodeCount(), 0);
    EXPECT_TRUE(MainFrm->isVisible());
}

TEST_F(Startup, EachFailingStepStopsTheRoutineThere)
{
    struct Case {
        const char* name;
        std::function<void(CourseFixture&)> spoil;
        QString message;
        bool treeLoaded;
        bool skinDone;
        bool buttonsPlaced;
    };
    const QString root = course.root();
    const std::vector<Case> cases = {
        {"59 layout lines",
         [](CourseFixture& f) {
             QStringList lines = platform::StringList::load(f.course.root() + "\\main.dsg").lines();
             platform::StringList(lines.mid(0, 59)).save(f.course.root() + "\\main.dsg");
         },
         "List index out of bounds (59)", true, true, true},
        {"bad intro flag", [](CourseFixture& f) { f.setWindLine(2, "yes"); }, "'yes' is not a valid boolean value.",
         true, true, false},
        {"empty descr.mtp", [](CourseFixture& f) { f.course.write("descr.mtp", ""); }, "List index out of bounds (0)",
         true, true, true},
        {"level jump",
         [](CourseFixture& f) { f.course.writeLines("main.mrb", {"A", "\t\tB"}); },
         "Invalid level (2) for item \"B\"", false, false, false},
        {"missing time.mtp", [](CourseFixture& f) { f.course.remove("time.mtp"); },
         "Cannot open file " + root + "/time.mtp.", false, false, false},
        {"bad layout value", [](CourseFixture& f) {
             QStringList lines = platform::StringList::load(f.course.root() + "\\main.dsg").lines();
             lines[1] = "7OO";
             platform::StringList(lines).save(f.course.root() + "\\main.dsg");
         },
         "'7OO' is not a valid integer value.", false, false, false},
        {"undecodable picture", [](CourseFixture& f) { f.course.write("gdata/top.jpg", "garbage"); },
         "Cannot decode picture gdata/top.jpg: Not a JPEG file: starts with 0x67 0x61.", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CourseFixture& fixture = *this;
        const QByteArray dsg = course.read("main.dsg");
        const QByteArray wind = course.read("wind.mtp");
        const QByteArray descrList = course.read("descr.mtp");
        const QByteArray tree = course.read("main.mrb");
        const QByteArray times = course.read("time.mtp");
        const QByteArray top = course.read("gdata/top.jpg");
        c.spoil(fixture);
        desktop.errors.clear();
        start();

        ASSERT_EQ(desktop.errors.size(), 1u);
        EXPECT_EQ(desktop.errors[0].text, c.message);
        EXPECT_EQ(MainFrm->TreeView1->nodeCount() > 1, c.treeLoaded);
        EXPECT_EQ(WorkTxtFrm->m1->hasPicture(), c.skinDone);
        EXPECT_EQ(ViewFrm->m11->geometry().width() == 170, c.buttonsPlaced);
        // The steps after the failure are not done.
        EXPECT_EQ(MainFrm->CppWebBrowser1->LocationURL(), "");
        EXPECT_NE(MainFrm->caption(), MainFrm->windList.count() ? MainFrm->windList.at(0) : "x");
        EXPECT_EQ(ViewFrm->Browser->LocationURL(), "");
        EXPECT_TRUE(MainFrm->isVisible());

        windows.reset();
        course.write("main.dsg", dsg);
        course.write("wind.mtp", wind);
        course.write("descr.mtp", descrList);
        course.write("main.mrb", tree);
        course.write("time.mtp", times);
        course.write("gdata/top.jpg", top);
    }
}

TEST_F(Startup, AMissingExerciseBandPictureLeavesOnlyThePageViewerDressed)
{
    course.remove("gdata/bot3.jpg");
    start();
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0].text, "Cannot open file gdata/bot3.jpg.");
    EXPECT_TRUE(ViewFrm->Image3->hasPicture() && ViewFrm->Image4->hasPicture());
    for (platform::BandedForm* window : bandedWindows()) {
        if (window != ViewFrm) {
            EXPECT_FALSE(window->Image3->hasPicture() || window->Image4->hasPicture());
        }
        EXPECT_FALSE(window->Image1->hasPicture() || window->Image2->hasPicture());
        for (const platform::Picture* hover : window->hoverPictures())
            EXPECT_FALSE(hover->hasPicture());
    }
    EXPECT_FALSE(IntroFrm->Image1->hasPicture());
}

TEST_F(Startup, MixedCaseCourseFilesAreFound)
{
    QDir(course.root()).rename("main.mtp", "MAIN.MTP");
    QDir(course.root()).rename("gdata", "GData");
    QDir(course.root() + "/GData").rename("top.jpg", "Top.JPG");
    start();
    EXPECT_TRUE(desktop.errors.empty());
    EXPECT_TRUE(MainFrm->Image3->hasPicture());
    EXPECT_EQ(MainFrm->lessonKinds.count(), 19);
}
