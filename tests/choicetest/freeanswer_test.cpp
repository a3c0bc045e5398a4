// Free answer mode: the page as the learner filled it in, saved under a
// chosen name by Check or at the time-out.
#include "testfixture.h"

#include "choicetest/answersfile.h"
#include "platform/error.h"
#include "platform/path.h"

namespace choicetest {
namespace {

const QByteArray answerPage = testPage("<input type=\"text\" name=\"town\" id=\"town\">"
                                       "<input type=\"checkbox\" name=\"agree\" id=\"agree\">"
                                       "<textarea name=\"story\" id=\"story\"></textarea>");

class FreeAnswer : public ChoiceTest {
protected:
    // Shows the page and fills it in as a learner would.
    void fillIn(int secondsLeft = 60)
    {
        showPage(answerPage, QStringLiteral("txt"), secondsLeft);
        element("town").set(QStringLiteral("value"), QString::fromUtf8("Тверь"));
        element("agree").call(QStringLiteral("click"));
        element("story").set(QStringLiteral("value"), QStringLiteral("I live near <the> river."));
    }
    QString target() const { return course.root() + QStringLiteral("\\answers.htm"); }
};

TEST_F(FreeAnswer, CheckSavesWhatTheLearnerTypedAndCloses)
{
    fillIn();
    desktop.saveAnswers.push_back(target());
    test().m33Click();

    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].defaultExt, ".htm");
    EXPECT_EQ(desktop.saveRequests[0].filter, "HTML|*.htm");
    const QByteArray saved = course.read(QStringLiteral("answers.htm"));
    // One line: the head and the body, without the root element's tags.
    EXPECT_TRUE(saved.startsWith("<head><meta")) << saved.constData();
    EXPECT_TRUE(saved.endsWith("</form></body>\r\n")) << saved.constData();
    EXPECT_EQ(saved.count("\r\n"), 1);
    EXPECT_TRUE(saved.contains("value=\"\xD2\xE2\xE5\xF0\xFC\"")) << "typed in Windows-1251";
    EXPECT_TRUE(saved.contains("id=\"agree\" checked")) << saved.constData();
    EXPECT_TRUE(saved.contains(">I live near &lt;the&gt; river.</textarea>")) << saved.constData();
    EXPECT_FALSE(test().isVisible());
    EXPECT_FALSE(test().Timer1->enabled());
}

TEST_F(FreeAnswer, TimeOutSaves)
{
    fillIn(1);
    desktop.saveAnswers.push_back(target());
    test().Timer1Timer();
    EXPECT_TRUE(course.read(QStringLiteral("answers.htm")).contains("\xD2\xE2\xE5\xF0\xFC"));
    EXPECT_FALSE(test().isVisible());
    EXPECT_FALSE(test().Timer1->enabled());
}

TEST_F(FreeAnswer, CancelWritesNothingAndCloses)
{
    fillIn();
    desktop.saveAnswers.push_back(std::nullopt);
    test().m33Click();
    EXPECT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_FALSE(course.exists(QStringLiteral("answers.htm")));
    EXPECT_FALSE(test().isVisible());
}

TEST_F(FreeAnswer, AnUnwritableFileIsReportedAndTheTestStaysOpen)
{
    fillIn();
    const QString folderInTheWay = course.root() + QStringLiteral("\\taken.htm");
    course.write(QStringLiteral("taken.htm/inside"), "x");
    desktop.saveAnswers.push_back(folderInTheWay);
    try {
        test().m33Click();
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message(), "Cannot create file " + platform::nativePath(folderInTheWay));
    }
    EXPECT_TRUE(test().isVisible());
    // The answers are still there to save again.
    desktop.saveAnswers.push_back(target());
    test().m33Click();
    EXPECT_TRUE(course.read(QStringLiteral("answers.htm")).contains("river"));
}

// A lesson without a time limit counts below zero: its answers can still be
// saved when the learner is done.
TEST_F(FreeAnswer, WithoutATimeLimitCheckSavesAtAnyTime)
{
    fillIn(0);
    for (int i = 0; i < 5; ++i)
        test().Timer1Timer();
    EXPECT_EQ(test().secondsLeft, -5);
    EXPECT_TRUE(desktop.saveRequests.empty());
    desktop.saveAnswers.push_back(target());
    test().m33Click();
    EXPECT_TRUE(course.exists(QStringLiteral("answers.htm")));
    EXPECT_FALSE(test().isVisible());
}

TEST_F(FreeAnswer, TheCloseBoxStopsTheCountdown)
{
    fillIn(1);
    test().close();
    EXPECT_FALSE(test().Timer1->enabled());
    EXPECT_TRUE(desktop.saveRequests.empty());
}

TEST(AnswersFile, WrittenInThePagesCharset)
{
    const QString text = QString::fromUtf8("Да é €");
    struct Case {
        const char* charset;
        QByteArray bytes;
    };
    const Case cases[] = {
        // é is not in Windows-1251: a character reference shows it all the same.
        {"windows-1251", "\xC4\xE0 &#233; \x88\r\n"},
        {"utf-8", "\xEF\xBB\xBF" + text.toUtf8() + "\r\n"},
        {"iso-8859-1", "&#1044;&#1072; \xE9 &#8364;\r\n"},
        {"x-no-such", "\xC4\xE0 &#233; \x88\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(encodeAnswers(text, c.charset), c.bytes) << c.charset;
    // Characters beyond the 16-bit range stay whole.
    EXPECT_EQ(encodeAnswers(QString::fromUtf8("😀"), "windows-1251"), "&#128512;\r\n");
}

} // namespace
} // namespace choicetest
