// Grading of a choice page, the results box and the countdown in graded
// mode, on real pages through the HTML view.
#include "testfixture.h"

#include "platform/error.h"

namespace choicetest {
namespace {

// Option n with its mark element fn; no name when name is null.
QByteArray option(int n, const char* name, const char* rtype, bool checked = false)
{
    QByteArray html = "<input type=\"checkbox\" id=\"q" + QByteArray::number(n) + "\"";
    if (name)
        html += " name=\"" + QByteArray(name) + "\"";
    if (rtype)
        html += " rtype=\"" + QByteArray(rtype) + "\"";
    if (checked)
        html += " checked";
    return html + "><span id=\"f" + QByteArray::number(n) + "\" class=\"opt\">" + QByteArray::number(n) + "</span>";
}

QByteArray radio(int n, const char* name, const char* rtype)
{
    return option(n, name, rtype).replace("checkbox", "radio");
}

struct GradeCase {
    const char* what;
    QByteArray body;
    QStringList clicks; // options the learner clicks in the page
    const char* result;
    QStringList marks;
};

class Grading : public ChoiceTest, public ::testing::WithParamInterface<GradeCase> {};

TEST_P(Grading, CountsQuestionsAndMarksWrongChoices)
{
    const GradeCase& c = GetParam();
    showPage(testPage(c.body), QStringLiteral("multi"), 40);
    for (const QString& id : c.clicks)
        element(id).call(QStringLiteral("click"));

    test().m33Click();

    EXPECT_EQ(results(), QStringList{c.result});
    EXPECT_EQ(markClasses(int(c.marks.size())), c.marks);
    EXPECT_FALSE(test().Timer1->enabled());
    EXPECT_TRUE(test().isVisible());
}

const GradeCase gradeCases[] = {
    {"NoFirstOption", "<input type=\"checkbox\" id=\"x1\" rtype=\"0\" checked><span id=\"f1\" class=\"opt\"></span>",
     {}, "All correct", {"opt"}},
    {"OneQuestionTwoFaultsCountedOnce", radio(1, "a", "1") + radio(2, "a", "0") + radio(3, "a", "0"), {"q2"},
     "Number of errors: 1", {"opt", "instext", "opt"}},
    {"ThreeFaultsOverTwoQuestions",
     option(1, "a", "1") + option(2, "a", "0", true) + option(3, "b", "1") + option(4, "b", "1", true), {},
     "Number of errors: 2", {"opt", "instext", "opt", "opt"}},
    // Marked all the same: the mark does not depend on the count.
    {"UnnamedFaultBeforeAnyError", option(1, nullptr, "1") + option(2, nullptr, "0", true), {}, "All correct",
     {"opt", "instext"}},
    {"InterleavedNamesCountAgain", option(1, "a", "1") + option(2, "b", "1") + option(3, "a", "0", true), {},
     "Number of errors: 3", {"opt", "opt", "instext"}},
    {"RightOptionsChosen", option(1, "a", "1", true) + option(2, "a", "0") + option(3, "b", "0"), {}, "All correct",
     {"opt", "opt", "opt"}},
    {"OtherRtypeAndAGapCountNothing",
     option(1, "a", "2", true) + "<span id=\"f2\" class=\"opt\"></span>" + option(3, "b", "0", true), {},
     "All correct", {"opt", "opt", "opt"}},
};

INSTANTIATE_TEST_SUITE_P(Pages, Grading, ::testing::ValuesIn(gradeCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(ChoiceTest, AnAutomationFailureStopsTheCheckWithoutResults)
{
    const std::pair<const char*, QByteArray> pages[] = {
        {"option without rtype", option(1, "a", "1", true) + option(2, "a", nullptr)},
        {"wrong choice without its mark", option(1, "a", "0", true).replace("id=\"f1\"", "id=\"g1\"")},
    };
    for (const auto& [what, body] : pages) {
        showPage(testPage(body), QStringLiteral("multi"), 40);
        EXPECT_THROW(test().m33Click(), platform::Error) << what;
        EXPECT_FALSE(test().Timer1->enabled()) << what;
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ChoiceTest, TimeOutGradesWithOneMoreForATestWithErrors)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {option(1, "a", "1", true) + option(2, "a", "0"), "All correct"},
        {option(1, "a", "1") + option(2, "b", "0", true), "Number of errors: 3"},
    };
    for (const auto& [body, result] : cases) {
        desktop.messages.clear();
        showPage(testPage(body), QStringLiteral("multi"), 2);
        test().Timer1Timer();
        EXPECT_EQ(test().Label1->text(), "Time countdown: 1 seconds");
        EXPECT_TRUE(desktop.messages.empty());
        test().Timer1Timer();
        EXPECT_EQ(test().Label1->text(), "Time countdown: 0 seconds");
        EXPECT_FALSE(test().Timer1->enabled());
        EXPECT_EQ(results(), QStringList{result});
        EXPECT_TRUE(test().isVisible());
    }
}

TEST_F(ChoiceTest, CheckStopsTheCountdownAndRunResumesIt)
{
    showPage(testPage(option(1, "a", "1")), QStringLiteral("multi"), 40);
    test().m33Click();
    EXPECT_FALSE(test().Timer1->enabled());
    EXPECT_EQ(test().secondsLeft, 40);
    test().m11Click();
    EXPECT_TRUE(test().Timer1->enabled());
    test().Timer1Timer();
    EXPECT_EQ(test().secondsLeft, 39);

    test().secondsLeft = 1;
    test().Timer1Timer();
    ASSERT_FALSE(test().Timer1->enabled());
    test().m11Click();
    EXPECT_FALSE(test().Timer1->enabled());
    EXPECT_EQ(results(), (QStringList{"Number of errors: 1", "Number of errors: 2"}));
}

TEST_F(ChoiceTest, WithoutATimeLimitTheCountdownNeverTimesOut)
{
    showPage(testPage(option(1, "a", "1")), QStringLiteral("multi"), 0);
    for (int i = 0; i < 3; ++i)
        test().Timer1Timer();
    EXPECT_EQ(test().secondsLeft, -3);
    EXPECT_EQ(test().Label1->text(), "Time countdown: -3 seconds");
    EXPECT_TRUE(test().Timer1->enabled());
    EXPECT_TRUE(desktop.messages.empty());
    test().m33Click();
    EXPECT_EQ(results(), QStringList{"Number of errors: 1"});
}

} // namespace
} // namespace choicetest
