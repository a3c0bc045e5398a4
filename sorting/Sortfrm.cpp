#include "Sortfrm.h"

#include "platform/countdownlabel.h"

#include <QHBoxLayout>

TfrmSort* frmSort = nullptr;

TfrmSort::TfrmSort()
    : BandedForm(ButtonBand::Bottom, 5)
{
    setObjectName(QStringLiteral("frmSort"));
    setFrame(Frame::Sizeable);
    Timer1 = new platform::Timer(1000, this);
    Panel3 = centre();
    ListBox1 = new QListWidget(Panel3);
    Shape1 = new QFrame(Panel3);
    ListBox3 = new QListWidget(Panel3);
    Shape2 = new QFrame(Panel3);
    ListBox2 = new QListWidget(Panel3);
    for (QFrame* shape : {Shape1, Shape2}) {
        shape->setFixedWidth(1);
        shape->setStyleSheet(QStringLiteral("background: black"));
    }
    for (QListWidget* list : {ListBox1, ListBox2, ListBox3})
        list->setFrameShape(QFrame::NoFrame);
    // From left to right: the pool, the second target list, the first.
    auto* layout = new QHBoxLayout(Panel3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ListBox1);
    layout->addWidget(Shape1);
    layout->addWidget(ListBox3, 1);
    layout->addWidget(Shape2);
    layout->addWidget(ListBox2);
    Label1 = platform::createCountdownLabel(Panel1);
    m22->hide();
    setButtonHints({"Run", "Check", "Check", "Помощь", "Exit"});
}
