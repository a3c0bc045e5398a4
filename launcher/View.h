#pragma once

#include "platform/bandedform.h"
#include "platform/html/htmlview.h"

// The page viewer: one course page (the introduction or the about page) and
// one button back to the main window. Its caller navigates it, sets the
// caption and shows it modally.
class TViewFrm : public platform::BandedForm {
    Q_OBJECT
public:
    TViewFrm();

    platform::HtmlView* Browser;

    void m11MouseMove();
    void Image4MouseMove();
    void m11Click();

protected:
    void FormShow() override;
};

extern TViewFrm* ViewFrm;
