#include "View.h"

#include <QVBoxLayout>

TViewFrm* ViewFrm = nullptr;

TViewFrm::TViewFrm()
    : BandedForm(ButtonBand::Bottom, 1)
{
    setObjectName(QStringLiteral("ViewFrm"));
    setBottomBandSize(0, 89);
    Browser = new platform::HtmlView(centre());
    auto* layout = new QVBoxLayout(centre());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    m11->setHint(QStringLiteral("Main menu"));

    connect(m11, &platform::Picture::mouseMoved, this, &TViewFrm::m11MouseMove);
    connect(Image4, &platform::Picture::mouseMoved, this, &TViewFrm::Image4MouseMove);
    connect(m11, &platform::Picture::clicked, this, &TViewFrm::m11Click);
}

void TViewFrm::FormShow()
{
    centreOnScreen();
}

void TViewFrm::m11MouseMove()
{
    hoverButton(0);
}

void TViewFrm::Image4MouseMove()
{
    hideHoverPictures();
}

void TViewFrm::m11Click()
{
    m1->hide();
    close();
}
