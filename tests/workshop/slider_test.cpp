// Choosing a phrase on the slider while nothing plays.
#include "workshopfixture.h"

namespace workshoptest {
namespace {

struct SliderCase {
    const char* name;
    QList<int> positions;
    QList<int> highlighted;
    int positionMs;
};

void PrintTo(const SliderCase& c, std::ostream* os)
{
    *os << c.name;
}

// On five phrases; no element outside "t1" to "t5" exists, so touching one
// would fail.
const SliderCase sliderCases[] = {
    {"ToAPhrase", {2}, {3}, 3000},
    {"BackToZero", {2, 0}, {1}, 1000},
    {"ToTheMaximum", {4}, {5}, 5000},
    {"OneAwayRestoresThePhraseBefore", {3, 2}, {3}, 3000},
    {"OneAwayTheOtherWay", {1, 2}, {3}, 3000},
};

class SliderChoice : public WorkshopTest, public ::testing::WithParamInterface<SliderCase> {};

TEST_P(SliderChoice, HighlightsThePhraseOnBothPagesAndSeeksToItsEnd)
{
    const SliderCase& c = GetParam();
    open(fiveMarks, QStringList(5, "text"), QStringList(5, "text"));
    for (int position : c.positions)
        workshop().TrackBar1->setPosition(position);

    EXPECT_EQ(highlightedLeft(), c.highlighted);
    EXPECT_EQ(highlightedRight(), c.highlighted);
    EXPECT_EQ(workshop().currentPhrase, c.highlighted[0]);
    EXPECT_EQ(workshop().lastSelectedPhrase, c.highlighted[0]);
    EXPECT_EQ(workshop().positionMs, c.positionMs);
    EXPECT_EQ(workshop().MediaPlayer1->position(), c.positionMs);
    EXPECT_EQ(workshop().MediaPlayer1->mode(), platform::MediaPlayer::Mode::Stopped);
}

INSTANTIATE_TEST_SUITE_P(Workshop, SliderChoice, ::testing::ValuesIn(sliderCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Slider = WorkshopTest;

// The left page keeps the phrase's kind; the right page shows any chosen
// phrase as an ordinary one and gives it back as "text".
TEST_F(Slider, SecondKindOnTheRightPageShownAsOrdinary)
{
    open();
    workshop().TrackBar1->setPosition(1);
    EXPECT_EQ(left()[1], "inscomm");
    EXPECT_EQ(right()[1], "instext");
    workshop().TrackBar1->setPosition(2);
    EXPECT_EQ(left()[1], "comm");
    EXPECT_EQ(right()[1], "text");
}

TEST_F(Slider, WhilePlayingItOnlyTakesTheDocuments)
{
    open();
    workshop().m11Click();
    workshop().leftDocument = {};
    workshop().rightDocument = {};
    workshop().TrackBar1->setPosition(3);
    EXPECT_FALSE(workshop().leftDocument.isEmpty());
    EXPECT_FALSE(workshop().rightDocument.isEmpty());
    EXPECT_EQ(workshop().currentPhrase, 1);
    EXPECT_EQ(highlightedLeft(), QList<int>{1});
}

} // namespace
} // namespace workshoptest
