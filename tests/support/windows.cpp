#include "windows.h"

#include "choicetest/Multi.h"
#include "launcher/View.h"
#include "launcher/launcher.h"
#include "player/Viewtxt.h"
#include "shell/Intro.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

#include <QDir>

namespace testsupport {

Windows::Windows(const QString& courseFolder)
    : m_previousFolder(QDir::currentPath())
{
    QDir::setCurrent(courseFolder);
    MainFrm = new TMainFrm;
    ViewFrm = new TViewFrm;
    ViewTxtFrm = new TViewTxtFrm;
    WorkTxtFrm = new TWorkTxtFrm;
    IntroFrm = new TIntroFrm;
    MultiFrm = new TMultiFrm;
    frmSort = new TfrmSort;
    MainFrm->runSelectedLesson = runSelectedLesson;
}

Windows::~Windows()
{
    delete frmSort;
    delete MultiFrm;
    delete IntroFrm;
    delete WorkTxtFrm;
    delete ViewTxtFrm;
    delete ViewFrm;
    delete MainFrm;
    frmSort = nullptr;
    MultiFrm = nullptr;
    IntroFrm = nullptr;
    WorkTxtFrm = nullptr;
    ViewTxtFrm = nullptr;
    ViewFrm = nullptr;
    MainFrm = nullptr;
    QDir::setCurrent(m_previousFolder);
}

} // namespace testsupport
