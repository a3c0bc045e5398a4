#include "workshoplessons.h"

#include "platform/application.h"
#include "platform/desktop.h"
#include "player/lessonfiles.h"
#include "shell/Main.h"
#include "workshop/Worktxt.h"

namespace {

void navigatePages(int lesson)
{
    WorkTxtFrm->CppWebBrowser1->Navigate(lessonfiles::page(lesson));
    WorkTxtFrm->CppWebBrowser2->Navigate(lessonfiles::secondPage(lesson));
}

// Both kinds once their marks are loaded: stopped at phrase 1 with the
// sound open, the two pages sharing the centre evenly, nothing highlighted
// yet and no unit. A marks file without lines gives a maximum of -1, which
// the track bar ignores.
void prepareAtPhraseOne(const QString& sound)
{
    TWorkTxtFrm* const workshop = WorkTxtFrm;
    workshop->Timer1->setEnabled(false);
    workshop->currentPhrase = 1;
    workshop->lastSelectedPhrase = 1;
    workshop->positionMs = 0;
    workshop->TrackBar1->setMax(workshop->marks.count() - 1);
    workshop->MediaPlayer1->setFileName(sound);
    workshop->MediaPlayer1->open();
    // The window's width with its frame, as the layout gives it.
    const int sides = workshop->Image1->width() + workshop->Image2->width();
    workshop->CppWebBrowser1->setFixedWidth((workshop->outerWidth() - sides - 6) / 2);
    workshop->leftHighlighted = 0;
    workshop->rightHighlighted = 0;
    workshop->paused = 0;
    workshop->cycling = 0;
    workshop->unitStep = 0;
    workshop->m22->setHint(QStringLiteral("Pause"));
    // A window closed in the middle of defining a unit opens at step 0.
    workshop->showUnitStep(0);
}

} // namespace

void launchWorkshop(int lesson)
{
    TWorkTxtFrm* const workshop = WorkTxtFrm;
    workshop->setCaption(MainFrm->windowTitles.at(lesson));
    navigatePages(lesson);
    workshop->marks = platform::StringList::load(lessonfiles::marksFile(lesson));
    prepareAtPhraseOne(lessonfiles::lessonSound(lesson));
    workshop->TrackBar1->setPosition(0);
    workshop->showModal();
}

// No unit repetition on the learner's own recording.
void launchOwnRecordingWorkshop(int lesson)
{
    TWorkTxtFrm* const workshop = WorkTxtFrm;
    workshop->c->hide();
    workshop->caa->hide();
    workshop->setCaption(MainFrm->windowTitles.at(lesson));
    navigatePages(lesson);
    workshop->marks = platform::StringList::load(lessonfiles::userMarks());
    // The recording passed no mark: there is nothing to follow.
    if (workshop->marks.count() == 0) {
        platform::Desktop::current().showMessage(platform::Application::title(), QStringLiteral("Sound file empty."));
        return;
    }
    prepareAtPhraseOne(lessonfiles::ownRecording());
    workshop->TrackBar1->setPosition(0);
    workshop->TrackBar1->setEnabled(false);
    workshop->showModal();
}
