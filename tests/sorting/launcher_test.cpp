// The sorting lesson (kind "9") run from the main window's tree: the word
// file distributed, the countdown set, the window shown modally.
#include "sortingfixture.h"

#include "launcher/launcher.h"
#include "platform/error.h"
#include "platform/form.h"
#include "shell/Main.h"

#include <functional>

namespace sortingtest {
namespace {

class SortingLauncher : public SortingTest {
protected:
    SortingLauncher()
    {
        course.writeLines(QStringLiteral("data/text/words.txt"), {"a", "b", "", "a", "", "b"});
        m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
            ++shows;
            EXPECT_EQ(&window, frmSort);
            if (whileShown)
                whileShown();
            return 0;
        });
    }
    ~SortingLauncher() override { platform::Form::installModalHook(m_previousHook); }

    void addLesson(const QString& timeLimit, const QString& wordFile = QStringLiteral("words.txt"))
    {
        MainFrm->lessonKinds.append(QStringLiteral("9"));
        MainFrm->windowTitles.append(QStringLiteral("Sort them"));
        MainFrm->textNames.append(wordFile);
        MainFrm->timeLimits.append(timeLimit);
        MainFrm->TreeView1->addNode(nullptr, QStringLiteral("Sort them"));
    }
    void run(int lesson)
    {
        MainFrm->TreeView1->selectNode(MainFrm->TreeView1->node(lesson));
        runSelectedLesson();
    }

    int shows = 0;
    std::function<void()> whileShown;

private:
    platform::Form::ModalHook m_previousHook;
};

TEST_F(SortingLauncher, PreparesTheListsAndTheCountdown)
{
    addLesson(QStringLiteral("180"));
    sort().expectedList2 = platform::StringList({"stale"});
    whileShown = [&] {
        EXPECT_EQ(sort().caption(), "Sort them");
        // No blank row in the pool and no empty expected item.
        EXPECT_EQ(sort().ListBox1->items(), QStringList({"a", "b"}));
        EXPECT_EQ(sort().expectedList2.lines(), QStringList({"a"}));
        EXPECT_EQ(sort().expectedList3.lines(), QStringList({"b"}));
        EXPECT_TRUE(sort().Timer1->enabled());
        EXPECT_EQ(sort().secondsLeft, 180);
        EXPECT_FALSE(sort().Label1->isHidden());
        EXPECT_EQ(sort().Label1->text(), "Time countdown: 180 seconds");
    };
    run(0);
    EXPECT_EQ(shows, 1);
}

// The learner sorts every real item; nothing invisible is left to drag.
TEST_F(SortingLauncher, RealItemsSortedGiveNoMistake)
{
    addLesson(QStringLiteral("1"));
    whileShown = [&] {
        dragItem(sort().ListBox1, 0, sort().ListBox2);
        dragItem(sort().ListBox1, 0, sort().ListBox3);
        sort().Timer1Timer();
    };
    run(0);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_FALSE(sort().Timer1->enabled());
}

TEST_F(SortingLauncher, NothingMovedCountsEachExpectedItem)
{
    addLesson(QStringLiteral("1"));
    whileShown = [&] { sort().Timer1Timer(); };
    run(0);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Вы допустили ошибок: 2");
}

TEST_F(SortingLauncher, WithoutATimeLimitTheLabelStaysHiddenAndNothingIsChecked)
{
    addLesson(QStringLiteral("0"));
    whileShown = [&] {
        EXPECT_TRUE(sort().Label1->isHidden());
        EXPECT_TRUE(sort().Timer1->enabled());
        for (int tick = 0; tick < 3; ++tick)
            sort().Timer1Timer();
    };
    run(0);
    EXPECT_EQ(sort().secondsLeft, -3);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SortingLauncher, ASecondRunStartsAfresh)
{
    addLesson(QStringLiteral("60"));
    whileShown = [&] {
        dragItem(sort().ListBox1, 1, sort().ListBox3);
        dragItem(sort().ListBox1, 0, sort().ListBox2);
        sort().Timer1Timer();
        sort().m55Click();
    };
    run(0);
    whileShown = [&] {
        EXPECT_EQ(sort().ListBox1->items(), QStringList({"a", "b"}));
        EXPECT_EQ(sort().ListBox2->count(), 0);
        EXPECT_EQ(sort().ListBox3->count(), 0);
        EXPECT_EQ(sort().expectedList2.lines(), QStringList({"a"}));
        EXPECT_EQ(sort().expectedList3.lines(), QStringList({"b"}));
        EXPECT_EQ(sort().secondsLeft, 60);
        EXPECT_TRUE(sort().Timer1->enabled());
    };
    run(0);
    EXPECT_EQ(shows, 2);
}

TEST_F(SortingLauncher, AFailedPreparationLeavesTheCountdownStopped)
{
    addLesson(QStringLiteral("1O"));
    addLesson(QStringLiteral("60"), QStringLiteral("missing.txt"));
    EXPECT_THROW(run(0), platform::Error);
    EXPECT_FALSE(sort().Timer1->enabled());
    EXPECT_THROW(run(1), platform::Error);
    EXPECT_FALSE(sort().Timer1->enabled());
    EXPECT_EQ(shows, 0);
}

TEST_F(SortingLauncher, HelpOpensTheHelpPageOfTheLessonKind)
{
    addLesson(QStringLiteral("60"));
    whileShown = [&] { sort().m44Click(); };
    run(0);
    EXPECT_EQ(desktop.opened, QStringList({MainFrm->courseRoot + "\\help\\help_9.htm"}));
}

} // namespace
} // namespace sortingtest
