// The playback tick through the whole text and round a unit: which phrases
// both pages highlight after a run of ticks at the positions the sound
// reaches, and where the counter, the slider and the sound stand.
#include "workshopfixture.h"

#include "platform/error.h"

#include <QCoreApplication>

namespace workshoptest {
namespace {

using Media = platform::MediaPlayer::Mode;

struct TickCase {
    const char* name;
    QStringList marks;
    // The sound position at each tick, from a Run at phrase 1.
    QList<int> positions;
    QList<int> highlighted;
    int currentPhrase;
    int slider;
    bool playing;
};

void PrintTo(const TickCase& c, std::ostream* os)
{
    *os << c.name;
}

const QStringList threeMarks{"1000", "2000", "3000"};

const TickCase tickCases[] = {
    // The test reads the position of the tick before: 500 ms before the
    // mark is not yet past it.
    {"StaysWhileNotPastTwoTicksBeforeTheMark", threeMarks, {0, 250, 500, 750}, {1}, 1, 0, true},
    {"MovesBothPagesInTheTickThatPassesTheMark", threeMarks, {501, 600}, {2}, 2, 1, true},
    {"FirstPhraseShorterThan500msMovesAtTheFirstTick", {"400", "2000", "3000"}, {0}, {2}, 2, 1, true},
    {"JumpPastSeveralMarksIsFollowedOnePerTick", threeMarks, {2600, 2600, 2600}, {3}, 3, 2, true},
    {"LastMarkPassedBringsBackPhraseOne", threeMarks, {2600, 2600, 2600, 2600}, {1}, 1, 0, false},
};

class OrdinaryTick : public WorkshopTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(OrdinaryTick, FollowsTheMarksOnBothPages)
{
    const TickCase& c = GetParam();
    open(c.marks, {"text", "text", "text"}, {"text", "comm", "text"});
    workshop().m11Click();
    int at = 0;
    for (int position : c.positions) {
        tickAfter(position - at);
        at = position;
    }

    EXPECT_EQ(highlightedLeft(), c.highlighted);
    EXPECT_EQ(highlightedRight(), c.highlighted);
    EXPECT_EQ(workshop().currentPhrase, c.currentPhrase);
    EXPECT_EQ(workshop().TrackBar1->position(), c.slider);
    EXPECT_EQ(workshop().Timer1->enabled(), c.playing);
    EXPECT_EQ(workshop().MediaPlayer1->mode(), c.playing ? Media::Playing : Media::Stopped);
    EXPECT_NE(workshop().TrackBar1->isEnabled(), c.playing);
}

INSTANTIATE_TEST_SUITE_P(Workshop, OrdinaryTick, ::testing::ValuesIn(tickCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Tick = WorkshopTest;

TEST_F(Tick, EndOfTheTextStopsBeforeTheLastMarkAndKeepsWhereItStopped)
{
    open({"1000", "2000"}, {"text", "text"}, {"text", "text"});
    workshop().m11Click();
    tickAfter(600);
    tickAfter(1000);
    tickAfter(0);
    ASSERT_FALSE(workshop().Timer1->enabled());
    EXPECT_EQ(workshop().MediaPlayer1->position(), 1600);
    // Read after the end, as every tick does.
    EXPECT_EQ(workshop().positionMs, 1600);
    EXPECT_EQ(left(), QStringList({"instext", "text"}));
    EXPECT_EQ(right(), QStringList({"instext", "text"}));
}

// A phrase of the second kind keeps its kind on the left page; the right
// page is written plainly and gives it back as "text".
TEST_F(Tick, SecondKindOnTheRightPageComesBackAsText)
{
    open();
    workshop().m11Click();
    tickAfter(600);
    tickAfter(0);
    EXPECT_EQ(left().mid(0, 2), QStringList({"text", "inscomm"}));
    EXPECT_EQ(right().mid(0, 2), QStringList({"text", "inscomm"}));
    tickAfter(1000);
    tickAfter(0);
    EXPECT_EQ(left().mid(0, 3), QStringList({"text", "comm", "instext"}));
    EXPECT_EQ(right().mid(0, 3), QStringList({"text", "text", "instext"}));
}

TEST_F(Tick, FailingTickStopsTheTimerAndLeavesTheHighlight)
{
    open({"1000", "2x", "3000"}, {"text", "text", "text"}, {"text", "text", "text"});
    workshop().m11Click();
    tickAfter(600);
    tickAfter(0);
    ASSERT_EQ(workshop().currentPhrase, 2);
    try {
        tickAfter(0);
        FAIL() << "the bad mark was read";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message(), "'2x' is not a valid integer value");
    }
    // One error box, not one every 250 ms; the sound plays on.
    EXPECT_FALSE(workshop().Timer1->enabled());
    EXPECT_EQ(workshop().MediaPlayer1->mode(), Media::Playing);
    EXPECT_EQ(highlightedLeft(), QList<int>{2});
}

// Through the framework's timer and error boundary: a fault that lasts is
// reported once, not at every tick.
TEST_F(Tick, LastingFaultGivesOneErrorBox)
{
    open({"x", "2000"}, {"text", "text"}, {"text", "text"});
    workshop().m11Click();
    workshop().Timer1->setInterval(0);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0].text, "'x' is not a valid integer value.");
    EXPECT_FALSE(workshop().Timer1->enabled());
}

struct CycleCase {
    const char* name;
    int unitFirst, unitLast;
    int ticks;
    QStringList left, right;
    int currentPhrase;
    int soundPosition;
};

void PrintTo(const CycleCase& c, std::ostream* os)
{
    *os << c.name;
}

// Five phrases of a second each. Choosing the unit's phrases on the slider
// has left the right page's phrases beside them as "text".
const CycleCase cycleCases[] = {
    {"FirstTickShowsThePhraseBeforeTheUnit", 2, 3, 1,
     {"instext", "cycle", "cycle", "text", "text"}, {"instext", "cycle", "cycle", "text", "text"}, 2, 1250},
    // Painted first, the phrase of the second kind is highlighted as an
    // ordinary one.
    {"NextTickShowsItsFirstPhrase", 2, 3, 2,
     {"text", "instext", "cycle", "text", "text"}, {"text", "instext", "cycle", "text", "text"}, 2, 1500},
    {"PassingTheLastPhraseRestartsAtTheUnit", 2, 3, 8,
     {"text", "cycle", "instext", "text", "text"}, {"text", "cycle", "instext", "text", "text"}, 1, 1000},
    {"AfterTheRestartThePhraseBeforeIsShownAgain", 2, 3, 9,
     {"instext", "cycle", "cycle", "text", "text"}, {"instext", "cycle", "cycle", "text", "text"}, 2, 1250},
    // The end of the text is never reached while the unit loops.
    {"UnitEndingAtTheLastPhraseLoops", 4, 5, 8,
     {"text", "comm", "text", "cycle", "instext"}, {"text", "text", "text", "cycle", "instext"}, 3, 3000},
};

class CycleTick : public WorkshopTest, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(CycleTick, LoopsTheUnit)
{
    const CycleCase& c = GetParam();
    open();
    workshop().TrackBar1->setPosition(c.unitFirst - 1);
    workshop().caaClick();
    workshop().TrackBar1->setPosition(c.unitLast - 1);
    workshop().caaClick();
    workshop().caaClick();
    ASSERT_EQ(workshop().cycling, 1);
    ticks(c.ticks);

    EXPECT_EQ(left(), c.left);
    EXPECT_EQ(right(), c.right);
    EXPECT_EQ(workshop().currentPhrase, c.currentPhrase);
    EXPECT_EQ(workshop().MediaPlayer1->position(), c.soundPosition);
    EXPECT_EQ(workshop().positionMs, c.soundPosition);
    EXPECT_TRUE(workshop().Timer1->enabled());
    EXPECT_EQ(workshop().MediaPlayer1->mode(), Media::Playing);
}

INSTANTIATE_TEST_SUITE_P(Workshop, CycleTick, ::testing::ValuesIn(cycleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Tick, LoopMovesTheSliderOnlyForwardUpToItsMaximum)
{
    open();
    workshop().TrackBar1->setPosition(1);
    workshop().caaClick();
    workshop().TrackBar1->setPosition(2);
    workshop().caaClick();
    workshop().caaClick();
    ticks(8);
    EXPECT_EQ(workshop().TrackBar1->position(), 4);
    EXPECT_FALSE(workshop().TrackBar1->isEnabled());
}

} // namespace
} // namespace workshoptest
