#include "htmlview.h"

#include "dom.h"
#include "domautomation.h"
#include "frameset.h"
#include "loadedpage.h"
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

HtmlView::~HtmlView() = default;

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
    ParsedPage shown = shownPage(m_location);
    const PageSource& source = shown.source;
    // Tearing down a long page takes a while; it is done once the new one is up.
    std::shared_ptr<LoadedPage> previous(m_page.release());
    if (previous)
        previous->detach();
    QTimer::singleShot(0, this, [previous]() mutable { previous.reset(); });
    const QString folder = source.found ? QFileInfo(source.filePath).absolutePath() : QString();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    // The document tells the charset of the page it shows (a frameset's frame).
    shown.document->setCharset(source.charset);
    m_page = std::make_unique<LoadedPage>(std::move(shown.document), folder, *this,
                                          [this](const QString& path) { Navigate(path); });
    emit DocumentComplete();
    // Built after what the windows do on completion (their class writes then
    // cost nothing); if the paint comes first, it builds the page itself.
    const quint64 navigation = m_navigation;
    QTimer::singleShot(0, this, [this, navigation] {
        if (navigation == m_navigation && m_page)
            m_page->renderer();
    });
    viewport()->update();
}

PageRenderer* HtmlView::builtRenderer() const
{
    return m_page ? m_page->builtRenderer() : nullptr;
}

Variant HtmlView::Document() const
{
    if (!m_page)
        return {};
    return documentObject(m_page->document());
}

QRect HtmlView::elementBox(const QString& id) const
{
    if (!m_page)
        return {};
    const DomNode* element = m_page->document()->elementById(id);
    return element ? m_page->renderer().elementBox(*element) : QRect();
}

QString HtmlView::styleOf(const QString& id, const char* property) const
{
    if (!m_page)
        return {};
    const DomNode* element = m_page->document()->elementById(id);
    return element ? m_page->renderer().styleOf(*element, property) : QString();
}

QFont HtmlView::fontOf(const QString& id) const
{
    if (!m_page)
        return {};
    const DomNode* element = m_page->document()->elementById(id);
    return element ? m_page->renderer().fontOf(*element) : QFont();
}

int HtmlView::scrollPosition() const
{
    return verticalScrollBar()->value();
}

void HtmlView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (m_page)
        m_page->renderer().paint(painter, event->rect());
    else
        painter.fillRect(event->rect(), Qt::white);
}

void HtmlView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    // Before the page is built there is nothing to lay out anew.
    if (PageRenderer* renderer = builtRenderer())
        renderer->resized();
}

void HtmlView::scrollContentsBy(int, int)
{
    if (PageRenderer* renderer = builtRenderer())
        renderer->placeControls();
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
    PageRenderer* renderer = builtRenderer();
    if (renderer && renderer->mouseMove(event->position().toPoint()))
        viewport()->update();
}

void HtmlView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    PageRenderer* renderer = builtRenderer();
    if (renderer && event->button() == Qt::LeftButton)
        renderer->mouseDown(event->position().toPoint());
}

void HtmlView::mouseReleaseEvent(QMouseEvent* event)
{
    PageRenderer* renderer = builtRenderer();
    if (renderer && event->button() == Qt::LeftButton)
        renderer->mouseUp(event->position().toPoint());
}

void HtmlView::leaveEvent(QEvent* event)
{
    if (PageRenderer* renderer = builtRenderer())
        renderer->mouseLeave();
    QAbstractScrollArea::leaveEvent(event);
}

} // namespace platform
