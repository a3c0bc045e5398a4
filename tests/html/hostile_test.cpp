// Pages built to break a browser: each loads, in bounded time and memory.

#include "viewfixture.h"

#include "platform/html/domparser.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// 300,000 nested spans (1.8 MB) crashed in gumbo's own teardown: beyond the
// nesting bound they stand beside each other, with all their text.
TEST(HostilePages, DeeplyNestedSpansParseWithTheirText)
{
    QString page = QStringLiteral("<html><body><div id=\"top\">");
    page += QStringLiteral("<span>x").repeated(300'000);
    page += QStringLiteral("</span>").repeated(300'000);
    page += QStringLiteral("</div><p id=\"after\">after</p></body></html>");
    const auto document = platform::parseHtml(page);
    ASSERT_TRUE(document->elementById(QStringLiteral("top")));
    EXPECT_EQ(document->elementById(QStringLiteral("top"))->textContent(), QString(300'000, u'x'));
    EXPECT_EQ(document->elementsByTag(QStringLiteral("span")).size(), 300'000u);
    const platform::DomNode* after = document->elementById(QStringLiteral("after"));
    ASSERT_TRUE(after);
    EXPECT_EQ(after->parent, document->body());
}

// Scripts and comments are not markup: tags inside them count for nothing.
TEST(HostilePages, TheNestingBoundSkipsScriptsAndComments)
{
    const QString page = QStringLiteral("<body><script>var s = '") + QStringLiteral("<div>").repeated(5000)
                         + QStringLiteral("';</SCRIPT><!-- ") + QStringLiteral("<div>").repeated(5000)
                         + QStringLiteral(" --><p id=\"p\">text</p></body>");
    const auto document = platform::parseHtml(page);
    ASSERT_TRUE(document->elementById(QStringLiteral("p")));
    EXPECT_EQ(document->elementsByTag(QStringLiteral("div")).size(), 0u);
}

// 20,000 pre-checked radios took 40 s to load: the last checked of each
// group wins, found in one pass.
TEST(HostilePages, ThousandsOfCheckedRadiosLoadQuickly)
{
    QString page = QStringLiteral("<body><form>");
    for (int i = 0; i < 20'000; ++i)
        page += QStringLiteral("<input type=radio name=q%1 id=r%2 checked>").arg(i % 2).arg(i);
    page += QStringLiteral("<input type=radio id=alone checked></form><input type=radio name=q0 id=outside checked>");
    const auto document = platform::parseHtml(page + QStringLiteral("</body>"));

    const std::vector<platform::DomNode*> inputs = document->elementsByTag(QStringLiteral("input"));
    const auto checked = std::count_if(inputs.begin(), inputs.end(), [](auto* n) { return n->liveChecked; });
    EXPECT_EQ(checked, 4);
    for (const char* id : {"r19998", "r19999", "alone", "outside"})
        EXPECT_TRUE(document->elementById(QString::fromLatin1(id))->liveChecked) << id;
}

// 20 tables nested in each other never finished laying out; the table tags
// of levels beyond 8 are left out and the innermost text is still shown.
TEST(HostilePages, DeeplyNestedTablesLayOut)
{
    QByteArray page = "<html><body>";
    page += QByteArray("<table><tr><td>").repeated(20) + "<span id=\"deep\">deep</span>"
            + QByteArray("</td></tr></table>").repeated(20);
    htmltest::PageFixture fixture(page + "</body></html>");
    fixture.view.show();
    EXPECT_FALSE(fixture.view.elementBox(QStringLiteral("deep")).isEmpty());
}

} // namespace

namespace {

// A lesson page of 200,000 phrases (17 MB) took 33 s and 2.5 GB to lay
// out; pages beyond 5 MB show the error page instead, saying why.
TEST(HostilePages, APageBeyondFiveMegabytesShowsTheErrorPage)
{
    QByteArray page = "<html><body><p>";
    for (int n = 1; n <= 200'000; ++n)
        page += "<a id=\"a" + QByteArray::number(n) + "\">" + QByteArray::number(n) + "</a> <span id=\"t"
                + QByteArray::number(n) + "\" class=\"text\">Phrase number " + QByteArray::number(n) + ".</span><br>\n";
    htmltest::PageFixture fixture(page + "</p></body></html>");
    fixture.view.show();
    const QString body = fixture.document.get("body").get("innerHTML").toText();
    EXPECT_TRUE(body.contains(QStringLiteral("The file is larger than 5 MB:"))) << body.toStdString();
    EXPECT_TRUE(body.contains(QStringLiteral("page.htm"))) << body.toStdString();
}

} // namespace
