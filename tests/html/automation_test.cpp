// The members the windows read, write and call on a loaded page, and the
// errors they get for anything the page lacks.
#include "viewfixture.h"

#include "platform/error.h"

#include <gtest/gtest.h>

using platform::Error;
using platform::Variant;

namespace {

const QByteArray fixturePage = R"(<html><head><meta charset="utf-8">
<style>.instext { background: #ffff00 }</style></head>
<body>
<p><a id="a1" href="#t1">1</a><span id="t1" class="text">Hello</span> <span id="t2" class="comm">World</span></p>
<form>
<input id="q1" type="radio" name="g1" rtype="1" checked>
<input id="q2" type="radio" name="g1" rtype="0">
<input id="q3" type="checkbox" name="c" rtype="0">
<input id="q4" type="text" name="answer" value="start">
<textarea id="ta" name="essay">old &amp; new</textarea>
<select id="s"><option value="x">X</option><option value="y" selected>Y</option></select>
</form>
<span id="f2">mark</span>
<a name="anchor1">named</a>
</body></html>)";

// Follows a path of member reads from the document: "all", "t1", "className".
Variant read(const Variant& document, const QStringList& path)
{
    Variant value = document;
    for (const QString& member : path)
        value = value.get(member);
    return value;
}

struct Read {
    QStringList path;
    QString expected;
};

class AutomationTest : public ::testing::Test {
protected:
    htmltest::PageFixture page{fixturePage};
};

TEST_F(AutomationTest, MembersReadAsTheWindowsReadThem)
{
    const Read reads[] = {
        {{"all", "t1", "className"}, "text"},
        {{"all", "t2", "classname"}, "comm"},
        {{"all", "t1", "id"}, "t1"},
        {{"all", "t1", "tagName"}, "SPAN"},
        {{"all", "q1", "rtype"}, "1"},
        {{"all", "q2", "RTYPE"}, "0"},
        {{"all", "q1", "Checked"}, "True"},
        {{"all", "q2", "checked"}, "False"},
        {{"all", "q3", "Checked"}, "False"},
        {{"all", "q1", "name"}, "g1"},
        {{"all", "q4", "value"}, "start"},
        {{"all", "ta", "value"}, "old & new"},
        {{"all", "s", "value"}, "y"},
        {{"all", "anchor1", "tagName"}, "A"}, // reached by name
        {{"all", "essay", "id"}, "ta"},
        {{"all", "f2", "parentNode", "tagName"}, "BODY"},
        {{"body", "tagName"}, "BODY"},
        {{"body", "parentNode", "tagName"}, "HTML"},
        {{"all", "a1", "href"}, "#t1"},
        {{"all", "t1", "innerHTML"}, "Hello"},
    };
    for (const Read& r : reads)
        EXPECT_EQ(read(page.document, r.path).toText(), r.expected) << r.path.join('.').toStdString();
}

TEST_F(AutomationTest, CallsFindElementsAndCollections)
{
    const Variant inputs = page.document.call("getElementsByTagName", {"input"});
    EXPECT_EQ(inputs.get("Length").toInt(), 4);
    EXPECT_EQ(inputs.get("2").get("id").toText(), "q3");
    EXPECT_TRUE(inputs.get("4").isEmpty());
    EXPECT_EQ(page.document.call("getElementById", {"q4"}).get("name").toText(), "answer");
    EXPECT_TRUE(page.document.call("getElementById", {"q5"}).isEmpty());
    EXPECT_TRUE(page.document.get("all").get("T1").isEmpty()) << "ids are matched exactly";
    EXPECT_EQ(page.document.get("all").get("length").toInt(),
              page.document.call("getElementsByTagName", {"*"}).get("Length").toInt());
}

TEST_F(AutomationTest, FailuresRaiseErrorsWithTheMemberNamed)
{
    struct Failure {
        const char* what;
        std::function<void()> action;
        const char* message;
    };
    const Variant all = page.document.get("all");
    const Failure failures[] = {
        {"unknown member of an element", [&] { all.get("t1").get("colour"); }, "'colour'"},
        {"attribute the element lacks", [&] { all.get("t1").get("rtype"); }, "'rtype'"},
        {"Checked of a span", [&] { all.get("t1").get("Checked"); }, "'Checked'"},
        {"unknown member of the document", [&] { page.document.get("forms2"); }, "'forms2'"},
        {"missing element used", [&] { all.get("t99").get("className"); }, "empty object reference"},
        {"missing element written", [&] { all.get("t99").set("className", "instext"); }, "empty object reference"},
        {"missing element clicked", [&] { all.get("a99").call("Click"); }, "empty object reference"},
        {"read-only member written", [&] { all.get("t1").set("tagName", "DIV"); }, "'tagName'"},
        {"unknown method", [&] { all.get("t1").call("Frobnicate"); }, "'Frobnicate'"},
        {"argument missing", [&] { page.document.call("getElementById"); }, "'getElementById'"},
        {"text read as an object", [&] { all.get("t1").get("className").get("x"); }, "not an object"},
    };
    for (const Failure& f : failures) {
        try {
            f.action();
            ADD_FAILURE() << f.what << ": no error";
        } catch (const Error& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String(f.message)))
                << f.what << ": " << error.message().toStdString();
        }
    }
}

TEST(AutomationBeforeLoading, DocumentIsEmptyAndUsingItFails)
{
    platform::HtmlView view;
    EXPECT_TRUE(view.Document().isEmpty());
    EXPECT_THROW(view.Document().get("all"), Error);
}

// Highlighting writes whole class values and reads them back exactly.
TEST_F(AutomationTest, ClassOperationsReplaceTheWholeClass)
{
    const Variant all = page.document.get("all");
    struct Step {
        const char* id;
        const char* written;
    };
    const Step steps[] = {{"t1", "instext"}, {"t2", "inscomm"}, {"t2", "inscomm"}, {"t1", "cycle"},
                          {"t1", "text"},    {"t2", "comm"},    {"t1", ""}};
    for (const Step& step : steps) {
        all.get(step.id).set("className", step.written);
        EXPECT_EQ(all.get(step.id).get("className").toText(), step.written);
    }
    all.get("t1").set("className", "instext");
    EXPECT_TRUE(all.get("t1").get("outerHTML").toText().contains(R"(class="instext")"));
}

TEST_F(AutomationTest, CheckedIsWritableAndKeepsRadioGroupsExclusive)
{
    const Variant all = page.document.get("all");
    all.get("q2").set("Checked", true);
    EXPECT_EQ(all.get("q1").get("Checked").toText(), "False");
    EXPECT_EQ(all.get("q2").get("Checked").toText(), "True");
    all.get("q3").set("checked", "True");
    EXPECT_EQ(all.get("q3").get("Checked").toText(), "True");
    all.get("q3").set("checked", false);
    EXPECT_EQ(all.get("q3").get("Checked").toText(), "False");
}

TEST_F(AutomationTest, ClickActsOnRadiosAndCheckboxesOnly)
{
    const Variant all = page.document.get("all");
    all.get("q2").call("Click");
    EXPECT_EQ(all.get("q1").get("Checked").toText(), "False");
    EXPECT_EQ(all.get("q2").get("Checked").toText(), "True");
    all.get("q3").call("click");
    EXPECT_EQ(all.get("q3").get("Checked").toText(), "True");
    all.get("q3").call("Click");
    EXPECT_EQ(all.get("q3").get("Checked").toText(), "False");

    const QString before = page.document.get("body").get("innerHTML").toText();
    all.get("t1").call("Click");
    all.get("q4").call("Click");
    EXPECT_EQ(page.document.get("body").get("innerHTML").toText(), before);
    EXPECT_THROW(all.get("q3").call("Click", {1}), Error);
}

// The saved answers of a free-answer test: the root's content as filled in.
TEST_F(AutomationTest, InnerHtmlOfTheRootCarriesTheLiveFormState)
{
    const Variant all = page.document.get("all");
    all.get("q4").set("value", "typed <answer>");
    all.get("ta").set("value", "line one\nline two");
    all.get("q2").call("Click");
    all.get("q3").call("Click");
    all.get("s").set("value", "x");

    const QString html = page.document.get("body").get("parentNode").get("innerHTML").toText();
    EXPECT_TRUE(html.startsWith("<head>")) << html.left(40).toStdString();
    EXPECT_FALSE(html.contains("<html"));
    EXPECT_TRUE(html.contains("<body>"));
    EXPECT_TRUE(html.contains(R"(<input id="q1" type="radio" name="g1" rtype="1">)")) << html.toStdString();
    EXPECT_TRUE(html.contains(R"(<input id="q2" type="radio" name="g1" rtype="0" checked="">)"));
    EXPECT_TRUE(html.contains(R"(<input id="q3" type="checkbox" name="c" rtype="0" checked="">)"));
    EXPECT_TRUE(html.contains(R"(value="typed <answer>")"));
    EXPECT_TRUE(html.contains(">line one\nline two</textarea>"));
    EXPECT_TRUE(html.contains(R"(<option value="x" selected="">X</option><option value="y">Y</option>)"));
    EXPECT_TRUE(html.contains(".instext { background: #ffff00 }")) << "style text is written as it stands";
}

} // namespace
