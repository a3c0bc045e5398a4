#include "loadedpage.h"

#include "pagerenderer.h"

namespace platform {

LoadedPage::LoadedPage(std::shared_ptr<DomDocument> document, QString pageFolder, QAbstractScrollArea& view,
                       std::function<void(const QString&)> navigate)
    : m_document(std::move(document)), m_pageFolder(std::move(pageFolder)), m_view(view),
      m_navigate(std::move(navigate))
{
    m_document->setObserver(this);
}

LoadedPage::~LoadedPage()
{
    if (m_document->observer() == this)
        m_document->setObserver(nullptr);
}

PageRenderer& LoadedPage::renderer()
{
    if (!m_renderer)
        m_renderer = std::make_unique<PageRenderer>(m_document, m_pageFolder, m_view, m_navigate);
    return *m_renderer;
}

void LoadedPage::detach()
{
    if (m_document->observer() == this)
        m_document->setObserver(nullptr);
    if (m_renderer)
        m_renderer->hide();
}

// Before the rendering exists there is nothing to update: it will be built
// from the DOM, which already holds the change.
void LoadedPage::classChanged(DomNode& element)
{
    if (m_renderer)
        m_renderer->classChanged(element);
}

void LoadedPage::formStateChanged(DomNode& element)
{
    if (m_renderer)
        m_renderer->formStateChanged(element);
}

// Scrolling needs the boxes, so the rendering is built for it.
void LoadedPage::scrollIntoView(DomNode& target)
{
    renderer().scrollIntoView(target);
}

} // namespace platform
