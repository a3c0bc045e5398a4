// Course pages written for the browsers of the early 2000s: <font> tags,
// presentational attributes in upper case, table layouts. Each page is
// checked by the style or the boxes of the elements involved, and written
// as a screenshot to the test output for a person to look at.
#include "viewfixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using htmltest::pixelsOf;

// Shown in the test's output folder (the build's tests/html) under legacy-*.png.
void screenshot(platform::HtmlView& view, const char* name)
{
    view.show();
    QCoreApplication::processEvents();
    view.viewport()->grab().save(QDir::current().filePath(QStringLiteral("legacy-%1.png").arg(name)));
}

QByteArray legacyPage(const QByteArray& body)
{
    return "<HTML><HEAD><META http-equiv=Content-Type content=\"text/html\"></HEAD>" + body + "</HTML>";
}

TEST(LegacyPages, ClassicWindowsFamiliesGetTheirInstalledLookAlikes)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY>
<P id=plain>Default text</P>
<P><FONT face="Arial" id=arial>Arial text</FONT></P>
<P style="font-family: Verdana" id=verdana>Verdana text</P>
<P style="font-family: Tahoma, sans-serif" id=tahoma>Tahoma text</P>
<P style="font-family: 'Courier New'" id=courier>Courier text</P>
<P style="font-family: 'Times New Roman', serif" id=times>Times text</P>
<P style="font-family: Helvetica" id=helvetica>Helvetica text</P>
<P style="font-family: NoSuchFace, sans-serif" id=generic>Generic sans</P>
<P style="font-family: 'Comic Sans MS'" id=unknown>Comic text</P>
<P><FONT face="Arial" size=4 id=russian>)" + QByteArray("\xd0\xf3\xf1\xf1\xea\xe8\xe9 \xf2\xe5\xea\xf1\xf2") // Windows-1251
                                   + R"(</FONT></P>
</BODY>)"));
    const struct {
        const char* id;
        const char* family;
    } cases[] = {
        {"plain", "Liberation Serif"},   {"arial", "Liberation Sans"},       {"verdana", "DejaVu Sans"},
        {"tahoma", "DejaVu Sans Condensed"},     {"courier", "Liberation Mono"},     {"times", "Liberation Serif"},
        {"helvetica", "Liberation Sans"}, {"generic", "Liberation Sans"},  {"russian", "Liberation Sans"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QFontInfo(page.view.fontOf(c.id)).family(), c.family) << c.id;
    const QString unknown = QFontInfo(page.view.fontOf("unknown")).family();
    EXPECT_FALSE(unknown.contains("Serif")) << "fontconfig's default sans face, not a serif: " << unknown.toStdString();
    screenshot(page.view, "fonts");
}

TEST(LegacyPages, FontSizesFollowTheClassicTable)
{
    QByteArray body = "<BODY>";
    for (const char* size : {"1", "2", "3", "4", "5", "6", "7", "9", "+1", "+2", "+4", "-1", "-2", "-3"})
        body += QByteArray("<FONT size=\"") + size + "\" id=\"s" + size + "\">Size " + size + "</FONT><BR>";
    body += "<FONT size=5><FONT size=+1 id=nested>relative to 3, not to 5</FONT></FONT></BODY>";
    htmltest::PageFixture page(legacyPage(body));
    const struct {
        const char* size;
        int pixels;
    } cases[] = {{"1", 10},  {"2", 13},  {"3", 16},  {"4", 18},  {"5", 24},  {"6", 32}, {"7", 48},
                 {"9", 48},  {"+1", 18}, {"+2", 24}, {"+4", 48}, {"-1", 13}, {"-2", 10}, {"-3", 10}};
    for (const auto& c : cases)
        EXPECT_EQ(page.view.fontOf(QStringLiteral("s") + c.size).pixelSize(), c.pixels) << c.size;
    EXPECT_EQ(page.view.fontOf("nested").pixelSize(), 18);
    screenshot(page.view, "font-sizes");
}

TEST(LegacyPages, EnumeratedAttributesMatchInAnyCase)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY leftMargin=0 topMargin=0>
<P ALIGN="CENTER" id=centred><SPAN id=word>Word</SPAN></P>
<DIV Align="Right"><SPAN id=right>Right</SPAN></DIV>
<TABLE WIDTH=300><TR><TD id=cell HEIGHT=100 VALIGN="TOP"><SPAN id=top>Top</SPAN></TD></TR></TABLE>
<INPUT TYPE="HIDDEN" id=hidden value=x>
</BODY>)"));
    EXPECT_EQ(page.view.styleOf("centred", "text-align"), "center");
    const int width = page.view.viewport()->width() - 8; // the body's right margin is left as it was
    const QRect word = page.view.elementBox("word");
    EXPECT_NEAR(word.center().x(), width / 2, 2);
    EXPECT_NEAR(page.view.elementBox("right").right(), width - 1, 2);
    EXPECT_LE(page.view.elementBox("top").top() - page.view.elementBox("cell").top(), 3);
    EXPECT_TRUE(page.view.elementBox("hidden").isEmpty());
}

TEST(LegacyPages, TableAttributesDrawGridsOnlyWhereAsked)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY>
<TABLE id=plain border=0 cellpadding=10 cellspacing=0><TR><TD id=padded>No grid</TD><TD>here</TD></TR></TABLE>
<TABLE id=grid BORDER=3 CELLSPACING=5><TR><TD id=gridcell>A grid</TD><TD>here</TD></TR></TABLE>
<TABLE id=sized WIDTH=400><TR><TD id=fixed WIDTH=100>Fixed</TD><TD BGCOLOR="#00FF00" id=green>Rest</TD></TR></TABLE>
<TABLE id=half width="50%"><TR><TD>Half</TD></TR></TABLE>
<CENTER><TABLE id=centred border=1><TR><TD>Centred</TD></TR></TABLE></CENTER>
<DIV align=center><TABLE id=divcentred><TR><TD>Centred too</TD></TR></TABLE></DIV>
</BODY>)"));
    screenshot(page.view, "tables");
    page.view.show();
    QCoreApplication::processEvents();
    const QImage image = page.view.viewport()->grab().toImage();
    const QColor grey(0x80, 0x80, 0x80);
    EXPECT_EQ(pixelsOf(image, page.view.elementBox("plain"), grey), 0) << "border=0 draws no grid";
    EXPECT_GT(pixelsOf(image, page.view.elementBox("grid"), grey), 0);

    const QRect padded = page.view.elementBox("padded");
    EXPECT_EQ(padded.left(), page.view.elementBox("plain").left()) << "cellspacing=0";
    EXPECT_GE(padded.height(), QFontInfo(page.view.fontOf("padded")).pixelSize() + 20) << "cellpadding";
    const QRect grid = page.view.elementBox("grid");
    EXPECT_EQ(page.view.elementBox("gridcell").left() - grid.left(), 3 + 5) << "border and cellspacing";

    EXPECT_EQ(page.view.elementBox("sized").width(), 400);
    EXPECT_EQ(page.view.elementBox("fixed").width(), 100);
    EXPECT_GT(pixelsOf(image, page.view.elementBox("green"), QColor(0, 255, 0)), 0);
    const int body = page.view.viewport()->width() - 16;
    EXPECT_NEAR(page.view.elementBox("half").width(), body / 2, 1);

    const int middle = page.view.viewport()->width() / 2;
    EXPECT_NEAR(page.view.elementBox("centred").center().x(), middle, 2);
    EXPECT_NEAR(page.view.elementBox("divcentred").center().x(), middle, 2);
}

TEST(LegacyPages, BodyAttributesSetColoursAndMargins)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY bgColor=#FFFFCC text="#000080" link=#800000 leftmargin=0 topmargin=0>
<P id=first style="margin-top: 0">Text <A href="other.htm" id=link>a link</A></P>
</BODY>)"));
    screenshot(page.view, "body");
    EXPECT_EQ(page.view.elementBox("first").topLeft(), QPoint(0, 0));
    EXPECT_EQ(page.view.styleOf("first", "color"), "#000080");
    EXPECT_EQ(page.view.styleOf("link", "color"), "#800000");
    page.view.show();
    QCoreApplication::processEvents();
    const QImage image = page.view.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 20, image.height() - 20), QColor(0xff, 0xff, 0xcc));
}

TEST(LegacyPages, ImagesFloatAndKeepTheirSpace)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY leftmargin=0 topmargin=0>
<P style="margin: 0"><IMG src="pic.png" ALIGN=LEFT hspace=10 vspace=5 border=2 id=left>
<SPAN id=beside>Text beside the picture</SPAN></P>
<P style="clear: both"><IMG src="pic.png" align=right id=right></P>
</BODY>)"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(page.course.root() + "/pic.png");
    htmltest::loadInto(page.view, page.course.root() + "/page.htm");
    screenshot(page.view, "images");

    EXPECT_EQ(page.view.styleOf("left", "float"), "left");
    const QRect left = page.view.elementBox("left");
    EXPECT_EQ(left.size(), QSize(40 + 4, 30 + 4)) << "the border around the picture";
    EXPECT_EQ(left.topLeft(), QPoint(10, 5)) << "hspace and vspace";
    EXPECT_GE(page.view.elementBox("beside").left(), left.right() + 10) << "text flows beside the float";
    EXPECT_LT(page.view.elementBox("beside").top(), left.bottom());
    EXPECT_EQ(page.view.elementBox("right").right(), page.view.viewport()->width() - 1 - 8);
}

// A picture drawn larger than it is, at two sizes on one page.
TEST(LegacyPages, PicturesDrawnAtTheirGivenSizes)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY>
<IMG src="dot.png" width=60 height=40 id=first><IMG src="dot.png" width=30 height=80 id=second>
</BODY>)"));
    QImage dot(2, 2, QImage::Format_RGB32);
    dot.fill(QColor(0, 0, 255));
    dot.save(page.course.root() + "/dot.png");
    htmltest::loadInto(page.view, page.course.root() + "/page.htm");
    page.view.show();
    for (int paint = 0; paint < 2; ++paint) {
        QCoreApplication::processEvents();
        const QImage image = page.view.viewport()->grab().toImage();
        for (const char* id : {"first", "second"}) {
            const QRect box = page.view.elementBox(id);
            EXPECT_EQ(pixelsOf(image, box, QColor(0, 0, 255)), box.width() * box.height()) << id;
        }
        page.view.viewport()->update();
    }
}

TEST(LegacyPages, RulesAndSmallPrint)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY>
<HR id=rule width="50%" size=6 noshade>
<P>x<SUP id=sup>2</SUP> and <SMALL id=small>small</SMALL> and <BIG id=big>big</BIG> <SPAN id=normal>text</SPAN></P>
<P align=JUSTIFY id=justified>Justified text</P>
</BODY>)"));
    screenshot(page.view, "rules");
    const QRect rule = page.view.elementBox("rule");
    EXPECT_NEAR(rule.width(), (page.view.viewport()->width() - 16) / 2, 1);
    EXPECT_EQ(rule.height(), 6);
    EXPECT_NEAR(rule.center().x(), page.view.viewport()->width() / 2, 2);

    const int normal = page.view.fontOf("normal").pixelSize();
    EXPECT_LT(page.view.fontOf("small").pixelSize(), normal);
    EXPECT_LT(page.view.fontOf("sup").pixelSize(), normal);
    EXPECT_GT(page.view.fontOf("big").pixelSize(), normal);
    EXPECT_LT(page.view.elementBox("sup").top(), page.view.elementBox("normal").top()) << "raised";
    EXPECT_EQ(page.view.styleOf("justified", "text-align"), "justify");
}

// A class change clears an element's style and matches the rules again:
// the attributes' share must come back with it.
TEST(LegacyPages, RestylingKeepsTheAttributesStyle)
{
    htmltest::PageFixture page(legacyPage(R"(<HEAD><STYLE>.instext { font-weight: bold } .left { text-align: left }
</STYLE></HEAD><BODY>
<TABLE><TR><TD id=row class=text><FONT size=5 color=red id=big>Phrase</FONT></TD></TR></TABLE>
<P align=center class=left id=styled>The page's rules outrank its attributes</P>
</BODY>)"));
    EXPECT_EQ(page.view.styleOf("styled", "text-align"), "left");
    page.document.get("all").get("row").set("className", "instext");
    EXPECT_EQ(page.view.fontOf("big").pixelSize(), 24);
    EXPECT_EQ(page.view.styleOf("big", "color"), "red");
    page.document.get("all").get("styled").set("className", "text");
    EXPECT_EQ(page.view.styleOf("styled", "text-align"), "center");
    page.document.get("all").get("styled").set("className", "left");
    EXPECT_EQ(page.view.styleOf("styled", "text-align"), "left");
}

} // namespace

namespace {

void clickAt(platform::HtmlView& view, const QPoint& point)
{
    QMouseEvent press(QEvent::MouseButtonPress, point, view.viewport()->mapToGlobal(point), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, view.viewport()->mapToGlobal(point), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &release);
}

TEST(LegacyPages, ClickingALabelChecksItsAnswer)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY><FORM>
<P><INPUT type=RADIO name=q1 id=q1a><LABEL for=q1a id=la>First answer</LABEL>
<INPUT type=radio name=q1 id=q1b><LABEL for=q1b id=lb>Second answer</LABEL></P>
<P><LABEL id=wrapping><INPUT type=checkbox id=box> <SPAN id=boxtext>Inside its label</SPAN></LABEL></P>
<P><LABEL for=nothing id=dangling>Names no control</LABEL></P>
</FORM></BODY>)"));
    page.view.show();
    QCoreApplication::processEvents();
    const platform::Variant all = page.document.get("all");
    auto checked = [&](const char* id) { return all.get(id).get("Checked").toText(); };

    clickAt(page.view, page.view.elementBox("lb").center());
    EXPECT_EQ(checked("q1b"), "True");
    clickAt(page.view, page.view.elementBox("la").center());
    EXPECT_EQ(checked("q1a"), "True");
    EXPECT_EQ(checked("q1b"), "False") << "one answer of the group";

    clickAt(page.view, page.view.elementBox("boxtext").center());
    EXPECT_EQ(checked("box"), "True");
    clickAt(page.view, page.view.elementBox("boxtext").center());
    EXPECT_EQ(checked("box"), "False");

    clickAt(page.view, page.view.elementBox("dangling").center()); // nothing happens, nothing fails
    screenshot(page.view, "labels");
}

TEST(LegacyPages, ImageMapAreasFollowTheirLinks)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY leftmargin=0 topmargin=0>
<IMG src="map.png" usemap="#Menu" id=menu border=0 width=200 height=100>
<MAP name="menu">
<AREA shape=RECT coords="0,0,99,49" href="rect.htm">
<AREA shape=circle coords="150,25,20" href="circle.htm">
<AREA shape=poly coords="0,50,100,50,0,99" href="poly.htm">
<AREA shape=default nohref>
</MAP></BODY>)"));
    page.view.show();
    QCoreApplication::processEvents();
    const struct {
        QPoint point;
        const char* page; // nullptr: the view stays
    } cases[] = {
        {{10, 10}, "rect.htm"},
        {{150, 30}, "circle.htm"},
        {{10, 60}, "poly.htm"},
        {{90, 95}, nullptr}, // outside the triangle: the default area has no link
        {{190, 90}, nullptr},
    };
    for (const auto& c : cases) {
        const QString before = page.view.LocationURL();
        clickAt(page.view, c.point);
        if (c.page)
            EXPECT_TRUE(page.view.LocationURL().endsWith(c.page)) << c.page;
        else
            EXPECT_EQ(page.view.LocationURL(), before) << c.point.x() << "," << c.point.y();
        htmltest::loadInto(page.view, page.course.root() + "/page.htm");
        page.view.elementBox("menu"); // laid out
    }
}

TEST(LegacyPages, AFramesetShowsItsFirstFramesPage)
{
    testsupport::TempCourse course;
    course.write("menu.htm", "<HTML><BODY><P id=menu>Menu</P></BODY></HTML>");
    course.write("frames.htm", "<HTML><FRAMESET cols=\"30%,*\"><FRAME src=\"Menu.htm\"><FRAME src=\"main.htm\">"
                               "</FRAMESET></HTML>");
    course.write("broken.htm", "<HTML><FRAMESET rows=\"*\"><FRAME src=\"missing.htm\"></FRAMESET>"
                               "<NOFRAMES><P id=alt>Shown <B id=bold>instead</B></P></NOFRAMES></HTML>");
    platform::HtmlView view;
    view.resize(640, 480);

    htmltest::loadInto(view, course.root() + "/frames.htm");
    EXPECT_FALSE(view.elementBox("menu").isEmpty());
    EXPECT_TRUE(view.LocationURL().endsWith("frames.htm"));

    htmltest::loadInto(view, course.root() + "/broken.htm");
    EXPECT_FALSE(view.elementBox("alt").isEmpty());
    EXPECT_EQ(view.styleOf("bold", "font-weight"), "bold") << "markup, not text";
}

} // namespace

namespace {

// A heading over columns of fixed width widens the table rather than wrap.
TEST(LegacyPages, ASpanningHeadingWidensItsTable)
{
    htmltest::PageFixture page(legacyPage(R"(<BODY>
<TABLE id=table border=1><TR><TD COLSPAN=2 id=heading>Which of these words is a verb in the past tense?</TD></TR>
<TR><TD WIDTH=100 id=first>went</TD><TD WIDTH=100>goes</TD></TR></TABLE>
<TABLE id=narrow width=150 border=1><TR><TD COLSPAN=2 id=wrapped>A heading wider than its table's given width</TD></TR>
<TR><TD WIDTH=50>went</TD><TD WIDTH=50>goes</TD></TR></TABLE>
<TABLE id=long><TR><TD COLSPAN=2>)" + QByteArray("A long heading. ").repeated(60) + R"(</TD></TR>
<TR><TD WIDTH=100>went</TD><TD WIDTH=100>goes</TD></TR></TABLE>
</BODY>)"));
    screenshot(page.view, "colspan");
    const int line = page.view.elementBox("first").height();
    EXPECT_EQ(page.view.elementBox("heading").height(), line) << "on one line";
    EXPECT_GT(page.view.elementBox("table").width(), 210);
    EXPECT_GT(page.view.elementBox("wrapped").height(), line) << "a table of given width keeps it";
    EXPECT_LE(page.view.elementBox("long").right(), page.view.viewport()->width() - 8) << "no wider than the page";
}

} // namespace
