#pragma once

#include "platform/bandedform.h"
#include "platform/html/htmlview.h"
#include "platform/media/mediaplayer.h"
#include "platform/speedlabel.h"
#include "platform/stringlist.h"
#include "platform/timer.h"
#include "platform/trackbar.h"

class Splitter;

// The text workshop: one recording played against two parallel pages, the
// lesson page on the left and its second page on the right, with the same
// phrase numbers. The highlight moves through both pages together, and a
// unit of phrases can be marked and looped. The launcher loads the pages,
// marks and sound into the members below and shows the window modally.
class TWorkTxtFrm : public platform::BandedForm {
    Q_OBJECT
public:
    TWorkTxtFrm();

    QWidget* Panel3;
    platform::HtmlView* CppWebBrowser1;
    Splitter* Splitter1;
    platform::HtmlView* CppWebBrowser2;
    platform::TrackBar* TrackBar1;
    platform::Timer* Timer1;
    platform::MediaPlayer* MediaPlayer1;
    platform::SpeedLabel* SpeedLabel1;
    // The unit button: its picture, hover picture and clickable area.
    platform::Picture* c;
    platform::Picture* ca;
    platform::Picture* caa;

    platform::StringList marks;
    platform::Variant leftDocument;
    platform::Variant rightDocument;
    int currentPhrase = 1;
    int lastSelectedPhrase = 1;
    int positionMs = 0;
    int paused = 0;
    // Completions of each view that highlighted phrase 1 since the opening.
    int leftHighlighted = 0;
    int rightHighlighted = 0;
    int unitFirst = 0;
    int unitLast = 0;
    int cycling = 0;
    // What the unit button does next: 0 begin, 1 end, 2 play the loop.
    int unitStep = 0;
    // The learner's own recording (kind "4") plays at normal speed only.
    bool learnersRecording = false;

    // Phrase n on both pages. The right page is written plainly: it leaves
    // "text" whatever its class was.
    void unhighlightBoth(int n);
    void highlightBoth(int n);
    // "cycle" on every phrase of the unit, left page then right page.
    void paintUnit();
    // The pictures and the hint of a step on the unit button.
    void showUnitStep(int step);

    // The playback tick: at most one phrase a tick, through the whole text
    // or round the unit. A failing tick stops the timer, so a lasting fault
    // is reported once.
    void Timer1Timer();
    void TrackBar1Change();
    void caaClick();
    // Run, Pause / Continue, Stop, Help, Exit.
    void m11Click();
    void m22Click();
    void m33Click();
    void m44Click();
    void m55Click();
    void CppWebBrowser1DocumentComplete();
    void CppWebBrowser2DocumentComplete();
    // "-", "+" and "0" change the listening speed of the lesson sound.
    void SpeedKeyPress(int key);

    void m11MouseMove();
    void m22MouseMove();
    void m33MouseMove();
    void m44MouseMove();
    void m55MouseMove();
    void caaMouseMove();
    void Image4MouseMove();

    // Stops the sound; everything else stays until the next opening.
    void FormClose() override;

protected:
    void FormShow() override;

private:
    void followText();
    void followUnit();
    bool phraseOver() const;
    void nextPhrase();
    void endOfText();
    void backToFirstPhrase();
    void unmarkUnit();
    void startPlayback(int fromMs);
    void markUnitPhrase(int n);
};

extern TWorkTxtFrm* WorkTxtFrm;
