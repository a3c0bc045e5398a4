#include "launcher.h"

#include "playerlessons.h"
#include "workshoplessons.h"
#include "sortinglessons.h"
#include "testlessons.h"

#include "choicetest/Multi.h"
#include "player/Viewtxt.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

#include <QThread>

namespace {

// Stops whatever the previous lesson left running in the player and the
// workshop. The track bars go to 0 while the players are still open: a
// track bar left elsewhere runs its window's change handler with the old
// lesson's state, as a learner's move would.
void resetExerciseWindows()
{
    QThread::msleep(1);
    WorkTxtFrm->TrackBar1->setPosition(0);
    ViewTxtFrm->TrackBar1->setPosition(0);
    ViewTxtFrm->MediaPlayer1->close();
    ViewTxtFrm->MediaPlayer2->close();
    WorkTxtFrm->MediaPlayer1->close();
    MainFrm->m2->hide();
    // A button the pointer was on when its window closed would otherwise be
    // lit when that window opens for the next lesson, wherever the pointer is.
    platform::BandedForm* const exerciseWindows[] = {ViewTxtFrm, WorkTxtFrm, MultiFrm, frmSort};
    for (platform::BandedForm* window : exerciseWindows)
        window->hideHoverPictures();
    WorkTxtFrm->ca->hide();
    WorkTxtFrm->TrackBar1->setEnabled(true);
    ViewTxtFrm->TrackBar1->setEnabled(true);
    ViewTxtFrm->Timer1->setEnabled(false);
    ViewTxtFrm->Timer2->setEnabled(false);
    WorkTxtFrm->Timer1->setEnabled(false);
    WorkTxtFrm->c->show();
    WorkTxtFrm->caa->show();
    ViewTxtFrm->freeRecording = false;
    frmSort->Label1->hide();
    MultiFrm->Label1->hide();
}

struct LessonKind {
    const char16_t* code;
    void (*launch)(int lesson);
};

// Compared exactly, in this order: "1", "2", "3", "4", "11", "5", "6", "7",
// "8", "9".
const LessonKind lessonKindsInOrder[] = {
    {u"1", launchListening},
    {u"2", launchWorkshop},
    {u"3", launchRecording},
    {u"4", launchOwnRecordingWorkshop},
    {u"11", launchAccompaniedRecording},
    {u"5", launchGradedTest},
    {u"6", launchFreeAnswerTest},
    {u"7", launchFreeAnswerTest},
    {u"8", launchFreeRecording},
    {u"9", launchSorting},
};

} // namespace

void runSelectedLesson()
{
    if (MainFrm->selectedLessonIndex() < 0)
        return;
    resetExerciseWindows();
    const int lesson = MainFrm->selectedLessonIndex();
    const QString& kind = MainFrm->lessonKinds.at(lesson);
    // Any other code launches nothing.
    for (const LessonKind& candidate : lessonKindsInOrder) {
        if (kind == candidate.code) {
            candidate.launch(lesson);
            return;
        }
    }
}
