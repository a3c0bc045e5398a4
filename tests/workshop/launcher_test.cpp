// Kinds "2" and "4" run from the main window's tree; the modal show is
// answered by the test.
#include "workshopfixture.h"

#include "platform/application.h"
#include "platform/jpeg.h"
#include "shell/Main.h"
#include "tests/player/playerfixture.h"

namespace workshoptest {
namespace {

// What the workshop holds when the launcher shows it.
struct Shown {
    QString caption, leftPage, rightPage, sound, pauseHint, unitHint;
    QStringList marks;
    int sliderMax = 0, sliderPosition = -1, leftWidth = 0;
    bool sliderEnabled = false, soundOpen = false, unitButton = false, stepZeroPictures = false;
    // Phrase 1, stopped, no unit, nothing highlighted yet.
    bool startState = false;
};

Shown snapshot(TWorkTxtFrm& w)
{
    Shown s;
    s.caption = w.caption();
    s.leftPage = w.CppWebBrowser1->LocationURL();
    s.rightPage = w.CppWebBrowser2->LocationURL();
    s.sound = w.MediaPlayer1->fileName();
    s.soundOpen = w.MediaPlayer1->isOpen();
    s.pauseHint = w.m22->hint();
    s.unitHint = w.caa->hint();
    s.marks = w.marks.lines();
    s.sliderMax = w.TrackBar1->max();
    s.sliderPosition = w.TrackBar1->position();
    s.sliderEnabled = w.TrackBar1->isEnabled();
    s.leftWidth = w.CppWebBrowser1->maximumWidth();
    s.unitButton = !w.c->isHidden() && !w.caa->isHidden();
    s.stepZeroPictures = w.c->picture() == platform::loadJpeg(QStringLiteral("gdata\\c1.jpg"))
                         && w.ca->picture() == platform::loadJpeg(QStringLiteral("gdata\\c2a.jpg"));
    s.startState = w.currentPhrase == 1 && w.lastSelectedPhrase == 1 && w.positionMs == 0 && w.paused == 0
                   && w.cycling == 0 && w.unitStep == 0 && w.leftHighlighted == 0 && w.rightHighlighted == 0
                   && !w.Timer1->enabled();
    return s;
}

class Launcher : public WorkshopTest {
protected:
    Launcher()
    {
        writePages();
        course.writeLines(QStringLiteral("data/marks/m.txt"), {"1000", "2000", "3000"});
        course.writeLines(QStringLiteral("data/umarks.txt"), {"700", "1400"});
        course.write(QStringLiteral("data/temp.wav"), playertest::waveFile(2000));
    }
    // What an earlier opening left behind, with the unit half defined.
    void leaveOldState()
    {
        TWorkTxtFrm& w = workshop();
        w.currentPhrase = 4, w.lastSelectedPhrase = 3, w.positionMs = 999, w.paused = 1;
        w.leftHighlighted = 2, w.rightHighlighted = 1, w.cycling = 1, w.unitStep = 2;
        w.m22->setHint(QStringLiteral("\u0421ontinue"));
        w.showUnitStep(2);
        w.marks = platform::StringList({"9"});
        w.TrackBar1->setMax(7);
        w.CppWebBrowser1->setFixedWidth(100);
    }
};

struct KindCase {
    const char* kind;
    const char* sound;
    QStringList marks;
    bool sliderEnabled;
    bool unitButton;
};

void PrintTo(const KindCase& c, std::ostream* os)
{
    *os << c.kind;
}

const KindCase kindCases[] = {
    {"2", "\\data\\sound\\lesson.wav", {"1000", "2000", "3000"}, true, true},
    // The learner's last recording, not reset, with the marks it passed.
    {"4", "\\data\\temp.wav", {"700", "1400"}, false, false},
};

class LauncherKinds : public Launcher, public ::testing::WithParamInterface<KindCase> {};

TEST_P(LauncherKinds, PreparesTheWorkshop)
{
    const KindCase& e = GetParam();
    const QString root = MainFrm->courseRoot;
    const QByteArray recording = course.read("data/temp.wav");
    addLesson(QString::fromLatin1(e.kind));
    leaveOldState();
    Shown shown;
    whileShown = [&] { shown = snapshot(workshop()); };
    run(0);

    ASSERT_EQ(shows, 1);
    EXPECT_EQ(shown.caption, "Workshop");
    EXPECT_EQ(shown.leftPage, root + "\\data\\text\\left.htm");
    EXPECT_EQ(shown.rightPage, root + "\\data\\text\\right.htm");
    EXPECT_EQ(shown.marks, e.marks);
    EXPECT_EQ(shown.sliderMax, e.marks.size() - 1);
    EXPECT_EQ(shown.sliderPosition, 0);
    EXPECT_EQ(shown.sliderEnabled, e.sliderEnabled);
    EXPECT_EQ(shown.sound, root + e.sound);
    EXPECT_TRUE(shown.soundOpen);
    // The two views share the centre between the side pictures: the design
    // client width 986 and the 6-pixel frame, less the sides, halved.
    EXPECT_EQ(shown.leftWidth, (986 + 6 - 49 - 46 - 6) / 2);
    EXPECT_EQ(shown.pauseHint, "Pause");
    EXPECT_EQ(shown.unitHint, "Begin unit");
    EXPECT_TRUE(shown.stepZeroPictures);
    EXPECT_EQ(shown.unitButton, e.unitButton);
    EXPECT_TRUE(shown.startState);
    EXPECT_EQ(course.read("data/temp.wav"), recording);
}

INSTANTIATE_TEST_SUITE_P(Workshop, LauncherKinds, ::testing::ValuesIn(kindCases),
                         [](const auto& info) { return "Kind" + std::string(info.param.kind); });

TEST_F(Launcher, RecordingThatPassedNoMarkIsRefused)
{
    course.write(QStringLiteral("data/umarks.txt"), "");
    addLesson(QStringLiteral("4"));
    run(0);

    EXPECT_EQ(shows, 0);
    EXPECT_EQ(desktop.messages, (std::vector<testsupport::FakeDesktop::Shown>{
                                    {platform::Application::title(), QStringLiteral("Sound file empty.")}}));
    // The steps before the refusal stay done.
    EXPECT_TRUE(workshop().c->isHidden());
    EXPECT_TRUE(workshop().caa->isHidden());
    EXPECT_EQ(workshop().caption(), "Workshop");
    EXPECT_EQ(workshop().CppWebBrowser2->LocationURL(), MainFrm->courseRoot + "\\data\\text\\right.htm");
    EXPECT_FALSE(workshop().MediaPlayer1->isOpen());
}

// The old lesson's slider goes back to 0 while its sound is still open.
TEST_F(Launcher, NextLaunchResetsTheWorkshopLeftOnAPhrase)
{
    addLesson(QStringLiteral("2"));
    addLesson(QStringLiteral("x"));
    whileShown = [&] {
        waitForPages();
        workshop().TrackBar1->setPosition(2);
    };
    run(0);
    whileShown = nullptr;
    EXPECT_NO_THROW(run(1));
    EXPECT_EQ(workshop().currentPhrase, 1);
    EXPECT_EQ(highlightedLeft(), QList<int>{1});
    EXPECT_FALSE(workshop().MediaPlayer1->isOpen());
}

} // namespace
} // namespace workshoptest
