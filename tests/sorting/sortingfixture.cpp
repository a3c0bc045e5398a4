#include "sortingfixture.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace sortingtest {

void pressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

void dragItem(platform::ListBox* from, int row, platform::ListBox* to)
{
    from->setItemIndex(row);
    if (frmSort->ListBoxDragOver(to, from))
        frmSort->ListBoxDragDrop(to, from);
}

} // namespace sortingtest
