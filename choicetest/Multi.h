#pragma once

#include "platform/bandedform.h"
#include "platform/html/htmlview.h"
#include "platform/savedialog.h"
#include "platform/timer.h"

#include <QLabel>

// The choice test: a test page against a countdown, graded ("multi") or
// saved as the learner filled it in ("txt"). The launcher writes the caption,
// the page, testMode and secondsLeft, starts Timer1 and shows it modally.
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

    // Label1 := "Time countdown: " + secondsLeft + " seconds".
    void showSecondsLeft();

    // Counts the questions answered wrongly and marks each wrongly chosen
    // option on the page.
    int gradeAnswers();
    // Saves the page as the learner filled it in, under a name the learner
    // chooses, then closes the window (also when the learner cancels).
    void saveAnswers();

    // The countdown, once a second; at zero it grades or saves by itself.
    void Timer1Timer();
    // Run, Check, Help, Exit.
    void m11Click();
    void m33Click();
    void m44Click();
    void m55Click();

    void m11MouseMove();
    void m22MouseMove();
    void m33MouseMove();
    void m44MouseMove();
    void m55MouseMove();
    void Image4MouseMove();

    // However the window closes, the countdown stops with it: a hidden test
    // never times out.
    void FormClose() override;

protected:
    void FormShow() override;

private:
    void showResults(int errors);
};

extern TMultiFrm* MultiFrm;
