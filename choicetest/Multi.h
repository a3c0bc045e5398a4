#pragma once

#include "platform/bandedform.h"
#include "platform/html/htmlview.h"
#include "platform/savedialog.h"
#include "platform/timer.h"

#include <QLabel>

// The choice test: a test page against a countdown, graded ("multi") or
// saved as the learner filled it in ("txt").
class TMultiFrm : public platform::BandedForm {
    Q_OBJECT
public:
    TMultiFrm();

    platform::Timer* Timer1;
    QWidget* Panel3;
    platform::HtmlView* CppWebBrowser1;
    QLabel* Label1;
    platform::SaveDialog SaveDialog1;

    int secondsLeft = 0;
    QString testMode;
};

extern TMultiFrm* MultiFrm;
