// Moving items by drag and drop and by keyboard, the resize rule, the
// countdown and the buttons of the sorting window.
#include "sortingfixture.h"

#include "platform/application.h"

#include <QCoreApplication>
#include <QLayout>

namespace sortingtest {
namespace {

class SortWindow : public SortingTest {
protected:
    SortWindow() { sort().ListBox1->setItems({"a", "b", "c"}); }
    QStringList pool() { return sort().ListBox1->items(); }
    QStringList first() { return sort().ListBox2->items(); }
    QStringList second() { return sort().ListBox3->items(); }
    void countFrom(int seconds)
    {
        sort().secondsLeft = seconds;
        sort().Timer1->setEnabled(true);
    }
};

TEST_F(SortWindow, DragIsRefusedOnlyOverItsOwnList)
{
    platform::ListBox* const lists[] = {sort().ListBox1, sort().ListBox2, sort().ListBox3};
    for (platform::ListBox* target : lists) {
        for (platform::ListBox* source : lists)
            EXPECT_EQ(sort().ListBoxDragOver(target, source), target != source);
    }
}

TEST_F(SortWindow, DropAppendsTheSelectedItemAndTakesItFromItsList)
{
    dragItem(sort().ListBox1, 1, sort().ListBox3);
    dragItem(sort().ListBox1, 0, sort().ListBox3);
    EXPECT_EQ(pool(), QStringList({"c"}));
    EXPECT_EQ(second(), QStringList({"b", "a"}));
    // And back into the pool, at its end.
    dragItem(sort().ListBox3, 0, sort().ListBox1);
    EXPECT_EQ(pool(), QStringList({"c", "b"}));
    EXPECT_EQ(second(), QStringList({"a"}));
    dragItem(sort().ListBox3, 0, sort().ListBox2);
    EXPECT_EQ(first(), QStringList({"a"}));
    EXPECT_TRUE(second().isEmpty());
}

TEST_F(SortWindow, DropWithoutASelectionDoesNothing)
{
    sort().ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    sort().ListBox1->setItemIndex(-1);
    sort().ListBoxDragDrop(sort().ListBox2, sort().ListBox1);
    EXPECT_EQ(pool(), QStringList({"a", "b", "c"}));
    EXPECT_TRUE(first().isEmpty());
    // A drop leaves nothing selected in the list it came from.
    dragItem(sort().ListBox1, 0, sort().ListBox2);
    sort().ListBoxDragDrop(sort().ListBox2, sort().ListBox1);
    EXPECT_EQ(pool(), QStringList({"b", "c"}));
    EXPECT_EQ(first(), QStringList({"a"}));
}

TEST_F(SortWindow, KeysSendTheCurrentItemToTheListAtThatPlaceOnScreen)
{
    // Just focused: the first row is current, not yet selected.
    sort().ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    pressKey(sort().ListBox1, Qt::Key_3); // the rightmost list: ListBox2
    EXPECT_EQ(first(), QStringList({"a"}));
    // The next row is ready for the next key.
    EXPECT_EQ(sort().ListBox1->itemIndex(), 0);
    pressKey(sort().ListBox1, Qt::Key_Right); // the middle list: ListBox3
    EXPECT_EQ(second(), QStringList({"b"}));
    pressKey(sort().ListBox1, Qt::Key_2);
    EXPECT_EQ(second(), QStringList({"b", "c"}));
    EXPECT_TRUE(pool().isEmpty());

    // Refused: the list it is in, and no list left of the pool or right of
    // ListBox2.
    sort().ListBox3->setItemIndex(1);
    pressKey(sort().ListBox3, Qt::Key_2);
    sort().ListBox2->setItemIndex(0);
    pressKey(sort().ListBox2, Qt::Key_Right);
    EXPECT_EQ(second(), QStringList({"b", "c"}));
    EXPECT_EQ(first(), QStringList({"a"}));

    pressKey(sort().ListBox3, Qt::Key_Left); // back to the pool
    pressKey(sort().ListBox2, Qt::Key_1);
    EXPECT_EQ(pool(), QStringList({"c", "a"}));
    EXPECT_EQ(second(), QStringList({"b"}));
    EXPECT_TRUE(first().isEmpty());
    pressKey(sort().ListBox1, Qt::Key_Left);
    EXPECT_EQ(pool(), QStringList({"c", "a"}));
}

TEST_F(SortWindow, OtherKeysKeepTheirListBoxMeaning)
{
    sort().ListBox1->setItemIndex(0);
    pressKey(sort().ListBox1, Qt::Key_Down);
    EXPECT_EQ(sort().ListBox1->itemIndex(), 1);
    pressKey(sort().ListBox1, Qt::Key_4);
    EXPECT_EQ(pool(), QStringList({"a", "b", "c"}));
}

TEST_F(SortWindow, TabVisitsTheListsInTheirOrderOnScreen)
{
    sort().show();
    EXPECT_EQ(sort().focusWidget(), sort().ListBox1);
    pressKey(sort().ListBox1, Qt::Key_Tab);
    EXPECT_EQ(sort().focusWidget(), sort().ListBox3);
    pressKey(sort().ListBox3, Qt::Key_Tab);
    EXPECT_EQ(sort().focusWidget(), sort().ListBox2);
}

TEST_F(SortWindow, ResizeGivesThePoolAndTheFirstListAThirdEach)
{
    // Sized at start-up as the fixed windows are, yet the learner resizes it.
    sort().setSize(800, 600);
    sort().show();
    const int strips = sort().Image1->width() + sort().Image2->width();
    for (int panel : {600, 599, 900}) {
        sort().resize(panel + strips, 500);
        QCoreApplication::processEvents();
        sort().Panel3->layout()->activate();
        ASSERT_EQ(sort().Panel3->width(), panel);
        EXPECT_EQ(sort().ListBox1->width(), panel / 3);
        EXPECT_EQ(sort().ListBox2->width(), panel / 3);
        EXPECT_EQ(sort().ListBox3->width(), panel - 2 * (panel / 3) - 2);
        EXPECT_EQ(sort().ListBox2->geometry().right(), panel - 1);
    }
}

TEST_F(SortWindow, TimeOutReportsTheMistakes)
{
    sort().expectedList2 = platform::StringList({"a"});
    sort().expectedList3 = platform::StringList({"b"});
    countFrom(2);
    sort().Timer1Timer();
    EXPECT_EQ(sort().Label1->text(), "Time countdown: 1 seconds");
    EXPECT_TRUE(desktop.messages.empty());
    sort().Timer1Timer();
    EXPECT_EQ(sort().Label1->text(), "Time countdown: 0 seconds");
    EXPECT_FALSE(sort().Timer1->enabled());
    const testsupport::FakeDesktop::Shown report{platform::Application::title(), "Вы допустили ошибок: 2"};
    EXPECT_EQ(desktop.messages, std::vector{report});
}

TEST_F(SortWindow, TimeOutWithAllRightSaysNothing)
{
    sort().expectedList2 = platform::StringList({"a", "b", "c"});
    for (int row = 0; row < 3; ++row)
        dragItem(sort().ListBox1, 0, sort().ListBox2);
    countFrom(1);
    sort().Timer1Timer();
    EXPECT_FALSE(sort().Timer1->enabled());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SortWindow, StopHoldsTheCountdownAndRunContinuesIt)
{
    countFrom(21);
    sort().Timer1Timer();
    sort().m33Click();
    EXPECT_FALSE(sort().Timer1->enabled());
    EXPECT_EQ(sort().secondsLeft, 20);
    sort().m11Click();
    EXPECT_TRUE(sort().Timer1->enabled());
    sort().Timer1Timer();
    EXPECT_EQ(sort().Label1->text(), "Time countdown: 19 seconds");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SortWindow, CountdownFromZeroNeverChecks)
{
    countFrom(0);
    for (int tick = 0; tick < 5; ++tick)
        sort().Timer1Timer();
    EXPECT_EQ(sort().secondsLeft, -5);
    EXPECT_TRUE(sort().Timer1->enabled());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SortWindow, ExitAndTheCloseBoxStopTheCountdown)
{
    for (bool byExit : {true, false}) {
        sort().show();
        countFrom(30);
        if (byExit)
            sort().m55Click();
        else
            sort().close();
        EXPECT_TRUE(sort().isHidden());
        EXPECT_FALSE(sort().Timer1->enabled());
    }
}

} // namespace
} // namespace sortingtest
