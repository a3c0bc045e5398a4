#include "windows.h"

#include "View.h"
#include "choicetest/Multi.h"
#include "launcher.h"
#include "player/Viewtxt.h"
#include "shell/Intro.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

void createWindows()
{
    MainFrm = new TMainFrm;
    ViewFrm = new TViewFrm;
    ViewTxtFrm = new TViewTxtFrm;
    WorkTxtFrm = new TWorkTxtFrm;
    IntroFrm = new TIntroFrm;
    MultiFrm = new TMultiFrm;
    frmSort = new TfrmSort;
    MainFrm->runSelectedLesson = runSelectedLesson;
}

namespace {

template <typename Window>
void destroy(Window*& window)
{
    delete window;
    window = nullptr;
}

} // namespace

void destroyWindows()
{
    destroy(frmSort);
    destroy(MultiFrm);
    destroy(IntroFrm);
    destroy(WorkTxtFrm);
    destroy(ViewTxtFrm);
    destroy(ViewFrm);
    destroy(MainFrm);
}
