#include "startupfixture.h"

#include "launcher/View.h"
#include "platform/error.h"
#include "shell/Main.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>

class MainWindow : public CourseFixture {
protected:
    void SetUp() override
    {
        start();
        ASSERT_TRUE(desktop.errors.empty());
    }

    // Which hover pictures are shown, as "m1 m3".
    static QString shownHover(const platform::BandedForm* window)
    {
        QStringList shown;
        const auto& hover = window->hoverPictures();
        for (int i = 0; i < hover.size(); ++i) {
            if (!hover[i]->isHidden())
                shown.append(QStringLiteral("m%1").arg(i + 1));
        }
        return shown.join(u' ');
    }
};

TEST_F(MainWindow, ATreeClickShowsTheNodesDescription)
{
    platform::TreeView& tree = *MainFrm->TreeView1;
    tree.selectNode(tree.node(2));
    QDir::setCurrent(QDir::tempPath());
    MainFrm->TreeView1Click();
    EXPECT_EQ(MainFrm->CppWebBrowser1->LocationURL(), descr(MainFrm->descrNames.at(2)));
    EXPECT_EQ(QDir::currentPath(), course.root());

    // A node beyond the end of descrNames: the error, and the page stays.
    MainFrm->descrNames = platform::StringList(MainFrm->descrNames.lines().mid(0, 3));
    tree.selectNode(tree.node(5));
    try {
        MainFrm->TreeView1Click();
        FAIL();
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message(), "List index out of bounds (5)");
    }
    EXPECT_EQ(MainFrm->CppWebBrowser1->LocationURL(), descr(MainFrm->descrNames.at(2)));
}

TEST_F(MainWindow, StartsWithNoNodeExpandedAndTheLearnersMovesExpandOneBranch)
{
    platform::TreeView& tree = *MainFrm->TreeView1;
    const auto expanded = [&] {
        QList<int> nodes;
        for (int i = 0; i < tree.nodeCount(); ++i) {
            if (tree.node(i)->isExpanded() && tree.node(i)->childCount() > 0)
                nodes.append(i);
        }
        return nodes;
    };
    const auto keyDown = [&] {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(&tree, &down);
    };
    EXPECT_EQ(tree.selectedNode(), tree.node(0));
    EXPECT_EQ(expanded(), QList<int>{});

    keyDown(); // past the folded first unit to the second
    EXPECT_EQ(tree.selectedNode(), tree.node(6));
    EXPECT_EQ(expanded(), QList<int>{6});
    keyDown(); // into its lessons: the unit stays open
    EXPECT_EQ(tree.selectedNode(), tree.node(7));
    EXPECT_EQ(expanded(), QList<int>{6});

    // The program's own selection leaves the branches as they are.
    tree.selectNode(tree.node(12));
    EXPECT_EQ(expanded(), QList<int>{6});
}

TEST_F(MainWindow, TheFirstNodeKeepsItsRedSquareAfterAnotherIsChosen)
{
    platform::TreeView& tree = *MainFrm->TreeView1;
    tree.selectNode(tree.node(3));
    MainFrm->TreeView1MouseUp();
    EXPECT_EQ(tree.shownImage(tree.node(0)), 0); // red, though no longer selected
    EXPECT_EQ(tree.normalImage(tree.node(3)), 1);
    EXPECT_EQ(tree.shownImage(tree.node(3)), 0); // selected
    tree.selectNode(tree.node(4));
    EXPECT_EQ(tree.shownImage(tree.node(3)), 1);
    EXPECT_EQ(tree.shownImage(tree.node(5)), 1);
}

TEST_F(MainWindow, HoverPicturesFollowThePointer)
{
    struct Move {
        std::function<void()> move;
        const char* shown;
    };
    const Move moves[] = {
        {[] { emit MainFrm->m11->mouseMoved(); }, "m1"},
        {[] { emit MainFrm->m33->mouseMoved(); }, "m3"},
        {[] { emit MainFrm->m33->mouseMoved(); }, "m3"},
        {[] { emit MainFrm->Image3->mouseMoved(); }, ""},
        {[] { emit MainFrm->m55->mouseMoved(); }, "m5"},
        {[] { emit MainFrm->TreeView1->mouseMoved(); }, "m5"}, // leaving the band elsewhere keeps it
        {[] { emit MainFrm->m22->mouseMoved(); }, "m2"},
    };
    for (const Move& m : moves) {
        m.move();
        EXPECT_EQ(shownHover(MainFrm), m.shown);
    }
}

TEST_F(MainWindow, ButtonsHideTheirHoverPictureThenAct)
{
    bool hoverShownAtModal = true;
    const auto hook = platform::Form::installModalHook([&](platform::Form& window) {
        modalShows.append(window.objectName());
        hoverShownAtModal = !MainFrm->m1->isHidden() || !MainFrm->m4->isHidden();
        return 0;
    });

    setWindLine(5, "True");
    MainFrm->windList = platform::StringList::load(course.root() + "\\wind.mtp");
    emit MainFrm->m11->mouseMoved();
    emit MainFrm->m11->clicked();
    EXPECT_EQ(modalShows, QStringList{"ViewFrm"});
    EXPECT_FALSE(hoverShownAtModal);
    EXPECT_EQ(ViewFrm->Browser->LocationURL(), descr("intro.htm"));
    EXPECT_EQ(ViewFrm->caption(), MainFrm->windList.at(3));

    // About, with its own flag, page and caption; the hover picture clicks too.
    emit MainFrm->m44->mouseMoved();
    emit MainFrm->m4->clicked();
    EXPECT_EQ(modalShows, (QStringList{"ViewFrm", "ViewFrm"}));
    EXPECT_FALSE(hoverShownAtModal);
    EXPECT_EQ(ViewFrm->Browser->LocationURL(), descr("about.htm"));
    EXPECT_EQ(ViewFrm->caption(), MainFrm->windList.at(6));

    emit MainFrm->m33->mouseMoved();
    emit MainFrm->m33->clicked();
    EXPECT_TRUE(MainFrm->m3->isHidden());
    EXPECT_EQ(desktop.opened, QStringList{course.root() + "\\help\\help.htm"});

    int launches = 0;
    MainFrm->runSelectedLesson = [&launches] { ++launches; };
    emit MainFrm->m22->clicked();
    emit MainFrm->TreeView1->doubleClicked();
    EXPECT_EQ(launches, 2);

    emit MainFrm->m55->clicked();
    EXPECT_FALSE(MainFrm->isVisible());
    platform::Form::installModalHook(hook);
}

TEST_F(MainWindow, AFalseShowFlagNavigatesTheViewerWithoutShowingIt)
{
    MainFrm->m1Click();
    EXPECT_TRUE(modalShows.isEmpty());
    EXPECT_EQ(ViewFrm->Browser->LocationURL(), descr("intro.htm"));
}

TEST_F(MainWindow, ThePageViewerButtonHighlightsAndCloses)
{
    ViewFrm->show();
    ViewFrm->m11MouseMove();
    EXPECT_EQ(shownHover(ViewFrm), "m1");
    ViewFrm->Image4MouseMove();
    EXPECT_EQ(shownHover(ViewFrm), "");
    ViewFrm->m11MouseMove();
    ViewFrm->m11Click();
    EXPECT_EQ(shownHover(ViewFrm), "");
    EXPECT_FALSE(ViewFrm->isVisible());
}
