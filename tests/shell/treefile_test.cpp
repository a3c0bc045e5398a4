#include "platform/error.h"
#include "shell/treefile.h"

#include <gtest/gtest.h>

namespace {

// Each node as "level:text:index", depth-first.
QStringList describe(const platform::TreeView& tree)
{
    QStringList nodes;
    for (int i = 0; i < tree.nodeCount(); ++i) {
        const QTreeWidgetItem* node = tree.node(i);
        nodes.append(QStringLiteral("%1:%2:%3")
                         .arg(platform::TreeView::level(node))
                         .arg(node->text(0))
                         .arg(platform::TreeView::absoluteIndex(node)));
    }
    return nodes;
}

} // namespace

struct TreeCase {
    const char* name;
    QStringList lines;
    QStringList nodes;
};

void PrintTo(const TreeCase& c, std::ostream* os)
{
    *os << c.name;
}

class TreeFile : public ::testing::TestWithParam<TreeCase> {};

TEST_P(TreeFile, BuildsNodesByDepth)
{
    platform::TreeView tree;
    loadTreeFile(tree, platform::StringList(GetParam().lines));
    EXPECT_EQ(describe(tree), GetParam().nodes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TreeFile,
    ::testing::Values(
        TreeCase{"childrenAndBackToTop", {"A", "\tB", "\t\tE", "F"}, {"0:A:0", "1:B:1", "2:E:2", "0:F:3"}},
        TreeCase{"firstLineIndentedIsTopLevel", {"\tA", "\tB"}, {"0:A:0", "1:B:1"}},
        TreeCase{"tabsAndSpacesCountAlike", {"A", " B", "\t C", "  D"}, {"0:A:0", "1:B:1", "2:C:2", "2:D:3"}},
        TreeCase{"backTwoLevels", {"A", "\tB", "\t\tC", "\tD", "E"}, {"0:A:0", "1:B:1", "2:C:2", "1:D:3", "0:E:4"}},
        TreeCase{"emptyAndBlankLines", {"A", "", "\t"}, {"0:A:0", "0::1", "1::2"}},
        TreeCase{"textKeptAsItStands", {"Unit 1 ", "\t1.1  x\t"}, {"0:Unit 1 :0", "1:1.1  x\t:1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TreeFile, ALevelJumpFailsAndKeepsTheNodesMadeSoFar)
{
    platform::TreeView tree;
    try {
        loadTreeFile(tree, platform::StringList(QStringList{"A", "\t\tB", "C"}));
        FAIL();
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message(), "Invalid level (2) for item \"B\"");
    }
    EXPECT_EQ(describe(tree), QStringList{"0:A:0"});
}

// 100,000 nodes in units of ten lessons, and a chain 3,000 levels deep (a
// deeper one needs a file of gigabytes: each line carries its depth in
// tabs): both build, and the tree goes away without exhausting the stack.
TEST(TreeFile, LargeAndDeepTreesBuild)
{
    QStringList wide;
    for (int i = 0; i < 100'000; ++i)
        wide.append(i % 10 == 0 ? QStringLiteral("Unit %1").arg(i) : QStringLiteral("\tLesson %1").arg(i));
    QStringList deep;
    for (int i = 0; i < 3'000; ++i)
        deep.append(QString(i, u'\t') + QStringLiteral("Level %1").arg(i));

    for (const QStringList& lines : {wide, deep}) {
        auto tree = std::make_unique<platform::TreeView>();
        loadTreeFile(*tree, platform::StringList(lines));
        ASSERT_EQ(tree->nodeCount(), lines.size());
        EXPECT_EQ(platform::TreeView::absoluteIndex(tree->node(int(lines.size()) - 1)), lines.size() - 1);
        tree.reset();
    }
}
