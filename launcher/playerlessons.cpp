#include "playerlessons.h"

#include "platform/convert.h"
#include "platform/filecopy.h"
#include "player/Viewtxt.h"
#include "player/lessonfiles.h"
#include "shell/Main.h"

namespace {

void setRecordingHints()
{
    ViewTxtFrm->m11->setHint(QStringLiteral("Start record"));
    ViewTxtFrm->m33->setHint(QStringLiteral("Stop record"));
}

// A fresh recording starts from the template. The copy is not checked: if
// it fails the own recording keeps its old content. The marks file is
// emptied first, and on disk: a launch that stops later (an unreadable marks
// file, a sound the device refuses) never shows the window whose closing
// would write them, and the workshop on the own recording must not play the
// fresh recording against the marks of an earlier one.
void resetOwnRecording()
{
    ViewTxtFrm->userMarks.clear();
    ViewTxtFrm->userMarks.save(lessonfiles::userMarks());
    platform::copyFileOver(lessonfiles::recordingTemplate(), lessonfiles::ownRecording());
}

void startAtPhraseOne()
{
    ViewTxtFrm->Timer1->setEnabled(false);
    ViewTxtFrm->currentPhrase = 1;
    ViewTxtFrm->lastSelectedPhrase = 1;
    ViewTxtFrm->positionMs = 0;
}

// A marks file without lines gives a maximum of -1, which the track bar
// ignores: it keeps the previous lesson's.
void loadMarks(int lesson)
{
    ViewTxtFrm->marks = platform::StringList::load(lessonfiles::marksFile(lesson));
}

void openOwnRecording()
{
    ViewTxtFrm->MediaPlayer1->setFileName(lessonfiles::ownRecording());
    ViewTxtFrm->MediaPlayer1->open();
}

void clearRunState()
{
    ViewTxtFrm->pageHighlighted = false;
    ViewTxtFrm->paused = 0;
    ViewTxtFrm->recordingSaved = 0;
    ViewTxtFrm->m22->setHint(QStringLiteral("Pause"));
}

// Kinds "3" and "11" differ only in the lesson sound played alongside.
void launchMarkedRecording(int lesson, bool accompanied)
{
    TViewTxtFrm* const player = ViewTxtFrm;
    player->setCaption(MainFrm->windowTitles.at(lesson));
    resetOwnRecording();
    setRecordingHints();
    player->CppWebBrowser1->Navigate(lessonfiles::page(lesson));
    loadMarks(lesson);
    startAtPhraseOne();
    player->TrackBar1->setMax(player->marks.count() - 1);
    openOwnRecording();
    if (accompanied) {
        player->MediaPlayer2->setFileName(lessonfiles::lessonSound(lesson));
        player->MediaPlayer2->open();
    }
    clearRunState();
    player->recordingMode = 1;
    player->modelPlayerInUse = accompanied ? 1 : 0;
    player->TrackBar1->setEnabled(false);
    player->TrackBar1->setPosition(0);
    player->showModal();
}

} // namespace

void launchListening(int lesson)
{
    TViewTxtFrm* const player = ViewTxtFrm;
    player->setCaption(MainFrm->windowTitles.at(lesson));
    player->m11->setHint(QStringLiteral("Play"));
    player->m33->setHint(QStringLiteral("Stop"));
    player->CppWebBrowser1->Navigate(lessonfiles::page(lesson));
    loadMarks(lesson);
    startAtPhraseOne();
    player->TrackBar1->setMax(player->marks.count() - 1);
    player->MediaPlayer1->setFileName(lessonfiles::lessonSound(lesson));
    player->MediaPlayer1->open();
    clearRunState();
    player->recordingMode = 0;
    player->modelPlayerInUse = 0;
    player->TrackBar1->setEnabled(true);
    player->TrackBar1->setPosition(0);
    player->showModal();
}

void launchRecording(int lesson)
{
    launchMarkedRecording(lesson, false);
}

void launchAccompaniedRecording(int lesson)
{
    launchMarkedRecording(lesson, true);
}

// No marks are loaded: the page is only read from, and the track bar is a
// gauge of the allowance in seconds.
void launchFreeRecording(int lesson)
{
    TViewTxtFrm* const player = ViewTxtFrm;
    player->setCaption(MainFrm->windowTitles.at(lesson));
    resetOwnRecording();
    setRecordingHints();
    player->CppWebBrowser1->Navigate(lessonfiles::page(lesson));
    startAtPhraseOne();
    player->timeLeft = platform::toInteger(MainFrm->timeLimits.at(lesson));
    player->TrackBar1->setMax(int(player->timeLeft));
    openOwnRecording();
    clearRunState();
    player->recordingMode = 1;
    player->modelPlayerInUse = 0;
    player->TrackBar1->setEnabled(false);
    player->TrackBar1->setPosition(0);
    player->freeRecording = true;
    player->showModal();
}
