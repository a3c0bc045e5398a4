// Run, Pause / Continue, Stop, Help, Exit, the pages' completion, the hover
// pictures and the splitter.
#include "workshopfixture.h"

#include "workshop/splitter.h"

#include "shell/Main.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace workshoptest {
namespace {

using Media = platform::MediaPlayer::Mode;

const QString continueHint = QStringLiteral("\u0421ontinue");

struct StateCase {
    const char* name;
    std::function<void(TWorkTxtFrm&, platform::VirtualAudioDevice&)> actions;
    bool timer;
    int paused;
    QString pauseHint;
    bool sliderEnabled;
    Media sound;
    int soundPosition;
    int currentPhrase;
};

void PrintTo(const StateCase& c, std::ostream* os)
{
    *os << c.name;
}

// Playing on to phrase 2 takes Run and three ticks: the sound is at 1250.
void playToPhraseTwo(TWorkTxtFrm& w, platform::VirtualAudioDevice& audio)
{
    w.m11Click();
    for (int tick = 0; tick < 3; ++tick) {
        audio.advance(tick == 0 ? 0 : 625);
        w.Timer1Timer();
    }
}

const StateCase stateCases[] = {
    {"RunPlaysFromTheStartOfThePhrase", [](auto& w, auto&) { w.TrackBar1->setPosition(2); w.m11Click(); },
     true, 0, "Pause", false, Media::Playing, 2000, 3},
    {"RunWhilePlayingDoesNothing", [](auto& w, auto& a) { playToPhraseTwo(w, a); w.m11Click(); },
     true, 0, "Pause", false, Media::Playing, 1250, 2},
    {"PausePausesTheSound", [](auto& w, auto& a) { playToPhraseTwo(w, a); w.m22Click(); },
     false, 1, continueHint, true, Media::Paused, 1250, 2},
    {"PauseWhileStoppedOnlyChangesTheButton", [](auto& w, auto&) { w.m22Click(); },
     false, 1, continueHint, true, Media::Stopped, 0, 1},
    {"ContinueReplaysThePhraseFromItsStart", [](auto& w, auto& a) { playToPhraseTwo(w, a); w.m22Click(); w.m22Click(); },
     true, 0, "Pause", false, Media::Playing, 1000, 2},
    {"ContinueAfterPauseWhileStoppedPlays", [](auto& w, auto&) { w.m22Click(); w.m22Click(); },
     true, 0, "Pause", false, Media::Playing, 0, 1},
    {"RunWhilePausedPlaysFromTheStartOfThePhrase", [](auto& w, auto& a) { playToPhraseTwo(w, a); w.m22Click(); w.m11Click(); },
     true, 0, "Pause", false, Media::Playing, 1000, 2},
    {"StopWhilePlayingGoesBackToPhraseOne", [](auto& w, auto& a) { playToPhraseTwo(w, a); w.m33Click(); },
     false, 0, "Pause", true, Media::Stopped, 1250, 1},
    // The slider's return to 0 chooses phrase 1: the sound waits at its end.
    {"StopWhilePausedStaysPaused", [](auto& w, auto& a) { playToPhraseTwo(w, a); w.m22Click(); w.m33Click(); },
     false, 1, continueHint, true, Media::Stopped, 1000, 1},
};

class PlaybackState : public WorkshopTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(PlaybackState, FollowsTheButtons)
{
    const StateCase& c = GetParam();
    open();
    c.actions(workshop(), audio);
    EXPECT_EQ(workshop().Timer1->enabled(), c.timer);
    EXPECT_EQ(workshop().paused, c.paused);
    EXPECT_EQ(workshop().m22->hint(), c.pauseHint);
    EXPECT_EQ(workshop().TrackBar1->isEnabled(), c.sliderEnabled);
    EXPECT_EQ(workshop().MediaPlayer1->mode(), c.sound);
    EXPECT_EQ(workshop().MediaPlayer1->position(), c.soundPosition);
    EXPECT_EQ(workshop().currentPhrase, c.currentPhrase);
    EXPECT_EQ(highlightedLeft(), QList<int>{c.currentPhrase});
    EXPECT_EQ(highlightedRight(), QList<int>{c.currentPhrase});
}

INSTANTIATE_TEST_SUITE_P(Workshop, PlaybackState, ::testing::ValuesIn(stateCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Controls = WorkshopTest;

// The voice starts at the beginning of the phrase: the highlight must not
// go on to the next phrase at the first tick, whatever the last run left.
TEST_F(Controls, RunKeepsTheHighlightWithTheVoice)
{
    open();
    workshop().TrackBar1->setPosition(2);
    workshop().m11Click();
    tickAfter(250);
    EXPECT_EQ(workshop().currentPhrase, 3);

    // Back at phrase 1 after the end of the text, the sound stopped late.
    workshop().m33Click();
    workshop().TrackBar1->setPosition(4);
    workshop().m11Click();
    tickAfter(600);
    tickAfter(0);
    ASSERT_FALSE(workshop().Timer1->enabled());
    workshop().m11Click();
    tickAfter(250);
    EXPECT_EQ(workshop().currentPhrase, 1);
    EXPECT_EQ(highlightedLeft(), QList<int>{1});
}

TEST_F(Controls, StopAtPhraseOneRaisesNoSliderChange)
{
    open();
    workshop().m22Click();
    workshop().m33Click();
    // A slider change would have sought the sound to the end of phrase 1.
    EXPECT_EQ(workshop().MediaPlayer1->position(), 0);
    EXPECT_EQ(workshop().positionMs, 0);
}

TEST_F(Controls, ExitDuringPlaybackStopsTheSound)
{
    open();
    workshop().show();
    workshop().m11Click();
    workshop().m55Click();
    EXPECT_FALSE(workshop().isVisible());
    EXPECT_EQ(workshop().MediaPlayer1->mode(), Media::Stopped);
}

TEST_F(Controls, HelpOpensThePageOfTheLessonKind)
{
    open();
    workshop().m44Click();
    EXPECT_EQ(desktop.opened, QStringList{MainFrm->courseRoot + "\\help\\help_2.htm"});
    EXPECT_EQ(workshop().currentPhrase, 1);
}

TEST_F(Controls, HoverPicturesIncludeTheUnitButton)
{
    open();
    workshop().caaMouseMove();
    EXPECT_TRUE(workshop().ca->isVisibleTo(&workshop()));
    workshop().m11MouseMove();
    EXPECT_FALSE(workshop().ca->isVisibleTo(&workshop()));
    EXPECT_TRUE(workshop().m1->isVisibleTo(&workshop()));
    workshop().caaMouseMove();
    EXPECT_FALSE(workshop().m1->isVisibleTo(&workshop()));
    workshop().Image4MouseMove();
    EXPECT_FALSE(workshop().ca->isVisibleTo(&workshop()));
}

// Every completion takes the document again; only the first after the
// opening highlights phrase 1, and one that found no phrase 1 is retried.
TEST_F(Controls, PagesCompletingAgainAreHighlightedOnce)
{
    open();
    course.write(QStringLiteral("data/text/other.htm"), pageWithPhrases({"text"}));
    course.write(QStringLiteral("data/text/empty.htm"), "<html><body></body></html>");
    auto complete = [&](const char* page) {
        const auto before = workshop().leftDocument.object();
        workshop().CppWebBrowser1->Navigate(course.root() + "\\data\\text\\" + page);
        for (int i = 0; i < 100 && workshop().leftDocument.object() == before; ++i)
            QCoreApplication::processEvents();
        ASSERT_NE(workshop().leftDocument.object(), before);
    };
    auto firstPhrase = [&] { return workshop().leftDocument.get("all").get("t1").get("className").toText(); };

    complete("other.htm");
    EXPECT_EQ(firstPhrase(), "text");
    EXPECT_EQ(workshop().leftHighlighted, 1);

    workshop().leftHighlighted = 0;
    complete("empty.htm");
    EXPECT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(workshop().leftHighlighted, 0);
    complete("other.htm");
    EXPECT_EQ(firstPhrase(), "instext");
    EXPECT_EQ(workshop().leftHighlighted, 1);
    // The right page is the right view's business.
    EXPECT_EQ(workshop().rightHighlighted, 1);
}

TEST_F(Controls, SplitterSharesTheCentre)
{
    open();
    workshop().show();
    Splitter& splitter = *workshop().Splitter1;
    auto drag = [&](int dx) {
        const QPointF at(0, 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, splitter.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&splitter, &press);
        const QPointF to(dx, 10);
        QMouseEvent move(QEvent::MouseMove, to, splitter.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&splitter, &move);
        QCoreApplication::processEvents();
    };
    QCoreApplication::processEvents();
    const int before = workshop().CppWebBrowser1->width();
    drag(100);
    EXPECT_EQ(workshop().CppWebBrowser1->width(), before + 100);
    drag(-5000);
    EXPECT_EQ(workshop().CppWebBrowser1->width(), Splitter::minimumSide);
    drag(5000);
    EXPECT_EQ(workshop().CppWebBrowser1->width(),
              workshop().Panel3->width() - splitter.width() - Splitter::minimumSide);
    workshop().close();
}

} // namespace
} // namespace workshoptest
