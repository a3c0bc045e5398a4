// The start-up routine: the one-time loading of the course, run by the main
// window's first show. A failing step ends the routine there; the finished
// steps stay done and the main window is shown all the same.
#include "Intro.h"
#include "Main.h"
#include "interfacestrings.h"
#include "layoutfile.h"
#include "platform/application.h"
#include "platform/convert.h"
#include "platform/error.h"
#include "platform/jpeg.h"
#include "skin.h"
#include "treefile.h"
#include "windowlayout.h"

#include <QDir>

namespace {

void markTree(platform::TreeView& tree)
{
    tree.collapseAll();
    for (int i = 0; i < tree.nodeCount(); ++i)
        tree.setNormalImage(tree.node(i), 1);
    QTreeWidgetItem* first = tree.node(0);
    if (!first)
        throw platform::Error::listIndexOutOfBounds(0);
    tree.selectNode(first);
    tree.setNormalImage(first, 0);
}

} // namespace

void TMainFrm::FormShow()
{
    if (m_started)
        return;
    m_started = true;
    struct CentreAtEnd {
        TMainFrm* window;
        ~CentreAtEnd() { window->centreOnScreen(); }
    } centre{this};

    courseRootSlash = courseRoot + u'\\';
    applyInterfaceStrings(courseRoot + QStringLiteral("\\Strings.ini"));

    const LayoutFile layout(platform::StringList::load(courseRoot + QStringLiteral("\\main.dsg")));

    const auto load = [this](const char16_t* name) {
        return platform::StringList::load(courseRoot + u'\\' + QString::fromUtf16(name));
    };
    lessonKinds = load(u"main.mtp");
    soundNames = load(u"sound.mtp");
    lessonNames = load(u"name.mtp");
    textNames = load(u"text.mtp");
    transNames = load(u"trans.mtp");
    descrNames = load(u"descr.mtp");
    timeLimits = load(u"time.mtp");
    windowTitles = load(u"zagol.mtp");
    marksNames = load(u"zmarks.mtp");
    windList = load(u"wind.mtp");

    applyWindowSizes(layout);

    loadTreeFile(*TreeView1, platform::StringList::load(QStringLiteral("main.mrb")));
    platform::StringList::load(QStringLiteral("main.rbp"));

    applySkin(layout);

    IntroFrm->Image1->setPicture(platform::loadJpeg(descrPath(windList.at(1))));
    IntroFrm->setCaption(windList.at(0));
    if (platform::toBoolean(windList.at(2)))
        IntroFrm->showModal();

    applyButtonRects(layout);

    QDir::setCurrent(courseRoot);

    CppWebBrowser1->Navigate(descrPath(descrNames.at(0)));

    setCaption(windList.at(0));
    platform::Application::setTitle(windList.at(0));

    markTree(*TreeView1);

    // The HTML views need no per-thread set-up: they live on the UI thread.

    // The start page is the Introduction button's page.
    showPage(3, 4, 5);
}
