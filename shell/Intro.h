#pragma once

#include "platform/form.h"
#include "platform/media/mediaplayer.h"
#include "platform/picture.h"
#include "platform/timer.h"

// The intro screen: a borderless window filled with the course's picture,
// with a sound, closing by itself at the tenth second or at a click.
class TIntroFrm : public platform::Form {
    Q_OBJECT
public:
    TIntroFrm();

    platform::Picture* Image1;
    platform::MediaPlayer* MediaPlayer1;
    platform::Timer* Timer1;

    int ticks = 0;

    void FormShow() override;
    void Timer1Timer();
    void Image1Click();

private:
    void finish();
};

extern TIntroFrm* IntroFrm;
