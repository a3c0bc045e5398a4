#include "Multi.h"

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
    Label1 = new QLabel(Panel1);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->move(16, 30);
    Label1->hide();
    m22->hide();
    m11->setHint(QStringLiteral("Run"));
    m22->setHint(QStringLiteral("Check"));
    m33->setHint(QStringLiteral("Check"));
    m44->setHint(QStringLiteral("Help"));
    m55->setHint(QStringLiteral("Exit"));
}
