#include "Worktxt.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TWorkTxtFrm* WorkTxtFrm = nullptr;

TWorkTxtFrm::TWorkTxtFrm()
    : BandedForm(ButtonBand::Bottom, 5)
{
    setObjectName(QStringLiteral("WorkTxtFrm"));
    Panel3 = centre();
    CppWebBrowser1 = new platform::HtmlView(Panel3);
    Splitter1 = new QFrame(Panel3);
    Splitter1->setFixedWidth(1);
    Splitter1->setStyleSheet(QStringLiteral("background: black"));
    CppWebBrowser2 = new platform::HtmlView(Panel3);
    TrackBar1 = new platform::TrackBar(Panel3);
    TrackBar1->setFixedHeight(31);
    auto* pages = new QHBoxLayout;
    pages->setContentsMargins(0, 0, 0, 0);
    pages->setSpacing(0);
    pages->addWidget(CppWebBrowser1);
    pages->addWidget(Splitter1);
    pages->addWidget(CppWebBrowser2, 1);
    auto* layout = new QVBoxLayout(Panel3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(pages, 1);
    layout->addWidget(TrackBar1);
    Timer1 = new platform::Timer(250, this);
    MediaPlayer1 = new platform::MediaPlayer(this);
    c = new platform::Picture(Panel2);
    ca = new platform::Picture(Panel2);
    ca->hide();
    caa = new platform::Picture(Panel2);
    caa->setHandCursor();
    setButtonHints({"Run", "Pause", "Stop", "Help", "Exit"});
    setSize(986, 605);
}
