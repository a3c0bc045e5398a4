// The whole sample course in one run of the program: every node of the tree
// in order, each run by double click and again by Run lesson, driven through
// its window's main controls, closed, and back to the main window for the
// next. Nothing of one lesson may reach the next but what the launcher
// keeps: the learner's recording and its marks, the hints it set.
#include "courserun.h"

#include "choicetest/Multi.h"
#include "platform/bandedform.h"
#include "platform/stringlist.h"
#include "player/Viewtxt.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

#include <QFileInfo>

#include <algorithm>

namespace endtoend {
namespace {

void tickPlayerUntil(platform::VirtualAudioDevice& audio, const std::function<bool()>& done)
{
    for (int i = 0; i < 400 && !done(); ++i) {
        audio.advance(250);
        ViewTxtFrm->Timer1Timer();
    }
    ASSERT_TRUE(done());
}

void tickWorkshopUntil(platform::VirtualAudioDevice& audio, const std::function<bool()>& done)
{
    for (int i = 0; i < 400 && !done(); ++i) {
        audio.advance(250);
        WorkTxtFrm->Timer1Timer();
    }
    ASSERT_TRUE(done());
}

QList<platform::Variant> elements(const platform::Variant& document, const QString& tag)
{
    const platform::Variant list = document.call(QStringLiteral("getElementsByTagName"), {tag});
    QList<platform::Variant> items;
    const int count = list.get(QStringLiteral("length")).toInt();
    for (int i = 0; i < count; ++i)
        items.append(list.call(QStringLiteral("item"), {i}));
    return items;
}

class WholeCourse : public CourseRun {
protected:
    WholeCourse()
    {
        inWindow = [this](platform::Form&) { driveLesson(); };
        audio.setInputSignal([](int, double) { return 0.25f; });
    }

    static QString kind() { return MainFrm->lessonKinds.at(MainFrm->selectedLessonIndex()); }

    void driveLesson()
    {
        const QString k = kind();
        SCOPED_TRACE("kind " + k.toStdString());
        if (k == u"1")
            listen();
        else if (k == u"3" || k == u"11")
            recordAlongTheMarks();
        else if (k == u"8")
            recordFreely();
        else if (k == u"2")
            loopAUnit();
        else if (k == u"4")
            listenToTheRecording();
        else if (k == u"5")
            checkTheTest();
        else if (k == u"6" || k == u"7")
            saveTheAnswers();
        else if (k == u"9")
            sortAndTimeOut();
    }

    // What the launch starts every player lesson from, whatever the
    // previous one left.
    static void expectPlayerAtStart()
    {
        const TViewTxtFrm& p = *ViewTxtFrm;
        EXPECT_EQ(p.currentPhrase, 1);
        EXPECT_EQ(p.positionMs, 0);
        EXPECT_EQ(p.paused, 0);
        EXPECT_EQ(p.TrackBar1->position(), 0);
        EXPECT_FALSE(p.Timer1->enabled());
        EXPECT_FALSE(p.Timer2->enabled());
    }

    void listen()
    {
        TViewTxtFrm& p = *ViewTxtFrm;
        expectPlayerAtStart();
        waitForPages({p.CppWebBrowser1});
        EXPECT_TRUE(p.pageHighlighted);
        p.m11Click();
        int furthest = 1;
        tickPlayerUntil(audio, [&] {
            if (p.Timer1->enabled())
                furthest = std::max(furthest, p.currentPhrase);
            return !p.Timer1->enabled();
        });
        // Every phrase followed, then back to the first.
        EXPECT_EQ(furthest, p.marks.count());
        EXPECT_EQ(p.currentPhrase, 1);
        p.m55Click();
    }

    void recordAlongTheMarks()
    {
        TViewTxtFrm& p = *ViewTxtFrm;
        expectPlayerAtStart();
        EXPECT_TRUE(p.userMarks.isEmpty());
        waitForPages({p.CppWebBrowser1});
        p.m11Click();
        EXPECT_EQ(p.MediaPlayer1->mode(), platform::MediaPlayer::Mode::Recording);
        EXPECT_EQ(p.MediaPlayer2->mode() == platform::MediaPlayer::Mode::Playing, kind() == u"11");
        tickPlayerUntil(audio, [&] { return p.currentPhrase == 3; });
        p.m33Click();
        p.m55Click();
    }

    void recordFreely()
    {
        TViewTxtFrm& p = *ViewTxtFrm;
        expectPlayerAtStart();
        waitForPages({p.CppWebBrowser1});
        EXPECT_EQ(p.TrackBar1->max(), MainFrm->timeLimits.at(MainFrm->selectedLessonIndex()).toInt());
        p.m11Click();
        for (int tick = 0; tick < 20; ++tick) {
            audio.advance(100);
            p.Timer2Timer();
        }
        EXPECT_EQ(p.TrackBar1->position(), 2);
        // Stop record offers a copy; the learner declines it.
        p.m33Click();
        p.m55Click();
    }

    static void expectWorkshopAtStart()
    {
        const TWorkTxtFrm& w = *WorkTxtFrm;
        EXPECT_EQ(w.currentPhrase, 1);
        EXPECT_EQ(w.cycling, 0);
        EXPECT_EQ(w.unitStep, 0);
        EXPECT_EQ(w.TrackBar1->position(), 0);
        EXPECT_FALSE(w.Timer1->enabled());
    }

    void loopAUnit()
    {
        TWorkTxtFrm& w = *WorkTxtFrm;
        expectWorkshopAtStart();
        EXPECT_FALSE(w.caa->isHidden());
        waitForPages({w.CppWebBrowser1, w.CppWebBrowser2});
        w.m11Click();
        tickWorkshopUntil(audio, [&] { return w.currentPhrase == 2; });
        // Phrases 3 and 4 as a unit, looped.
        w.m22Click();
        w.TrackBar1->setPosition(2);
        w.caaClick();
        w.TrackBar1->setPosition(3);
        w.caaClick();
        w.caaClick();
        ASSERT_EQ(w.cycling, 1);
        tickWorkshopUntil(audio, [&] { return w.currentPhrase == 4; });
        tickWorkshopUntil(audio, [&] { return w.currentPhrase == 2; });
        EXPECT_TRUE(w.Timer1->enabled());
        w.m33Click();
        w.m55Click();
    }

    void listenToTheRecording()
    {
        TWorkTxtFrm& w = *WorkTxtFrm;
        expectWorkshopAtStart();
        EXPECT_TRUE(w.caa->isHidden());
        EXPECT_EQ(w.marks.lines(), platform::StringList::load(MainFrm->courseRoot + "\\data\\umarks.txt").lines());
        EXPECT_EQ(w.MediaPlayer1->fileName(), MainFrm->courseRoot + "\\data\\temp.wav");
        waitForPages({w.CppWebBrowser1, w.CppWebBrowser2});
        w.m11Click();
        tickWorkshopUntil(audio, [&] { return !w.Timer1->enabled(); });
        EXPECT_EQ(w.currentPhrase, 1);
        w.m55Click();
    }

    void checkTheTest()
    {
        waitForPages({MultiFrm->CppWebBrowser1});
        EXPECT_TRUE(MultiFrm->Timer1->enabled());
        for (const platform::Variant& input : elements(MultiFrm->CppWebBrowser1->Document(), QStringLiteral("input"))) {
            if (input.get(QStringLiteral("rtype")).toText() == u"1")
                input.call(QStringLiteral("click"));
        }
        const std::size_t before = desktop.messages.size();
        MultiFrm->m33Click();
        ASSERT_EQ(desktop.messages.size(), before + 1);
        EXPECT_EQ(desktop.messages.back().text, "All correct");
        MultiFrm->m55Click();
    }

    // Check saves the answers and closes the test.
    void saveTheAnswers()
    {
        waitForPages({MultiFrm->CppWebBrowser1});
        const platform::Variant document = MultiFrm->CppWebBrowser1->Document();
        for (const QString& tag : {QStringLiteral("input"), QStringLiteral("textarea")}) {
            for (const platform::Variant& field : elements(document, tag))
                field.set(QStringLiteral("value"), QStringLiteral("my answer"));
        }
        course().remove(QStringLiteral("answers.htm"));
        desktop.saveAnswers.push_back(course().root() + "\\answers.htm");
        MultiFrm->m33Click();
        EXPECT_TRUE(course().read(QStringLiteral("answers.htm")).contains("my answer"));
    }

    void sortAndTimeOut()
    {
        TfrmSort& sort = *frmSort;
        EXPECT_EQ(sort.ListBox2->count(), 0);
        EXPECT_EQ(sort.ListBox3->count(), 0);
        ASSERT_GT(sort.ListBox1->count(), 0);
        // Everything in the middle list, so the right one is all missing.
        while (sort.ListBox1->count() > 0) {
            sort.ListBox1->setItemIndex(0);
            sort.ListBoxDragDrop(sort.ListBox2, sort.ListBox1);
        }
        const std::size_t before = desktop.messages.size();
        while (sort.secondsLeft > 0)
            sort.Timer1Timer();
        ASSERT_EQ(desktop.messages.size(), before + 1);
        EXPECT_TRUE(desktop.messages.back().text.startsWith(u"Вы допустили ошибок: "));
        sort.m55Click();
    }
};

TEST_F(WholeCourse, EveryLessonRunsInTurnInOneRun)
{
    const int lessons = MainFrm->TreeView1->nodeCount();
    ASSERT_EQ(lessons, MainFrm->lessonKinds.count());
    QStringList kindsRun;
    for (int lesson = 0; lesson < lessons; ++lesson) {
        select(lesson);
        const QString k = kind();
        SCOPED_TRACE(QStringLiteral("lesson %1, kind \"%2\"").arg(lesson).arg(k).toStdString());
        platform::Form* const window = windowOfKind(k);
        for (void (TMainFrm::*launch)() : {&TMainFrm::TreeView1DblClick, &TMainFrm::m22Click}) {
            shown.clear();
            (MainFrm->*launch)();
            // A vector, not a QList: Qt compares two empty lists of pointers by
            // handing memcmp a null pointer, which the sanitizer rightly refuses.
            EXPECT_EQ(shown, window ? std::vector<platform::Form*>{window} : std::vector<platform::Form*>{});
            if (window) {
                EXPECT_FALSE(window->isVisible());
                EXPECT_EQ(window->caption(), MainFrm->windowTitles.at(lesson));
            }
            EXPECT_TRUE(MainFrm->isVisible());
            EXPECT_EQ(MainFrm->selectedLessonIndex(), lesson);
            ASSERT_TRUE(desktop.errors.empty()) << desktop.errors.front().text.toStdString();
        }
        if (k == u"3" || k == u"11") {
            // The recording and the marks it passed, for the workshop after.
            EXPECT_EQ(platform::StringList::load(MainFrm->courseRoot + "\\data\\umarks.txt").count(), 2);
            EXPECT_GT(QFileInfo(course().root() + "/data/temp.wav").size(),
                      QFileInfo(course().root() + "/data/empty.wav").size());
        }
        if (window)
            kindsRun.append(k);
    }
    kindsRun.removeDuplicates();
    kindsRun.sort();
    EXPECT_EQ(kindsRun, (QStringList{"1", "11", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

// Strings.ini of this copy gives the player and the workshop hints of its
// own: the launcher's replace them at the first lesson that sets them and
// stay for the rest of the run; the ones it never sets stay the course's.
class Hints : public CourseRun {
protected:
    Hints()
        : CourseRun([](const testsupport::TempCourse& course) {
              QByteArray ini = course.read(QStringLiteral("Strings.ini"));
              ini.replace("VIEWTXT_RUN=Play", "VIEWTXT_RUN=Listen")
                  .replace("VIEWTXT_PAUSE=Pause", "VIEWTXT_PAUSE=Hold")
                  .replace("VIEWTXT_STOP=Stop", "VIEWTXT_STOP=Halt")
                  .replace("WORKTXT_PAUSE=Pause", "WORKTXT_PAUSE=Hold")
                  .replace("WORKTXT_RUN=Run", "WORKTXT_RUN=Go");
              course.write(QStringLiteral("Strings.ini"), ini);
          })
    {
        inWindow = [](platform::Form& window) { window.close(); };
    }
    static QStringList playerHints()
    {
        return {ViewTxtFrm->m11->hint(), ViewTxtFrm->m22->hint(), ViewTxtFrm->m33->hint()};
    }
};

TEST_F(Hints, TheLaunchersHintsReplaceTheCoursesForTheRestOfTheRun)
{
    ASSERT_EQ(playerHints(), (QStringList{"Listen", "Hold", "Halt"}));
    ASSERT_EQ(WorkTxtFrm->m22->hint(), "Hold");

    runFirstOfKind(QStringLiteral("3"));
    EXPECT_EQ(playerHints(), (QStringList{"Start record", "Pause", "Stop record"}));
    runFirstOfKind(QStringLiteral("1"));
    for (const char* other : {"9", "5", "6"})
        runFirstOfKind(QString::fromLatin1(other));
    EXPECT_EQ(playerHints(), (QStringList{"Play", "Pause", "Stop"}));
    EXPECT_EQ(WorkTxtFrm->m22->hint(), "Hold");

    runFirstOfKind(QStringLiteral("2"));
    runFirstOfKind(QStringLiteral("9"));
    EXPECT_EQ(WorkTxtFrm->m22->hint(), "Pause");
    EXPECT_EQ(WorkTxtFrm->caa->hint(), "Begin unit");
    EXPECT_EQ(WorkTxtFrm->m11->hint(), "Go");
    EXPECT_EQ(shown.size(), 7u);
}

// The learner leaves each window with the pointer on its Exit button: the
// window opens for the next lesson with no button lit, wherever the pointer
// is then.
using NextLesson = CourseRun;

TEST_F(NextLesson, OpensItsWindowWithNoButtonLit)
{
    inWindow = [](platform::Form& shownWindow) {
        auto& window = static_cast<platform::BandedForm&>(shownWindow);
        for (const platform::Picture* hover : window.hoverPictures())
            EXPECT_TRUE(hover->isHidden());
        EXPECT_TRUE(WorkTxtFrm->ca->isHidden());
        window.hoverButton(4);
        WorkTxtFrm->ca->show();
        window.close();
    };
    for (int round = 0; round < 2; ++round) {
        for (const char* kind : {"1", "2", "5", "9"})
            runFirstOfKind(QString::fromLatin1(kind));
    }
    EXPECT_EQ(shown.size(), 8u);
}

} // namespace
} // namespace endtoend
