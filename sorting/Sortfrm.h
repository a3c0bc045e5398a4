#pragma once

#include "platform/bandedform.h"
#include "platform/listbox.h"
#include "platform/stringlist.h"
#include "platform/timer.h"

#include <QFrame>
#include <QLabel>

// The sorting exercise: the learner moves the items of a pool into two
// target lists against a countdown; at time-out the mistakes are counted.
// The launcher fills the pool and the expected lists, sets the countdown
// and shows the window modally.
class TfrmSort : public platform::BandedForm {
    Q_OBJECT
public:
    TfrmSort();

    platform::Timer* Timer1;
    QWidget* Panel3;
    QLabel* Label1;
    platform::ListBox* ListBox1;
    QFrame* Shape1;
    platform::ListBox* ListBox2;
    QFrame* Shape2;
    platform::ListBox* ListBox3;

    int secondsLeft = 0;
    platform::StringList expectedList2;
    platform::StringList expectedList3;

    // Items missing from a target list and items that do not belong in it,
    // both target lists together; the pool is not examined.
    int checkSorting() const;

    // "Time countdown: N seconds" for the current secondsLeft.
    void updateCountdownCaption();

    // A drag from `source` is welcome over any other list box.
    bool ListBoxDragOver(platform::ListBox* target, platform::ListBox* source) const;
    // Moves the source's selected item to the end of the target.
    void ListBoxDragDrop(platform::ListBox* target, platform::ListBox* source);
    // Keys 1, 2, 3 send the current item to the list at that place on
    // screen, Left and Right to the neighbouring list.
    bool ListBoxKeyDown(platform::ListBox* list, int key);

    void FormResize();
    void Timer1Timer();
    // Run, Stop, Help, Exit.
    void m11Click();
    void m33Click();
    void m44Click();
    void m55Click();

protected:
    void FormShow() override;
    void FormClose() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The lists in their order on screen: the pool, ListBox3, ListBox2.
    platform::ListBox* listAt(int place) const;
    int placeOf(const platform::ListBox* list) const;
};

extern TfrmSort* frmSort;
