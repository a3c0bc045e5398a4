#pragma once

#include "platform/bandedform.h"
#include "platform/html/htmlview.h"
#include "platform/media/mediaplayer.h"
#include "platform/savedialog.h"
#include "platform/stringlist.h"
#include "platform/timer.h"
#include "platform/trackbar.h"

// The listening text player: the lesson page above a track bar, following
// the lesson sound phrase by phrase, or recording the learner reading the
// text aloud at the pace of the lesson's marks.
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
};

extern TViewTxtFrm* ViewTxtFrm;
