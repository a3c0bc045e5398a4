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
    setExpandsOnDoubleClick(true);
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
    if (!m_selectingByProgram)
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

void TreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    emit mouseUp();
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void TreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace platform
