// The unit button's three steps, their refusals, and the end of the loop.
#include "workshopfixture.h"

#include "platform/jpeg.h"

namespace workshoptest {
namespace {

using Media = platform::MediaPlayer::Mode;

class Unit : public WorkshopTest {
protected:
    // The button shows the step's picture and hover picture.
    void expectPictures(const char* picture, const char* hoverPicture)
    {
        EXPECT_EQ(workshop().c->picture(), platform::loadJpeg(QString::fromLatin1(picture)));
        EXPECT_EQ(workshop().ca->picture(), platform::loadJpeg(QString::fromLatin1(hoverPicture)));
    }
    void choose(int phrase) { workshop().TrackBar1->setPosition(phrase - 1); }
    // Phrases 2 to 4 looping, two ticks in.
    void loopTwoToFour()
    {
        open();
        choose(2);
        workshop().caaClick();
        choose(4);
        workshop().caaClick();
        workshop().caaClick();
        ticks(2);
    }
};

TEST_F(Unit, ThreeClicksBeginEndAndLoopIt)
{
    open();
    choose(2);
    workshop().caaClick();
    EXPECT_EQ(workshop().unitStep, 1);
    EXPECT_EQ(workshop().unitFirst, 2);
    EXPECT_EQ(workshop().caa->hint(), "End unit");
    expectPictures("gdata\\c2.jpg", "gdata\\c1a.jpg");
    EXPECT_EQ(left()[1], "cycle");
    EXPECT_EQ(right()[1], "cycle");

    choose(4);
    workshop().caaClick();
    EXPECT_EQ(workshop().unitStep, 2);
    EXPECT_EQ(workshop().unitLast, 4);
    EXPECT_EQ(workshop().caa->hint(), "Play cycle");
    expectPictures("gdata\\c3.jpg", "gdata\\c3a.jpg");
    EXPECT_EQ(left().mid(1, 3), QStringList(3, "cycle"));
    EXPECT_EQ(right().mid(1, 3), QStringList(3, "cycle"));

    // Paused without sound: the loop's start plays and clears it.
    workshop().m22Click();
    workshop().caaClick();
    EXPECT_EQ(workshop().unitStep, 0);
    EXPECT_EQ(workshop().cycling, 1);
    EXPECT_EQ(workshop().caa->hint(), "Begin unit");
    expectPictures("gdata\\c1.jpg", "gdata\\c2a.jpg");
    // From the end of the phrase before the unit, as a fresh start.
    EXPECT_EQ(workshop().currentPhrase, 1);
    EXPECT_EQ(workshop().positionMs, 1000);
    EXPECT_EQ(workshop().MediaPlayer1->position(), 1000);
    EXPECT_EQ(workshop().MediaPlayer1->mode(), Media::Playing);
    EXPECT_TRUE(workshop().Timer1->enabled());
    EXPECT_FALSE(workshop().TrackBar1->isEnabled());
    EXPECT_EQ(workshop().paused, 0);
    EXPECT_EQ(workshop().m22->hint(), "Pause");
}

struct RefusalCase {
    const char* name;
    std::function<void(TWorkTxtFrm&)> before;
    int unitStep;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

const RefusalCase refusalCases[] = {
    {"BeginAtPhraseOne", [](TWorkTxtFrm&) {}, 0},
    {"BeginDuringPlayback", [](TWorkTxtFrm& w) { w.TrackBar1->setPosition(2); w.m11Click(); }, 0},
    {"EndOnTheFirstPhrase", [](TWorkTxtFrm& w) { w.TrackBar1->setPosition(2); w.caaClick(); }, 1},
    {"EndBeforeTheFirstPhrase",
     [](TWorkTxtFrm& w) { w.TrackBar1->setPosition(2); w.caaClick(); w.TrackBar1->setPosition(1); }, 1},
};

class UnitRefusal : public Unit, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(UnitRefusal, ChangesNothing)
{
    open();
    GetParam().before(workshop());
    const QStringList leftBefore = left(), rightBefore = right();
    const QString hint = workshop().caa->hint();
    const QImage picture = workshop().c->picture();
    workshop().caaClick();
    EXPECT_EQ(workshop().unitStep, GetParam().unitStep);
    EXPECT_EQ(workshop().cycling, 0);
    EXPECT_EQ(workshop().caa->hint(), hint);
    EXPECT_EQ(workshop().c->picture(), picture);
    EXPECT_EQ(left(), leftBefore);
    EXPECT_EQ(right(), rightBefore);
}

INSTANTIATE_TEST_SUITE_P(Workshop, UnitRefusal, ::testing::ValuesIn(refusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Unit, StopDuringTheLoopUnmarksTheUnitOnBothPages)
{
    loopTwoToFour();
    ASSERT_EQ(workshop().currentPhrase, 2);
    workshop().m33Click();
    EXPECT_EQ(left(), QStringList({"instext", "text", "text", "text", "text"}));
    EXPECT_EQ(right(), QStringList({"instext", "text", "text", "text", "text"}));
    EXPECT_EQ(workshop().cycling, 0);
    EXPECT_EQ(workshop().unitStep, 0);
    EXPECT_EQ(workshop().currentPhrase, 1);
    EXPECT_FALSE(workshop().Timer1->enabled());
    EXPECT_EQ(workshop().MediaPlayer1->mode(), Media::Stopped);
    EXPECT_TRUE(workshop().TrackBar1->isEnabled());
    EXPECT_EQ(workshop().TrackBar1->position(), 0);
}

TEST_F(Unit, PausedLoopResumesFromTheCurrentPhrase)
{
    loopTwoToFour();
    workshop().m22Click();
    workshop().m22Click();
    EXPECT_EQ(workshop().MediaPlayer1->position(), 1000);
    ticks(1);
    EXPECT_EQ(left(), QStringList({"text", "instext", "cycle", "cycle", "text"}));
    EXPECT_TRUE(workshop().Timer1->enabled());
}

// Beginning a new unit ends the paused loop: played on, the text passes
// the old unit's end without going back to it.
TEST_F(Unit, NewUnitBegunWhileTheLoopIsPausedEndsTheLoop)
{
    loopTwoToFour();
    workshop().m22Click();
    choose(4);
    choose(5);
    workshop().caaClick();
    EXPECT_EQ(workshop().cycling, 0);
    EXPECT_EQ(workshop().unitStep, 1);
    EXPECT_EQ(workshop().unitFirst, 5);
    EXPECT_EQ(left(), QStringList({"text", "text", "text", "text", "cycle"}));
    EXPECT_EQ(right(), QStringList({"text", "text", "text", "text", "cycle"}));

    workshop().m22Click();
    ticks(1);
    EXPECT_EQ(workshop().currentPhrase, 5);
    EXPECT_EQ(workshop().MediaPlayer1->position(), 4250);
}

} // namespace
} // namespace workshoptest
