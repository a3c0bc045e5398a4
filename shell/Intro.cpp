#include "Intro.h"

#include "Main.h"

#include "platform/application.h"

#include <QVBoxLayout>

TIntroFrm* IntroFrm = nullptr;

TIntroFrm::TIntroFrm()
{
    setObjectName(QStringLiteral("IntroFrm"));
    setFrame(Frame::None);
    Image1 = new platform::Picture(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    MediaPlayer1 = new platform::MediaPlayer(this);
    Timer1 = new platform::Timer(1000, this);
    setSize(1134, 622);

    connect(Timer1, &platform::Timer::timeout, this, &TIntroFrm::Timer1Timer);
    connect(Image1, &platform::Picture::clicked, this, &TIntroFrm::Image1Click);
}

void TIntroFrm::FormShow()
{
    centreOnScreen();
    try {
        MediaPlayer1->setFileName(MainFrm->courseRoot + QStringLiteral("\\data\\intro.wav"));
        MediaPlayer1->open();
        MediaPlayer1->play();
    } catch (const std::exception& error) {
        // Reported here, before the countdown starts: the seconds the box
        // stays open are not the screen's.
        platform::Application::showError(error);
    }
    // The countdown runs whether or not the sound opened.
    Timer1->setEnabled(true);
}

void TIntroFrm::Timer1Timer()
{
    ++ticks;
    if (ticks >= 10)
        finish();
}

void TIntroFrm::Image1Click()
{
    finish();
}

// A sound that failed to open leaves nothing to stop; the screen closes all
// the same.
void TIntroFrm::finish()
{
    Timer1->setEnabled(false);
    if (MediaPlayer1->isOpen())
        MediaPlayer1->stop();
    close();
}
