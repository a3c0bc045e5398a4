// The launcher's sequences for the choice test, run from the main window's
// tree; the modal show is answered by the test.
#include "testfixture.h"

#include "launcher/launcher.h"
#include "platform/error.h"
#include "platform/form.h"
#include "shell/Main.h"

#include <functional>

namespace choicetest {
namespace {

class TestLauncher : public ChoiceTest {
protected:
    TestLauncher()
    {
        course.write(QStringLiteral("data/text/test.htm"), testPage(""));
        m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
            ++shows;
            EXPECT_EQ(&window, MultiFrm);
            if (whileShown)
                whileShown();
            return 0;
        });
    }
    ~TestLauncher() override { platform::Form::installModalHook(m_previousHook); }

    void run(const QString& kind, const QString& timeLimit)
    {
        MainFrm->lessonKinds.append(kind);
        MainFrm->windowTitles.append(QStringLiteral("Test ") + kind);
        MainFrm->textNames.append(QStringLiteral("test.htm"));
        MainFrm->timeLimits.append(timeLimit);
        const int lesson = MainFrm->lessonKinds.count() - 1;
        MainFrm->TreeView1->addNode(nullptr, kind);
        MainFrm->TreeView1->selectNode(MainFrm->TreeView1->node(lesson));
        runSelectedLesson();
    }

    int shows = 0;
    std::function<void()> whileShown;

private:
    platform::Form::ModalHook m_previousHook;
};

struct KindCase {
    const char* name;
    const char* kind;
    const char* timeLimit;
    const char* mode;
    int secondsLeft;
    bool labelShown;
};

class TestKinds : public TestLauncher, public ::testing::WithParamInterface<KindCase> {};

TEST_P(TestKinds, PrepareTheTest)
{
    const KindCase& c = GetParam();
    // What an earlier test left.
    test().testMode = QStringLiteral("stale");
    test().Label1->setText(QStringLiteral("Time countdown: 7 seconds"));
    test().Label1->show();
    whileShown = [&] {
        EXPECT_EQ(test().caption(), QStringLiteral("Test ") + c.kind);
        EXPECT_EQ(test().testMode, c.mode);
        EXPECT_EQ(test().CppWebBrowser1->LocationURL(), MainFrm->courseRoot + "\\data\\text\\test.htm");
        // Started whatever the limit: without one it counts below zero.
        EXPECT_TRUE(test().Timer1->enabled());
        EXPECT_EQ(test().secondsLeft, c.secondsLeft);
        EXPECT_EQ(test().Label1->isVisibleTo(&test()), c.labelShown);
        if (c.labelShown) {
            EXPECT_EQ(test().Label1->text(), QStringLiteral("Time countdown: %1 seconds").arg(c.secondsLeft));
        }
    };
    run(c.kind, c.timeLimit);
    EXPECT_EQ(shows, 1);
}

const KindCase kindCases[] = {
    {"Graded", "5", "300", "multi", 300, true},
    {"FreeAnswer6", "6", "600", "txt", 600, true},
    {"FreeAnswer7", "7", "900", "txt", 900, true},
    {"GradedWithoutLimit", "5", "0", "multi", 0, false},
    {"FreeAnswerBelowZero", "7", "-5", "txt", -5, false},
};

INSTANTIATE_TEST_SUITE_P(Choice, TestKinds, ::testing::ValuesIn(kindCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TestLauncher, AnUnreadableTimeLimitStopsTheLaunchAndTheCountdown)
{
    try {
        run(QStringLiteral("6"), QStringLiteral("ten"));
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message(), "'ten' is not a valid integer value");
    }
    EXPECT_EQ(shows, 0);
    EXPECT_FALSE(test().Timer1->enabled());
}

TEST_F(TestLauncher, HelpOpensThePageOfTheLessonsKind)
{
    whileShown = [&] { test().m44Click(); };
    run(QStringLiteral("7"), QStringLiteral("60"));
    EXPECT_EQ(desktop.opened, QStringList{MainFrm->courseRoot + "\\help\\help_7.htm"});
}

} // namespace
} // namespace choicetest
