#pragma once

#include <QListWidget>
#include <QStringList>

namespace platform {

// A list box whose rows are dragged between the list boxes of a window: a
// press selects the row under the pointer, a move drags it. The window
// decides: each drag over the list box asks it through dragOver, a drop
// tells it through dragDrop, both naming the list box the drag came from;
// the list box itself moves no row. A key press goes to the window through
// keyDown before the list box's own keys.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // The row of the selected item; -1 when no item is selected.
    int itemIndex() const;
    void setItemIndex(int row);
    QStringList items() const;
    void setItems(const QStringList& items);

signals:
    void dragOver(platform::ListBox* source, bool& accept);
    void dragDrop(platform::ListBox* source);
    void keyDown(int key, bool& handled);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void askDragOver(QDragMoveEvent* event);
};

} // namespace platform
