#include "splitter.h"

#include <QMouseEvent>

Splitter::Splitter(QWidget* resized, QWidget* parent)
    : QWidget(parent)
    , m_resized(resized)
{
    setFixedWidth(1);
    setCursor(Qt::SplitHCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
}

void Splitter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_grabX = qRound(event->globalPosition().x());
    m_grabWidth = m_resized->width();
}

void Splitter::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int room = parentWidget()->width() - width();
    const int wanted = m_grabWidth + qRound(event->globalPosition().x()) - m_grabX;
    m_resized->setFixedWidth(std::clamp(wanted, minimumSide, std::max(minimumSide, room - minimumSide)));
}
