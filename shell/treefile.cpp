#include "treefile.h"

#include "platform/error.h"

namespace {

int depthOf(const QString& line)
{
    int depth = 0;
    while (depth < line.size() && (line[depth] == u'\t' || line[depth] == u' '))
        ++depth;
    return depth;
}

} // namespace

void loadTreeFile(platform::TreeView& tree, const platform::StringList& lines)
{
    tree.clearNodes();
    QTreeWidgetItem* previous = nullptr;
    int previousLevel = 0;
    for (const QString& line : lines.lines()) {
        const int depth = depthOf(line);
        const QString text = line.mid(depth);
        if (!previous) {
            previous = tree.addNode(nullptr, text);
            previousLevel = 0;
            continue;
        }
        if (depth > previousLevel + 1)
            throw platform::Error(QStringLiteral("Invalid level (%1) for item \"%2\"").arg(depth).arg(text));
        QTreeWidgetItem* parent;
        if (depth == previousLevel + 1) {
            parent = previous;
        } else {
            // A sibling of the previous node or of its ancestor at that depth.
            QTreeWidgetItem* sibling = previous;
            for (int level = previousLevel; level > depth; --level)
                sibling = sibling->parent();
            parent = sibling->parent();
        }
        previous = tree.addNode(parent, text);
        previousLevel = depth;
    }
}
