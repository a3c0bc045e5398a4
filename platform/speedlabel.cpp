#include "speedlabel.h"

#include <QEvent>

namespace platform {

namespace {
constexpr int cornerGap = 8;
}

SpeedLabel::SpeedLabel(QWidget* page) : QLabel(page), m_shown(new QTimer(this))
{
    setObjectName(QStringLiteral("SpeedLabel"));
    setStyleSheet(QStringLiteral("background: rgba(0, 0, 0, 150); color: white; border-radius: 4px; padding: 2px 6px;"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_shown->setSingleShot(true);
    m_shown->setInterval(shownMs);
    connect(m_shown, &QTimer::timeout, this, &SpeedLabel::expire);
    page->installEventFilter(this); // stays in the corner when the page is resized
    hide();
}

void SpeedLabel::showSpeed(int tenths)
{
    setText(QStringLiteral("%1.%2x").arg(tenths / 10).arg(tenths % 10));
    adjustSize();
    placeInCorner();
    show();
    raise();
    m_shown->start();
}

void SpeedLabel::expire()
{
    m_shown->stop();
    hide();
}

bool SpeedLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        placeInCorner();
    return QLabel::eventFilter(watched, event);
}

void SpeedLabel::placeInCorner()
{
    move(parentWidget()->width() - width() - cornerGap, cornerGap);
}

} // namespace platform
