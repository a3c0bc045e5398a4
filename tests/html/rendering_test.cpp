// What the view paints: grabbed offscreen and read back pixel by pixel.
#include "viewfixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

using htmltest::pixelsOf;

const QColor highlight(0xff, 0xe0, 0x8a);

QByteArray lessonPage(int phrases)
{
    QByteArray page = R"(<html><head><style>
body { font-size: 16px; }
.text { color: #000000; }
.instext { color: #000000; background-color: #ffe08a; }
</style></head><body><p>)";
    for (int n = 1; n <= phrases; ++n)
        page += "<a id=\"a" + QByteArray::number(n) + "\" href=\"#t" + QByteArray::number(n) + "\">" + QByteArray::number(n)
                + "</a> <span id=\"t" + QByteArray::number(n) + "\" class=\"text\">Phrase number "
                + QByteArray::number(n) + " of the lesson text.</span><br>\n";
    return page + "</p><input id=\"answer\" type=\"text\"></body></html>";
}

QImage grabViewport(platform::HtmlView& view)
{
    QCoreApplication::processEvents();
    return view.viewport()->grab().toImage();
}

QRect onScreen(const platform::HtmlView& view, const QString& id)
{
    return view.elementBox(id).translated(0, -view.scrollPosition());
}

TEST(Rendering, AHighlightedPhraseIsPaintedInThePagesHighlightColour)
{
    htmltest::PageFixture page(lessonPage(3));
    page.view.show();
    const QRect t2 = onScreen(page.view, "t2");
    ASSERT_FALSE(t2.isEmpty());
    EXPECT_EQ(pixelsOf(grabViewport(page.view), t2, highlight), 0);

    page.document.get("all").get("t2").set("className", "instext");
    const QImage highlighted = grabViewport(page.view);
    EXPECT_GT(pixelsOf(highlighted, t2, highlight), t2.width() * t2.height() / 2);
    EXPECT_EQ(pixelsOf(highlighted, onScreen(page.view, "t1"), highlight), 0);
    EXPECT_EQ(pixelsOf(highlighted, onScreen(page.view, "t3"), highlight), 0);

    page.document.get("all").get("t2").set("className", "text");
    EXPECT_EQ(pixelsOf(grabViewport(page.view), t2, highlight), 0);
}

// Counts the viewport's paint events that cover a rectangle.
class PaintCounter : public QObject {
public:
    PaintCounter(QWidget* viewport, QRect area) : m_area(area) { viewport->installEventFilter(this); }
    int covering = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && static_cast<QPaintEvent*>(event)->region().contains(m_area))
            ++covering;
        return false;
    }

private:
    QRect m_area;
};

TEST(Rendering, AClassChangeRepaintsItsPhraseAndRelaysOutWhenSizesChange)
{
    QByteArray html = lessonPage(3);
    html.replace("</style>", ".big { font-size: 40px; }</style>");
    htmltest::PageFixture page(html);
    page.view.show();
    QCoreApplication::processEvents();
    const QRect t2 = onScreen(page.view, "t2");
    const QRect t3 = onScreen(page.view, "t3");

    PaintCounter paints(page.view.viewport(), t2);
    page.document.get("all").get("t2").set("className", "instext");
    QCoreApplication::processEvents();
    EXPECT_GE(paints.covering, 1) << "the view repaints without being asked";
    EXPECT_EQ(onScreen(page.view, "t3"), t3) << "a colour change moves nothing";

    page.document.get("all").get("t2").set("className", "big");
    EXPECT_GT(onScreen(page.view, "t2").height(), t2.height());
    EXPECT_GT(onScreen(page.view, "t3").top(), t3.top()) << "a bigger font pushes the next line down";
}

// A bold highlight moves words within its block only; the page is laid
// out again where the block's height changes, and back when it changes back.
TEST(Rendering, ABoldHighlightMovesWhatFollowsOnlyWhenItsBlockGrows)
{
    htmltest::PageFixture page(R"(<html><head><style>
body { font-size: 16px; }
.instext { font-weight: bold; background-color: #ffe08a; }
.big { font-size: 40px; }
</style></head><body><table width="400" cellspacing="0">
<tr><td width="200">A left cell long enough to take three lines here</td><td><span id="t1" class="text">Short</span></td></tr>
<tr><td>Second</td><td><span id="t2" class="text">Phrase two</span></td></tr>
<tr><td>Third</td><td><span id="t3" class="text">Phrase three</span></td></tr>
</table><p><span id="t4" class="text">A paragraph phrase</span></p><p id="after">After</p></body></html>)");
    page.view.show();
    QCoreApplication::processEvents();
    const platform::Variant all = page.document.get("all");
    const QRect t1 = page.view.elementBox("t1"), t2 = page.view.elementBox("t2"), t3 = page.view.elementBox("t3");
    const QRect t4 = page.view.elementBox("t4"), after = page.view.elementBox("after");

    all.get("t1").set("className", "instext"); // in a cell stretched by its row
    all.get("t2").set("className", "instext");
    all.get("t4").set("className", "instext");
    EXPECT_EQ(page.view.fontOf("t2").weight(), QFont::Bold);
    EXPECT_GT(page.view.elementBox("t2").width(), t2.width());
    EXPECT_EQ(page.view.elementBox("t1").top(), t1.top()) << "kept in the middle of its row";
    EXPECT_EQ(page.view.elementBox("t3"), t3);
    EXPECT_EQ(page.view.elementBox("after"), after);
    EXPECT_GT(pixelsOf(grabViewport(page.view), page.view.elementBox("t2"), highlight), 0);
    const QRect boldT1 = page.view.elementBox("t1"), boldT2 = page.view.elementBox("t2");
    const QRect boldT4 = page.view.elementBox("t4");
    page.view.resize(600, 480); // laid out whole, as a reference
    page.view.resize(640, 480);
    QCoreApplication::processEvents();
    EXPECT_EQ(page.view.elementBox("t1"), boldT1);
    EXPECT_EQ(page.view.elementBox("t2"), boldT2);
    EXPECT_EQ(page.view.elementBox("t4"), boldT4);

    all.get("t2").set("className", "big");
    EXPECT_GT(page.view.elementBox("t3").top(), t3.top());
    EXPECT_GT(page.view.elementBox("after").top(), after.top());
    all.get("t2").set("className", "text");
    all.get("t1").set("className", "text");
    all.get("t4").set("className", "text");
    EXPECT_EQ(page.view.elementBox("t1"), t1);
    EXPECT_EQ(page.view.elementBox("t2"), t2);
    EXPECT_EQ(page.view.elementBox("t3"), t3);
    EXPECT_EQ(page.view.elementBox("t4"), t4);
    EXPECT_EQ(page.view.elementBox("after"), after);
}

// Only the rows in the repainted area are drawn: those scrolled into view are.
TEST(Rendering, TableRowsScrolledIntoViewAreDrawn)
{
    QByteArray html = "<html><body><table>";
    for (int n = 1; n <= 300; ++n)
        html += "<tr><td>" + QByteArray::number(n) + "</td><td id=\"t" + QByteArray::number(n)
                + "\" style=\"background-color: #ffe08a\">Row</td></tr>";
    htmltest::PageFixture page(html + "</table></body></html>");
    page.view.show();
    for (const int n : {1, 150, 299}) {
        page.view.verticalScrollBar()->setValue(page.view.elementBox("t" + QString::number(n)).top() - 40);
        const QImage image = grabViewport(page.view);
        for (const int shown : {n, n + 1}) {
            const QRect cell = onScreen(page.view, "t" + QString::number(shown));
            EXPECT_GT(pixelsOf(image, cell, highlight), cell.width() * cell.height() / 3) << shown;
        }
    }
}

TEST(Rendering, RestylingKeepsTheScrollPositionAndTypedText)
{
    htmltest::PageFixture page(lessonPage(200));
    page.view.show();
    QCoreApplication::processEvents();
    auto* edit = page.view.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText("typed");
    emit edit->textEdited("typed");
    page.view.verticalScrollBar()->setValue(1500);

    const QString shown = "t85"; // on screen at that position
    page.document.get("all").get(shown).set("className", "instext");
    EXPECT_EQ(page.view.scrollPosition(), 1500);
    EXPECT_EQ(edit->text(), "typed");
    EXPECT_EQ(page.document.get("all").get("answer").get("value").toText(), "typed");
    EXPECT_GT(pixelsOf(grabViewport(page.view), onScreen(page.view, shown), highlight), 0);
}

// A reveal anchor's click brings its phrase into view, as fragment navigation does.
TEST(Rendering, AnchorClicksScrollTheirTargetIntoView)
{
    QByteArray page = lessonPage(150);
    page.replace("</p><input", "</p><p><a id=\"toname\" href=\"#end\">end</a></p><a name=\"end\"></a><p id=\"last\">Last</p><input");
    htmltest::PageFixture fixture(page);
    fixture.view.show();
    QCoreApplication::processEvents();
    const platform::Variant all = fixture.document.get("all");
    const int viewportHeight = fixture.view.viewport()->height();

    for (const int n : {120, 40, 150, 1}) {
        all.get("a" + QString::number(n)).call("Click");
        const QRect target = onScreen(fixture.view, "t" + QString::number(n));
        EXPECT_GE(target.top(), 0) << n;
        EXPECT_LE(target.bottom(), viewportHeight) << n;
    }
    EXPECT_LE(fixture.view.scrollPosition(), fixture.view.elementBox("t1").top()) << "back at the top";

    all.get("toname").call("Click"); // target found by <a name>
    const QRect last = onScreen(fixture.view, "last");
    EXPECT_GE(last.top(), 0);
    EXPECT_LE(last.bottom(), viewportHeight);
    EXPECT_GT(fixture.view.scrollPosition(), 0);
}

// The windows highlight and reveal on DocumentComplete, before the page was
// ever laid out or painted: what they did must show once it is.
TEST(Rendering, WorkDoneOnCompletionShowsInTheFirstPaint)
{
    testsupport::TempCourse course;
    course.write("page.htm", lessonPage(150));
    platform::HtmlView view;
    view.resize(640, 480);
    view.show();
    QRect boxOnCompletion;
    QObject::connect(&view, &platform::HtmlView::DocumentComplete, [&] {
        const platform::Variant all = view.Document().get("all");
        all.get("t120").set("className", "instext");
        all.get("a120").call("Click");
        boxOnCompletion = view.elementBox("t120");
    });
    ASSERT_EQ(htmltest::loadInto(view, course.root() + "/page.htm"), 1);

    const QRect target = onScreen(view, "t120");
    EXPECT_FALSE(boxOnCompletion.isEmpty());
    EXPECT_EQ(view.elementBox("t120"), boxOnCompletion);
    EXPECT_GT(view.scrollPosition(), 0);
    EXPECT_GE(target.top(), 0);
    EXPECT_LE(target.bottom(), view.viewport()->height());
    EXPECT_GT(pixelsOf(grabViewport(view), target, highlight), target.width() * target.height() / 2);
}

// The vertical scroll bar comes with a long page and narrows the viewport;
// either way, and after a resize, the page is laid out for the width it is
// shown in.
TEST(Rendering, PagesAreLaidOutForTheWidthLeftBesideTheScrollBar)
{
    for (const int spacer : {0, 3000}) {
        htmltest::PageFixture page("<body style=\"margin: 0\"><div id=\"full\">x</div><div style=\"height: "
                                   + QByteArray::number(spacer) + "px\"></div></body>");
        page.view.show();
        for (const int width : {640, 500}) {
            page.view.resize(width, 480);
            QCoreApplication::processEvents();
            EXPECT_EQ(page.view.verticalScrollBar()->isVisible(), spacer > 0) << spacer;
            EXPECT_EQ(page.view.elementBox("full").width(), page.view.viewport()->width()) << spacer << " " << width;
        }
    }
}

// A phrase's padding belongs to its two ends: the words of a bold (or
// otherwise nested) phrase inside a padded span are spaced like any others.
TEST(Rendering, ANestedPhraseInAPaddedSpanIsSpacedLikePlainText)
{
    htmltest::PageFixture page(R"(<html><head><style>
body { font-family: "DejaVu Sans"; font-size: 15px; line-height: 1.5; }
.text { padding: 1px 3px; }
</style></head><body>
<p><span id="bare" style="font-weight: bold">Tell about your ordinary day.</span></p>
<p><span id="padded" class="text" style="font-weight: bold">Tell about your ordinary day.</span></p>
<p><span id="bold" class="text"><b>Tell about your ordinary day.</b></span></p>
<p><span id="deep" class="text"><i style="font-style: normal"><b>Tell about your ordinary day.</b></i></span></p>
<p><span id="framed" class="text"><span style="border: 2px solid"><b>Tell about your ordinary day.</b></span></span></p>
</body></html>)");
    const int bare = page.view.elementBox("bare").width();
    ASSERT_GT(bare, 0);
    EXPECT_EQ(page.view.elementBox("padded").width(), bare + 6);
    EXPECT_EQ(page.view.elementBox("bold").width(), bare + 6);
    EXPECT_EQ(page.view.elementBox("deep").width(), bare + 6);
    EXPECT_EQ(page.view.elementBox("framed").width(), bare + 6 + 4);
}

} // namespace
