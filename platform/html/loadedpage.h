#pragma once

#include "dom.h"

#include <QString>

#include <functional>
#include <memory>

class QAbstractScrollArea;

namespace platform {

class PageRenderer;

// One loaded page: its DOM from the start, its rendering from the first
// moment something needs it (a paint, a box, a scroll to an anchor). Until
// then automation changes only the DOM, and the rendering, once built,
// starts from the DOM as it then stands. The layout engine's document is
// most of the cost of a load; the windows' work on DocumentComplete needs
// only the DOM.
class LoadedPage final : public DomObserver {
public:
    LoadedPage(std::shared_ptr<DomDocument> document, QString pageFolder, QAbstractScrollArea& view,
               std::function<void(const QString& path)> navigate);
    ~LoadedPage();

    const std::shared_ptr<DomDocument>& document() const { return m_document; }

    // The rendering, built now if it was not yet.
    PageRenderer& renderer();
    // The rendering if it was built, else null.
    PageRenderer* builtRenderer() const { return m_renderer.get(); }

    // The view moves on to another page: this one stops following its DOM
    // (references the windows still hold stay usable) and its widgets leave
    // the view.
    void detach();

    void classChanged(DomNode& element) override;
    void formStateChanged(DomNode& element) override;
    void scrollIntoView(DomNode& target) override;

private:
    std::shared_ptr<DomDocument> m_document;
    QString m_pageFolder;
    QAbstractScrollArea& m_view;
    std::function<void(const QString&)> m_navigate;
    std::unique_ptr<PageRenderer> m_renderer;
};

} // namespace platform
