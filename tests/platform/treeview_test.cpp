// The lesson tree under the mouse: selecting a node folds the branch selected
// before, so the rows move under the pointer between a press and its release,
// and between the two clicks of a double click.
#include "platform/treeview.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

class TreeUnderTheMouse : public ::testing::Test {
protected:
    TreeUnderTheMouse()
    {
        // Unit 1 (0) with 1.1 (1), 1.2 (2); Unit 2 (3) with 2.1 (4), 2.2 (5).
        for (const char* unit : {"Unit 1", "Unit 2"}) {
            QTreeWidgetItem* parent = tree.addNode(nullptr, QString::fromLatin1(unit));
            for (int lesson = 1; lesson <= 2; ++lesson)
                tree.addNode(parent, QStringLiteral("%1.%2").arg(unit[5]).arg(lesson));
        }
        tree.resize(300, 400);
        tree.show();
        QObject::connect(&tree, &platform::TreeView::doubleClicked,
                         [this] { doubleClickedOn = selected(); });
    }

    QPoint centreOf(int node) const { return tree.visualItemRect(tree.node(node)).center(); }
    void send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, tree.viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(tree.viewport(), &event);
    }
    void click(QPoint at)
    {
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    int selected() const
    {
        const QTreeWidgetItem* node = tree.selectedNode();
        return node ? platform::TreeView::absoluteIndex(node) : -1;
    }

    platform::TreeView tree;
    int doubleClickedOn = -1;
};

} // namespace

// 1.2 is selected and Unit 2 opened by hand; the learner then picks 2.2,
// moving a little on the way. Unit 1 folds once the click is over, and 2.2
// stays selected.
TEST_F(TreeUnderTheMouse, AClickSelectsTheNodeItPressesThenFoldsTheBranchLeft)
{
    click(centreOf(0));
    click(centreOf(2));
    ASSERT_EQ(selected(), 2);
    tree.node(3)->setExpanded(true);
    const QPoint at = centreOf(5);

    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    EXPECT_EQ(tree.itemAt(at), tree.node(5));
    send(QEvent::MouseMove, at + QPoint(2, 1), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at + QPoint(2, 1), Qt::NoButton);

    EXPECT_EQ(selected(), 5);
    EXPECT_FALSE(tree.node(0)->isExpanded());
    EXPECT_NE(tree.itemAt(at), tree.node(5)) << "the rows were expected to move";
}

// The double click runs the node its first click selected, wherever the
// second click lands once the rows have moved, and changes nothing else.
TEST_F(TreeUnderTheMouse, ADoubleClickActsOnTheNodeItsFirstClickSelected)
{
    click(centreOf(0));
    click(centreOf(2));
    ASSERT_EQ(selected(), 2);
    tree.node(3)->setExpanded(true);
    const QPoint at = centreOf(4);

    click(at);
    send(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at, Qt::NoButton);

    EXPECT_EQ(doubleClickedOn, 4);
    EXPECT_EQ(selected(), 4);
    EXPECT_TRUE(tree.node(3)->isExpanded());
}

// The first node is selected at start-up with every branch closed: a click on
// it opens it, as a click on any closed node that becomes selected does.
TEST_F(TreeUnderTheMouse, AClickOnTheSelectedClosedNodeOpensIt)
{
    tree.selectNode(tree.node(0));
    ASSERT_FALSE(tree.node(0)->isExpanded());

    click(centreOf(0));
    EXPECT_EQ(selected(), 0);
    EXPECT_TRUE(tree.node(0)->isExpanded());

    // Its expander still closes it.
    const QRect row = tree.visualItemRect(tree.node(0));
    click(QPoint(row.left() - tree.indentation() / 2, row.center().y()));
    EXPECT_FALSE(tree.node(0)->isExpanded());
}
