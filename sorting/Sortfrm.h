#pragma once

#include "platform/bandedform.h"
#include "platform/stringlist.h"
#include "platform/timer.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>

// The sorting exercise: items dragged from a pool into two lists against a
// countdown.
class TfrmSort : public platform::BandedForm {
    Q_OBJECT
public:
    TfrmSort();

    platform::Timer* Timer1;
    QWidget* Panel3;
    QLabel* Label1;
    QListWidget* ListBox1;
    QFrame* Shape1;
    QListWidget* ListBox2;
    QFrame* Shape2;
    QListWidget* ListBox3;

    int secondsLeft = 0;
    platform::StringList expectedList2;
    platform::StringList expectedList3;
};

extern TfrmSort* frmSort;
