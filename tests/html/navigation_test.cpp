// Navigate returns at once; the page loads from the event loop.
#include "viewfixture.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

TEST(Navigation, CompletesFromTheEventLoopOncePerDocument)
{
    testsupport::TempCourse course;
    course.write("data/text/one.htm", "<p id=\"t1\">one</p>");
    platform::HtmlView view;
    int completions = 0;
    QObject::connect(&view, &platform::HtmlView::DocumentComplete, [&] { ++completions; });

    view.Navigate(course.root() + "\\data\\text\\one.htm");
    EXPECT_EQ(completions, 0) << "never inside Navigate";
    EXPECT_EQ(view.LocationURL(), course.root() + "\\data\\text\\one.htm");
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(view.Document().get("all").get("t1").get("innerHTML").toText(), "one");
}

TEST(Navigation, ALaterNavigateReplacesAPendingOne)
{
    testsupport::TempCourse course;
    course.write("one.htm", "<p id=\"t1\">one</p>");
    course.write("two.htm", "<p id=\"t1\">two</p>");
    platform::HtmlView view;
    view.Navigate(course.root() + "/one.htm");
    EXPECT_EQ(htmltest::loadInto(view, course.root() + "/two.htm"), 1);
    EXPECT_EQ(view.Document().get("all").get("t1").get("innerHTML").toText(), "two");
}

TEST(Navigation, PathsAreFoundWithoutRegardToLetterCase)
{
    testsupport::TempCourse course;
    course.write("Data/Text/Lesson1.HTM", "<p id=\"t1\">found</p>");
    platform::HtmlView view;
    htmltest::loadInto(view, course.root() + "\\data\\text\\lesson1.htm");
    EXPECT_EQ(view.Document().get("all").get("t1").get("innerHTML").toText(), "found");
}

TEST(Navigation, MissingOrRemotePagesShowTheViewsErrorPage)
{
    testsupport::TempCourse course;
    const QString addresses[] = {course.root() + "\\data\\text\\missing.htm", "http://example.com/t.htm",
                                 "ftp://example.com/t.htm"};
    for (const QString& address : addresses) {
        platform::HtmlView view;
        EXPECT_EQ(htmltest::loadInto(view, address), 1) << address.toStdString();
        const platform::Variant document = view.Document();
        ASSERT_FALSE(document.isEmpty());
        EXPECT_TRUE(document.get("all").get("t1").isEmpty());
        EXPECT_TRUE(document.get("body").get("innerHTML").toText().contains("cannot be displayed"));
    }
}

TEST(Navigation, MalformedPagesStillGiveADocument)
{
    htmltest::PageFixture page("<table><tr><td id=t1>cell<p><b><i>unclosed</table><span id=t2 class=\"text\"></div>");
    EXPECT_EQ(page.document.get("all").get("t1").get("tagName").toText(), "TD");
    EXPECT_EQ(page.document.get("all").get("t2").get("className").toText(), "text");
}

// Unclosed blocks nest without end; the view must not run out of stack.
TEST(Navigation, AVeryDeeplyNestedPageLoadsRestylesAndPaints)
{
    QByteArray html = "<html><body>";
    for (int i = 0; i < 20000; ++i)
        html += "<div>";
    htmltest::PageFixture page(html + "<span id=t1 class=text>deep</span>");
    page.view.show();
    page.document.get("all").get("t1").set("className", "instext");
    EXPECT_FALSE(page.view.grab().isNull());
    EXPECT_TRUE(page.document.get("body").get("innerHTML").toText().contains("deep"));
}

} // namespace
