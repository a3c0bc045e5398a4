#include "htmlview.h"

#include "dom.h"
#include "domautomation.h"
#include "domparser.h"
#include "pagerenderer.h"
#include "pagesource.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

namespace platform {

HtmlView::HtmlView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
}

HtmlView::~HtmlView()
{
    if (m_dom)
        m_dom->setObserver(nullptr);
    m_renderer.reset();
}

void HtmlView::Navigate(const QString& path)
{
    m_location = path;
    const quint64 navigation = ++m_navigation;
    // Loading runs from the event loop; a later Navigate supersedes this one.
    QTimer::singleShot(0, this, [this, navigation] {
        if (navigation == m_navigation)
            load();
    });
}

void HtmlView::load()
{
    const PageSource source = loadPageSource(m_location);
    if (m_dom)
        m_dom->setObserver(nullptr); // references the windows still hold stay usable
    // Tearing down a long page takes a while; it is done once the new one is up.
    std::shared_ptr<PageRenderer> previous(m_renderer.release());
    if (previous)
        previous->hide();
    QTimer::singleShot(0, this, [previous]() mutable { previous.reset(); });
    m_dom = parseHtml(source.text);
    const QString folder = source.found ? QFileInfo(source.filePath).absolutePath() : QString();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    m_renderer = std::make_unique<PageRenderer>(m_dom, folder, *this, [this](const QString& path) { Navigate(path); });
    m_dom->setObserver(m_renderer.get());
    emit DocumentComplete();
}

Variant HtmlView::Document() const
{
    if (!m_dom)
        return {};
    return documentObject(m_dom);
}

QRect HtmlView::elementBox(const QString& id) const
{
    if (!m_dom || !m_renderer)
        return {};
    const DomNode* element = m_dom->elementById(id);
    return element ? m_renderer->elementBox(*element) : QRect();
}

int HtmlView::scrollPosition() const
{
    return verticalScrollBar()->value();
}

void HtmlView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (m_renderer)
        m_renderer->paint(painter, event->rect());
    else
        painter.fillRect(event->rect(), Qt::white);
}

void HtmlView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_renderer)
        m_renderer->layout();
}

void HtmlView::scrollContentsBy(int, int)
{
    if (m_renderer)
        m_renderer->placeControls();
    viewport()->update();
}

void HtmlView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Down: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_Up: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_PageDown:
    case Qt::Key_Space: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_PageUp: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_Home: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void HtmlView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_renderer && m_renderer->mouseMove(event->position().toPoint()))
        viewport()->update();
}

void HtmlView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (m_renderer && event->button() == Qt::LeftButton)
        m_renderer->mouseDown(event->position().toPoint());
}

void HtmlView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_renderer && event->button() == Qt::LeftButton)
        m_renderer->mouseUp(event->position().toPoint());
}

void HtmlView::leaveEvent(QEvent* event)
{
    if (m_renderer)
        m_renderer->mouseLeave();
    QAbstractScrollArea::leaveEvent(event);
}

} // namespace platform
