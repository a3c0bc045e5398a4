// The workshop lessons of the sample course, run from the main window's
// tree after the start-up routine: the lesson sound with its unit loop, and
// the learner's recording made in the listening player just before.
#include "player/Viewtxt.h"
#include "platform/form.h"
#include "platform/media/virtualaudio.h"
#include "shell/Main.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/samplecourse.h"
#include "workshop/Worktxt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <functional>

namespace workshoptest {
namespace {

class SampleCourse : public ::testing::Test {
protected:
    SampleCourse()
    {
        m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
            shown.append(&window);
            if (&window == ViewTxtFrm && inPlayer)
                inPlayer();
            if (&window == WorkTxtFrm && inWorkshop)
                inWorkshop();
            return 0;
        });
    }
    ~SampleCourse() override { platform::Form::installModalHook(std::move(m_previousHook)); }

    void runFirstOfKind(const QString& kind) { sample.runFirstOfKind(kind); }
    void waitForPages()
    {
        for (int i = 0; i < 100 && !(WorkTxtFrm->leftHighlighted && WorkTxtFrm->rightHighlighted); ++i)
            QCoreApplication::processEvents();
        ASSERT_TRUE(WorkTxtFrm->leftHighlighted && WorkTxtFrm->rightHighlighted);
    }
    // Ticks every 250 ms of sound until the condition holds.
    void tickUntil(const std::function<bool()>& done)
    {
        for (int i = 0; i < 200 && !done(); ++i) {
            audio.advance(250);
            WorkTxtFrm->Timer1Timer();
        }
        ASSERT_TRUE(done());
    }
    static bool highlighted(platform::HtmlView* view, int phrase)
    {
        return view->Document().get("all").get("t" + QString::number(phrase)).get("className").toText().startsWith(
            u"ins");
    }
    // The phrase is the one highlighted on both pages, its neighbours not.
    static void expectBothOn(int phrase)
    {
        for (platform::HtmlView* view : {WorkTxtFrm->CppWebBrowser1, WorkTxtFrm->CppWebBrowser2}) {
            EXPECT_TRUE(highlighted(view, phrase)) << phrase;
            if (phrase > 1) {
                EXPECT_FALSE(highlighted(view, phrase - 1)) << phrase;
            }
        }
    }

    platform::VirtualAudioDevice audio;
    testsupport::FakeDesktop desktop;
    // Without intro screen and start page; the windows run on it.
    testsupport::SampleCourseWindows sample;
    testsupport::TempCourse& course = sample.course;
    QList<platform::Form*> shown;
    std::function<void()> inPlayer;
    std::function<void()> inWorkshop;

private:
    platform::Form::ModalHook m_previousHook;
};

TEST_F(SampleCourse, WorkshopFollowsTheVoiceAndLoopsAUnit)
{
    TWorkTxtFrm& w = *WorkTxtFrm;
    inWorkshop = [&] {
        waitForPages();
        expectBothOn(1);
        w.m11Click();
        tickUntil([&] { return w.currentPhrase == 2; });
        expectBothOn(2);
        EXPECT_EQ(w.TrackBar1->position(), 1);

        w.m22Click();
        w.TrackBar1->setPosition(2);
        w.caaClick();
        w.TrackBar1->setPosition(3);
        w.caaClick();
        w.caaClick();
        tickUntil([&] { return w.currentPhrase == 4; });
        tickUntil([&] { return w.currentPhrase == 2; });
        EXPECT_TRUE(w.Timer1->enabled());
        tickUntil([&] { return w.currentPhrase == 3; });
        w.Timer1Timer();
        expectBothOn(3);

        w.m33Click();
        for (platform::HtmlView* view : {w.CppWebBrowser1, w.CppWebBrowser2}) {
            EXPECT_NE(view->Document().get("all").get("t3").get("className").toText(), "cycle");
            EXPECT_NE(view->Document().get("all").get("t4").get("className").toText(), "cycle");
        }
        w.show();
        w.m55Click();
    };
    runFirstOfKind(QStringLiteral("2"));
    EXPECT_EQ(shown, QList<platform::Form*>{WorkTxtFrm});
    EXPECT_TRUE(desktop.errors.empty());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SampleCourse, OwnRecordingPlaysAgainstTheMarksItPassed)
{
    inPlayer = [&] {
        for (int i = 0; i < 100 && ViewTxtFrm->pageDocument.isEmpty(); ++i)
            QCoreApplication::processEvents();
        audio.setInputSignal([](int, double) { return 0.25f; });
        ViewTxtFrm->m11Click();
        for (int i = 0; i < 200 && ViewTxtFrm->currentPhrase < 3; ++i) {
            audio.advance(250);
            ViewTxtFrm->Timer1Timer();
        }
        ViewTxtFrm->m33Click();
        ViewTxtFrm->show();
        ViewTxtFrm->m55Click();
    };
    runFirstOfKind(QStringLiteral("3"));
    const platform::StringList passed = platform::StringList::load(course.root() + "\\data\\umarks.txt");
    ASSERT_EQ(passed.count(), 2);

    TWorkTxtFrm& w = *WorkTxtFrm;
    inWorkshop = [&] {
        EXPECT_EQ(w.MediaPlayer1->fileName(), MainFrm->courseRoot + "\\data\\temp.wav");
        EXPECT_EQ(w.marks.lines(), passed.lines());
        EXPECT_TRUE(w.caa->isHidden());
        waitForPages();
        w.m11Click();
        tickUntil([&] { return w.currentPhrase == 2; });
        expectBothOn(2);
        // At the recording's last mark the text ends: back to phrase 1.
        tickUntil([&] { return !w.Timer1->enabled(); });
        expectBothOn(1);
        EXPECT_GE(w.MediaPlayer1->position(), passed.at(1).toInt() - 500);
        w.show();
        w.m55Click();
    };
    runFirstOfKind(QStringLiteral("4"));
    EXPECT_EQ(shown, (QList<platform::Form*>{ViewTxtFrm, WorkTxtFrm}));
    EXPECT_TRUE(desktop.errors.empty());
    EXPECT_TRUE(desktop.messages.empty());
}

} // namespace
} // namespace workshoptest
