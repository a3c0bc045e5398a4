#include "Multi.h"

#include "platform/countdownlabel.h"

#include <QVBoxLayout>

TMultiFrm* MultiFrm = nullptr;

TMultiFrm::TMultiFrm()
    : BandedForm(ButtonBand::Bottom, 5)
    , SaveDialog1(QStringLiteral(".htm"), QStringLiteral("HTML|*.htm"))
{
    setObjectName(QStringLiteral("MultiFrm"));
    Timer1 = new platform::Timer(1000, this);
    Panel3 = centre();
    CppWebBrowser1 = new platform::HtmlView(Panel3);
    auto* layout = new QVBoxLayout(Panel3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CppWebBrowser1);
    Label1 = platform::createCountdownLabel(Panel1);
    m22->hide();
    setButtonHints({"Run", "Check", "Check", "Help", "Exit"});
}
