#include "Viewtxt.h"

#include <QVBoxLayout>

TViewTxtFrm* ViewTxtFrm = nullptr;

TViewTxtFrm::TViewTxtFrm()
    : BandedForm(ButtonBand::Bottom, 5)
    , SaveDialog1(QStringLiteral(".wav"), QStringLiteral("WAV FILE|*.wav"))
{
    setObjectName(QStringLiteral("ViewTxtFrm"));
    CppWebBrowser1 = new platform::HtmlView(centre());
    TrackBar1 = new platform::TrackBar(centre());
    TrackBar1->setFixedHeight(31);
    auto* layout = new QVBoxLayout(centre());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CppWebBrowser1, 1);
    layout->addWidget(TrackBar1);
    Timer1 = new platform::Timer(250, this);
    Timer2 = new platform::Timer(100, this);
    MediaPlayer1 = new platform::MediaPlayer(this);
    MediaPlayer2 = new platform::MediaPlayer(this);
    m11->setHint(QStringLiteral("Play"));
    m22->setHint(QStringLiteral("Pause"));
    m33->setHint(QStringLiteral("Stop"));
    m44->setHint(QStringLiteral("Help"));
    m55->setHint(QStringLiteral("Exit"));
    setSize(934, 612);
}
