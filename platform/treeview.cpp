#include "treeview.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QScopedValueRollback>

namespace platform {

namespace {

constexpr int absoluteIndexRole = Qt::UserRole;
constexpr int normalImageRole = Qt::UserRole + 1;
constexpr int selectedImage = 0;

bool isAncestor(const QTreeWidgetItem* ancestor, const QTreeWidgetItem* node)
{
    for (const QTreeWidgetItem* p = node ? node->parent() : nullptr; p; p = p->parent()) {
        if (p == ancestor)
            return true;
    }
    return false;
}

} // namespace

TreeView::TreeView(QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeWidget::currentItemChanged, this, &TreeView::selectionMoved);
}

void TreeView::setImages(const QList<QImage>& images)
{
    m_icons.clear();
    for (const QImage& image : images)
        m_icons.append(QIcon(QPixmap::fromImage(image)));
    if (!images.isEmpty())
        setIconSize(images.constFirst().size());
    for (QTreeWidgetItem* node : std::as_const(m_nodes))
        showImage(node);
}

QTreeWidgetItem* TreeView::addNode(QTreeWidgetItem* parent, const QString& text)
{
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, absoluteIndexRole, int(m_nodes.size()));
    node->setData(0, normalImageRole, -1);
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    m_nodes.append(node);
    return node;
}

void TreeView::clearNodes()
{
    m_nodes.clear();
    clear();
}

int TreeView::absoluteIndex(const QTreeWidgetItem* node)
{
    return node->data(0, absoluteIndexRole).toInt();
}

int TreeView::level(const QTreeWidgetItem* node)
{
    int level = 0;
    for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent())
        ++level;
    return level;
}

int TreeView::normalImage(const QTreeWidgetItem* node) const
{
    return node->data(0, normalImageRole).toInt();
}

void TreeView::setNormalImage(QTreeWidgetItem* node, int image)
{
    node->setData(0, normalImageRole, image);
    showImage(node);
}

int TreeView::shownImage(const QTreeWidgetItem* node) const
{
    return node == currentItem() ? selectedImage : normalImage(node);
}

void TreeView::showImage(QTreeWidgetItem* node)
{
    const int image = shownImage(node);
    node->setIcon(0, image >= 0 && image < m_icons.size() ? m_icons[image] : QIcon());
}

void TreeView::selectNode(QTreeWidgetItem* node)
{
    const QScopedValueRollback byProgram(m_selectingByProgram, true);
    setCurrentItem(node);
}

void TreeView::selectionMoved(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (previous)
        showImage(previous);
    if (current)
        showImage(current);
    if (m_selectingByProgram)
        return;
    // The rows stay where they are until the click is over: folding the
    // branch left at the press would move another row under the pointer
    // before the release. The first branch left is the one to fold.
    if (m_buttonDown) {
        if (!m_foldPending)
            m_branchLeft = previous;
        m_foldPending = true;
        return;
    }
    expandSelectedBranch(current, previous);
}

// Single expand: the branch left is folded up to the common ancestor.
void TreeView::expandSelectedBranch(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (previous && !isAncestor(previous, current)) {
        for (QTreeWidgetItem* p = previous; p && p != current && !isAncestor(p, current); p = p->parent())
            p->setExpanded(false);
    }
    if (current)
        current->setExpanded(true);
}

void TreeView::mouseMoveEvent(QMouseEvent* event)
{
    QTreeWidget::mouseMoveEvent(event);
    emit mouseMoved();
}

void TreeView::mousePressEvent(QMouseEvent* event)
{
    m_buttonDown = true;
    // On the node itself, not on its expander, which toggles it anyway.
    const QPoint at = event->position().toPoint();
    m_pressedSelected = event->button() == Qt::LeftButton && currentItem() && itemAt(at) == currentItem()
                        && at.x() >= visualItemRect(currentItem()).left();
    QTreeWidget::mousePressEvent(event);
}

void TreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    m_buttonDown = false;
    if (m_foldPending) {
        m_foldPending = false;
        expandSelectedBranch(currentItem(), m_branchLeft);
    } else if (m_pressedSelected && currentItem()) {
        // A click on the selected node opens it when it is closed.
        currentItem()->setExpanded(true);
    }
    m_pressedSelected = false;
    emit mouseUp();
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

// The second click lands where the rows have moved to since the first one
// selected its node: the double click acts on that node, and its second click
// selects, expands and folds nothing.
void TreeView::mouseDoubleClickEvent(QMouseEvent*)
{
    emit doubleClicked();
}

} // namespace platform
