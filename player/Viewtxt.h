#pragma once

#include "platform/bandedform.h"
#include "platform/html/htmlview.h"
#include "platform/media/mediaplayer.h"
#include "platform/savedialog.h"
#include "platform/speedlabel.h"
#include "platform/stringlist.h"
#include "platform/timer.h"
#include "platform/trackbar.h"

// The listening text player: the lesson page above a track bar, following
// the lesson sound phrase by phrase, or recording the learner reading the
// text aloud at the pace of the lesson's marks. The launcher puts it into
// one of its modes (listening, recording, accompanied or free recording)
// by writing the members below, then shows it modally.
class TViewTxtFrm : public platform::BandedForm {
    Q_OBJECT
public:
    TViewTxtFrm();

    platform::HtmlView* CppWebBrowser1;
    platform::TrackBar* TrackBar1;
    platform::Timer* Timer1;
    platform::Timer* Timer2;
    platform::MediaPlayer* MediaPlayer1;
    platform::MediaPlayer* MediaPlayer2;
    platform::SaveDialog SaveDialog1;
    platform::SpeedLabel* SpeedLabel1;

    platform::StringList marks;
    platform::StringList userMarks;
    platform::Variant pageDocument;
    int currentPhrase = 1;
    int lastSelectedPhrase = 1;
    int positionMs = 0;
    bool pageHighlighted = false;
    int paused = 0;
    int recordingMode = 0;
    int modelPlayerInUse = 0;
    int recordingSaved = 0;
    bool freeRecording = false;
    double timeLeft = 0;

    // The playback tick: follows the sound (or the recording clock) one
    // phrase at a time; any error is shown in an "Error!" box and stops it.
    void Timer1Timer();
    // The free recording gauge, every 100 ms.
    void Timer2Timer();
    // The learner (or the program) chose a phrase on the track bar.
    void TrackBar1Change();
    // Play / Start record, Pause / Continue, Stop / Stop record, Help, Exit.
    void m11Click();
    void m22Click();
    void m33Click();
    void m44Click();
    void m55Click();
    void CppWebBrowser1DocumentComplete();
    // "-", "+" and "0" change the listening speed; recording is always at
    // normal speed, so the keys do nothing in the recording modes.
    void SpeedKeyPress(int key);

    void m11MouseMove();
    void m22MouseMove();
    void m33MouseMove();
    void m44MouseMove();
    void m55MouseMove();
    void Image4MouseMove();

    // Stops the sound; in a recording mode saves the recording and writes
    // the marks it passed for the workshop.
    void FormClose() override;

protected:
    void FormShow() override;

private:
    void followSound();
    void endOfPlayback();
    void backToFirstPhrase();
};

extern TViewTxtFrm* ViewTxtFrm;
