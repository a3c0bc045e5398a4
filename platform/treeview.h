#pragma once

#include <QImage>
#include <QList>
#include <QTreeWidget>

namespace platform {

// The lesson tree. Each node remembers its absolute index (its place in the
// depth-first order, which is the order nodes are added in) and its normal
// image; the selected node shows image 0 of the image list. The learner's
// selecting a node expands it and collapses the branch selected before,
// unless that is an ancestor of the new one; a selection by the program
// expands and collapses nothing.
class TreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TreeView(QWidget* parent = nullptr);

    void setImages(const QList<QImage>& images);

    // Appends a node as the last child of parent, or at top level when
    // parent is null.
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text);
    void clearNodes();
    int nodeCount() const { return int(m_nodes.size()); }
    QTreeWidgetItem* node(int absoluteIndex) const { return m_nodes.value(absoluteIndex); }
    static int absoluteIndex(const QTreeWidgetItem* node);
    // The level in the tree: 0 for a top-level node.
    static int level(const QTreeWidgetItem* node);

    QTreeWidgetItem* selectedNode() const { return currentItem(); }
    void selectNode(QTreeWidgetItem* node);

    int normalImage(const QTreeWidgetItem* node) const;
    void setNormalImage(QTreeWidgetItem* node, int image);
    // The image the node shows now: 0 while selected, its normal one else.
    int shownImage(const QTreeWidgetItem* node) const;

signals:
    void clicked();
    void doubleClicked();
    void mouseMoved();
    void mouseUp();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void selectionMoved(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void expandSelectedBranch(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void showImage(QTreeWidgetItem* node);

    QList<QIcon> m_icons;
    QList<QTreeWidgetItem*> m_nodes;
    bool m_selectingByProgram = false;
    // A learner's selection made while a mouse button is down folds the
    // branch it left only when the button is released.
    bool m_buttonDown = false;
    bool m_foldPending = false;
    QTreeWidgetItem* m_branchLeft = nullptr;
    bool m_pressedSelected = false; // the press landed on the selected node
};

} // namespace platform
