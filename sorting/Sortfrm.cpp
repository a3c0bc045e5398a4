#include "Sortfrm.h"

#include "platform/application.h"
#include "platform/countdownlabel.h"
#include "platform/desktop.h"
#include "shell/Main.h"
#include "sorting/itemcomparison.h"

#include <QHBoxLayout>

#include <algorithm>

TfrmSort* frmSort = nullptr;

namespace {

constexpr int listCount = 3;

} // namespace

TfrmSort::TfrmSort()
    : BandedForm(ButtonBand::Bottom, 5)
{
    setObjectName(QStringLiteral("frmSort"));
    setFrame(Frame::Sizeable);
    Timer1 = new platform::Timer(1000, this);
    Panel3 = centre();
    // Created in their order on screen, which is also the order of Tab.
    ListBox1 = new platform::ListBox(Panel3);
    Shape1 = new QFrame(Panel3);
    ListBox3 = new platform::ListBox(Panel3);
    Shape2 = new QFrame(Panel3);
    ListBox2 = new platform::ListBox(Panel3);
    for (QFrame* shape : {Shape1, Shape2}) {
        shape->setFixedWidth(1);
        shape->setStyleSheet(QStringLiteral("background: black"));
    }
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

    for (platform::ListBox* list : {ListBox1, ListBox2, ListBox3}) {
        connect(list, &platform::ListBox::dragOver, this,
                [this, list](platform::ListBox* source, bool& accept) { accept = ListBoxDragOver(list, source); });
        connect(list, &platform::ListBox::dragDrop, this,
                [this, list](platform::ListBox* source) { ListBoxDragDrop(list, source); });
        connect(list, &platform::ListBox::keyDown, this,
                [this, list](int key, bool& handled) { handled = ListBoxKeyDown(list, key); });
    }
    connect(Timer1, &platform::Timer::timeout, this, &TfrmSort::Timer1Timer);
    connect(m11, &platform::Picture::clicked, this, &TfrmSort::m11Click);
    connect(m33, &platform::Picture::clicked, this, &TfrmSort::m33Click);
    connect(m44, &platform::Picture::clicked, this, &TfrmSort::m44Click);
    connect(m55, &platform::Picture::clicked, this, &TfrmSort::m55Click);
}

int TfrmSort::checkSorting() const
{
    const ItemComparison items;
    const QStringList inList2 = ListBox2->items();
    const QStringList inList3 = ListBox3->items();
    return items.countAbsent(expectedList2.lines(), inList2) + items.countAbsent(inList2, expectedList2.lines())
           + items.countAbsent(expectedList3.lines(), inList3) + items.countAbsent(inList3, expectedList3.lines());
}

void TfrmSort::updateCountdownCaption()
{
    Label1->setText(QStringLiteral("Time countdown: %1 seconds").arg(secondsLeft));
    Label1->adjustSize();
}

bool TfrmSort::ListBoxDragOver(platform::ListBox* target, platform::ListBox* source) const
{
    return source != target;
}

void TfrmSort::ListBoxDragDrop(platform::ListBox* target, platform::ListBox* source)
{
    const int row = source->itemIndex();
    if (row < 0)
        return;
    target->addItem(source->item(row)->text());
    delete source->takeItem(row);
    // As the learner left it: nothing chosen in the list the item came from.
    source->setItemIndex(-1);
    target->scrollToBottom();
}

platform::ListBox* TfrmSort::listAt(int place) const
{
    platform::ListBox* const onScreen[listCount] = {ListBox1, ListBox3, ListBox2};
    return place >= 0 && place < listCount ? onScreen[place] : nullptr;
}

int TfrmSort::placeOf(const platform::ListBox* list) const
{
    for (int place = 0; place < listCount; ++place) {
        if (listAt(place) == list)
            return place;
    }
    return -1;
}

bool TfrmSort::ListBoxKeyDown(platform::ListBox* list, int key)
{
    const int place = placeOf(list);
    int targetPlace;
    if (key >= Qt::Key_1 && key < Qt::Key_1 + listCount)
        targetPlace = key - Qt::Key_1;
    else if (key == Qt::Key_Left)
        targetPlace = place - 1;
    else if (key == Qt::Key_Right)
        targetPlace = place + 1;
    else
        return false;
    platform::ListBox* const target = listAt(targetPlace);
    const int row = list->currentRow();
    if (!target || row < 0 || !ListBoxDragOver(target, list))
        return true;
    // The row the keyboard is on counts as selected, even when the list has
    // just taken the focus; the next row is then ready for the next key.
    list->setItemIndex(row);
    ListBoxDragDrop(target, list);
    list->setItemIndex(std::min(row, list->count() - 1));
    return true;
}

// The pool and the first target list take a third of the width each; the
// second target list, between the separators, takes the rest.
void TfrmSort::FormResize()
{
    const int third = Panel3->width() / 3;
    ListBox1->setFixedWidth(third);
    ListBox2->setFixedWidth(third);
}

void TfrmSort::resizeEvent(QResizeEvent* event)
{
    BandedForm::resizeEvent(event);
    FormResize();
}

void TfrmSort::Timer1Timer()
{
    --secondsLeft;
    updateCountdownCaption();
    // A countdown that starts at 0 or below never reaches its time-out.
    if (secondsLeft != 0)
        return;
    Timer1->setEnabled(false);
    const int mistakes = checkSorting();
    if (mistakes != 0)
        platform::Desktop::current().showMessage(platform::Application::title(),
                                                 QStringLiteral("Вы допустили ошибок: %1").arg(mistakes));
}

void TfrmSort::m11Click()
{
    Timer1->setEnabled(true);
}

void TfrmSort::m33Click()
{
    Timer1->setEnabled(false);
}

void TfrmSort::m44Click()
{
    const QString kind = MainFrm->lessonKinds.at(MainFrm->selectedLessonIndex());
    platform::Desktop::current().shellOpen(MainFrm->courseRoot + QStringLiteral("\\help\\help_") + kind
                                           + QStringLiteral(".htm"));
}

void TfrmSort::m55Click()
{
    Timer1->setEnabled(false);
    close();
}

// The pool has the keyboard from the start.
void TfrmSort::FormShow()
{
    setSizeGripEnabled(true);
    ListBox1->setFocus();
}

// However the window closes, the countdown stops with it: no result is
// reported for a window the learner has left.
void TfrmSort::FormClose()
{
    Timer1->setEnabled(false);
}
