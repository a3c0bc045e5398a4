#include "testlessons.h"

#include "choicetest/Multi.h"
#include "platform/convert.h"
#include "player/lessonfiles.h"
#include "shell/Main.h"

namespace {

// The countdown starts before the time limit is read. A limit that is not a
// whole number stops the launch, and the countdown with it, so the test
// shown next is not counted down from a stale value.
void launchTest(int lesson, const QString& mode)
{
    TMultiFrm* const test = MultiFrm;
    test->setCaption(MainFrm->windowTitles.at(lesson));
    test->testMode = mode;
    test->CppWebBrowser1->Navigate(lessonfiles::page(lesson));
    test->Timer1->setEnabled(true);
    try {
        test->secondsLeft = platform::toInteger(MainFrm->timeLimits.at(lesson));
    } catch (...) {
        test->Timer1->setEnabled(false);
        throw;
    }
    if (test->secondsLeft > 0) {
        test->Label1->show();
        test->showSecondsLeft();
    }
    test->showModal();
}

} // namespace

void launchGradedTest(int lesson)
{
    launchTest(lesson, QStringLiteral("multi"));
}

void launchFreeAnswerTest(int lesson)
{
    launchTest(lesson, QStringLiteral("txt"));
}
