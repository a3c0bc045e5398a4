#include "listbox.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace platform {

namespace {

// The drag carries no data: the drop takes the source's selected item.
const QString rowMimeType = QStringLiteral("application/x-course-player-row");

ListBox* listBoxSource(const QDropEvent* event)
{
    return qobject_cast<ListBox*>(event->source());
}

} // namespace

ListBox::ListBox(QWidget* parent)
    : QListWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false);
}

int ListBox::itemIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::setItemIndex(int row)
{
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

QStringList ListBox::items() const
{
    QStringList texts;
    texts.reserve(count());
    for (int row = 0; row < count(); ++row)
        texts.append(item(row)->text());
    return texts;
}

void ListBox::setItems(const QStringList& items)
{
    clear();
    addItems(items);
}

// The view's own drag would remove the row from this list box once the drop
// is done; here the drop handler moves it.
void ListBox::startDrag(Qt::DropActions)
{
    QListWidgetItem* dragged = currentItem();
    if (!dragged || !dragged->isSelected())
        return;
    auto* mime = new QMimeData;
    mime->setData(rowMimeType, {});
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QRect rect = visualItemRect(dragged);
    drag->setPixmap(viewport()->grab(rect));
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - rect.topLeft());
    drag->exec(Qt::MoveAction);
}

void ListBox::dragEnterEvent(QDragEnterEvent* event)
{
    askDragOver(event);
}

void ListBox::dragMoveEvent(QDragMoveEvent* event)
{
    askDragOver(event);
}

void ListBox::askDragOver(QDragMoveEvent* event)
{
    bool accept = false;
    if (ListBox* source = listBoxSource(event))
        emit dragOver(source, accept);
    if (!accept) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void ListBox::dropEvent(QDropEvent* event)
{
    ListBox* source = listBoxSource(event);
    if (!source) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit dragDrop(source);
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    bool handled = false;
    emit keyDown(event->key(), handled);
    if (handled)
        event->accept();
    else
        QListWidget::keyPressEvent(event);
}

} // namespace platform
