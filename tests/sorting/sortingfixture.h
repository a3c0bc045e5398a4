#pragma once

#include "platform/listbox.h"
#include "platform/media/virtualaudio.h"
#include "sorting/Sortfrm.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/tempcourse.h"
#include "tests/support/windows.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace sortingtest {

// Sends a key press to a widget, as the learner's keyboard does.
void pressKey(QWidget* widget, int key);

// Drags the item at `row` of one list box of the sorting window and drops
// it on another, as the learner's mouse does.
void dragItem(platform::ListBox* from, int row, platform::ListBox* to);

// The seven windows on a temporary course; the sorting window as the tests
// of its own handlers use it.
class SortingTest : public ::testing::Test {
protected:
    TfrmSort& sort() { return *frmSort; }

    platform::VirtualAudioDevice audio;
    testsupport::TempCourse course;
    testsupport::FakeDesktop desktop;
    testsupport::Windows windows{course.root()};
};

} // namespace sortingtest
