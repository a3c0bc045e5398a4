#include "courserun.h"

#include "choicetest/Multi.h"
#include "player/Viewtxt.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

#include <QCoreApplication>

namespace endtoend {

CourseRun::CourseRun(const std::function<void(const testsupport::TempCourse&)>& edit)
{
    m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
        shown.push_back(&window);
        window.show();
        if (inWindow)
            inWindow(window);
        // A page loaded by the next launch is that launch's.
        m_loaded.clear();
        return 0;
    });
    m_windows = std::make_unique<testsupport::SampleCourseWindows>(edit);
    for (platform::HtmlView* view : {ViewTxtFrm->CppWebBrowser1, WorkTxtFrm->CppWebBrowser1,
                                     WorkTxtFrm->CppWebBrowser2, MultiFrm->CppWebBrowser1}) {
        QObject::connect(view, &platform::HtmlView::DocumentComplete, view, [this, view] { m_loaded.insert(view); });
    }
}

CourseRun::~CourseRun()
{
    m_windows.reset();
    platform::Form::installModalHook(std::move(m_previousHook));
}

platform::Form* CourseRun::windowOfKind(const QString& kind)
{
    if (QStringList{"1", "3", "11", "8"}.contains(kind))
        return ViewTxtFrm;
    if (QStringList{"2", "4"}.contains(kind))
        return WorkTxtFrm;
    if (QStringList{"5", "6", "7"}.contains(kind))
        return MultiFrm;
    if (kind == u"9")
        return frmSort;
    return nullptr;
}

void CourseRun::select(int lesson)
{
    MainFrm->TreeView1->selectNode(MainFrm->TreeView1->node(lesson));
    MainFrm->TreeView1Click();
}

void CourseRun::runFirstOfKind(const QString& kind)
{
    const int lesson = int(MainFrm->lessonKinds.lines().indexOf(kind));
    ASSERT_GE(lesson, 0) << "no lesson of kind " << kind.toStdString();
    select(lesson);
    MainFrm->m22Click();
}

void CourseRun::waitForPages(std::initializer_list<platform::HtmlView*> views)
{
    const auto allLoaded = [&] {
        for (platform::HtmlView* view : views) {
            if (!m_loaded.contains(view))
                return false;
        }
        return true;
    };
    for (int i = 0; i < 200 && !allLoaded(); ++i)
        QCoreApplication::processEvents();
    ASSERT_TRUE(allLoaded());
}

} // namespace endtoend
