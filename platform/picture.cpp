#include "picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

Picture::Picture(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void Picture::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void Picture::setHandCursor()
{
    setCursor(Qt::PointingHandCursor);
}

void Picture::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void Picture::mouseMoveEvent(QMouseEvent*)
{
    emit mouseMoved();
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace platform
