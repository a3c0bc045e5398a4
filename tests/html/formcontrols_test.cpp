// Form controls are widgets over their boxes, in step with the DOM both ways.
#include "viewfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

const QByteArray testPage = R"(<html><body>
<p><input id="q1" type="radio" name="g1" rtype="0"> one
<input id="q2" type="radio" name="g1" rtype="1"> two
<input id="q3" type="radio" name="g2" rtype="1" checked> three</p>
<p><input id="c1" type="checkbox"> <input id="tx" type="text" value="v"></p>
<textarea id="ta" style="width: 300px">essay</textarea>
<select id="s"><option>A</option><option selected>B</option></select>
<div style="height: 2000px"></div><input id="low" type="text">
</body></html>)";

template <typename W>
std::vector<W*> widgets(platform::HtmlView& view)
{
    std::vector<W*> found;
    for (W* widget : view.viewport()->findChildren<W*>(Qt::FindDirectChildrenOnly))
        found.push_back(widget);
    return found;
}

class FormControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page.view.show();
        QCoreApplication::processEvents();
        radios = widgets<QRadioButton>(page.view);
    }

    QString checked(const char* id) { return page.document.get("all").get(id).get("Checked").toText(); }

    htmltest::PageFixture page{testPage};
    std::vector<QRadioButton*> radios;
};

TEST_F(FormControlsTest, WidgetsShowTheMarkupsStateOverTheirBoxes)
{
    ASSERT_EQ(radios.size(), 3u);
    EXPECT_FALSE(radios[0]->isChecked());
    EXPECT_TRUE(radios[2]->isChecked());
    EXPECT_EQ(widgets<QPlainTextEdit>(page.view).at(0)->toPlainText(), "essay");
    EXPECT_EQ(widgets<QComboBox>(page.view).at(0)->currentText(), "B");
    EXPECT_EQ(widgets<QPlainTextEdit>(page.view).at(0)->width(), 300) << "the page's width wins";
    for (const char* id : {"q1", "q2", "c1", "tx"}) {
        const QRect box = page.view.elementBox(id);
        bool covered = false;
        for (QWidget* widget : page.view.viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            covered = covered || (widget->isVisible() && widget->geometry() == box);
        EXPECT_TRUE(covered) << id;
    }
}

TEST_F(FormControlsTest, UserClicksReachTheDomAndRadioGroupsFollowTheirNames)
{
    radios[0]->click();
    EXPECT_EQ(checked("q1"), "True");
    radios[1]->click();
    EXPECT_EQ(checked("q1"), "False");
    EXPECT_EQ(checked("q2"), "True");
    EXPECT_FALSE(radios[0]->isChecked());
    EXPECT_EQ(checked("q3"), "True") << "another name is another group";
    radios[1]->click();
    EXPECT_EQ(checked("q2"), "True") << "clicking a checked radio keeps it checked";

    widgets<QCheckBox>(page.view).at(0)->click();
    EXPECT_EQ(checked("c1"), "True");
    widgets<QComboBox>(page.view).at(0)->setCurrentIndex(0);
    EXPECT_TRUE(page.document.get("body").get("innerHTML").toText().contains("<option selected=\"\">A</option>"));
}

TEST_F(FormControlsTest, AutomationWritesShowInTheWidgets)
{
    page.document.get("all").get("q1").set("Checked", true);
    EXPECT_TRUE(radios[0]->isChecked());
    page.document.get("all").get("q1").set("Checked", false);
    EXPECT_FALSE(radios[0]->isChecked());
    page.document.get("all").get("q2").call("Click");
    EXPECT_TRUE(radios[1]->isChecked());
    page.document.get("all").get("tx").set("value", "from code");
    EXPECT_EQ(widgets<QLineEdit>(page.view).at(0)->text(), "from code");
}

TEST_F(FormControlsTest, WidgetsFollowTheirBoxesWhenThePageScrolls)
{
    QLineEdit* low = widgets<QLineEdit>(page.view).at(1);
    const QRect box = page.view.elementBox("low");
    page.view.verticalScrollBar()->setValue(page.view.verticalScrollBar()->maximum());
    EXPECT_EQ(low->geometry(), box.translated(0, -page.view.scrollPosition()));
    EXPECT_GT(low->y(), 0);
    EXPECT_LT(low->y(), page.view.viewport()->height());
}

} // namespace
