#include "sortinglessons.h"

#include "platform/convert.h"
#include "player/lessonfiles.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "sorting/wordfile.h"

void launchSorting(int lesson)
{
    TfrmSort* const sort = frmSort;
    sort->setCaption(MainFrm->windowTitles.at(lesson));
    sort->ListBox1->clear();
    sort->ListBox2->clear();
    sort->ListBox3->clear();
    // The word file lies where a text lesson's page does.
    const SortingWords words = splitWordFile(platform::StringList::load(lessonfiles::page(lesson)));
    sort->ListBox1->setItems(words.pool);
    sort->expectedList2 = platform::StringList(words.firstList);
    sort->expectedList3 = platform::StringList(words.secondList);
    // Converted before the countdown starts, so a time limit that is not a
    // number leaves it stopped.
    const int timeLimit = platform::toInteger(MainFrm->timeLimits.at(lesson));
    sort->Timer1->setEnabled(true);
    sort->secondsLeft = timeLimit;
    // Without a positive limit the label stays hidden; the countdown still
    // runs, below zero, and never checks.
    if (sort->secondsLeft > 0) {
        sort->Label1->show();
        sort->updateCountdownCaption();
    }
    sort->showModal();
}
