#pragma once

#include "platform/bandedform.h"
#include "platform/html/htmlview.h"
#include "platform/media/mediaplayer.h"
#include "platform/stringlist.h"
#include "platform/timer.h"
#include "platform/trackbar.h"

#include <QFrame>

// The text workshop: one recording played against two parallel pages, with
// a unit of phrases that can be looped.
class TWorkTxtFrm : public platform::BandedForm {
    Q_OBJECT
public:
    TWorkTxtFrm();

    QWidget* Panel3;
    platform::HtmlView* CppWebBrowser1;
    QFrame* Splitter1;
    platform::HtmlView* CppWebBrowser2;
    platform::TrackBar* TrackBar1;
    platform::Timer* Timer1;
    platform::MediaPlayer* MediaPlayer1;
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
    int leftHighlighted = 0;
    int rightHighlighted = 0;
    int unitFirst = 0;
    int unitLast = 0;
    int cycling = 0;
    int unitStep = 0;
};

extern TWorkTxtFrm* WorkTxtFrm;
