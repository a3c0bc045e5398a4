#pragma once

#include "dom.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class QAbstractScrollArea;
class QPainter;

namespace platform {

// Lays out and draws one loaded page in a scroll area's viewport and keeps
// the page in step with its DOM: class changes restyle, form state shows in
// the widgets, in-page links scroll.
class PageRenderer final : public DomObserver {
public:
    PageRenderer(std::shared_ptr<DomDocument> document, const QString& pageFolder, QAbstractScrollArea& view,
                 std::function<void(const QString& href)> linkClicked);
    ~PageRenderer();

    // Lays the page out for the viewport's width and places the widgets.
    void layout();
    // After the viewport changed size: lays out again unless the page was
    // already laid out for this size.
    void resized();
    // Draws the part of the page in the viewport rectangle given.
    void paint(QPainter& painter, const QRect& area);
    // Keeps the widgets over their boxes after scrolling.
    void placeControls();
    // Takes the page's widgets off the view.
    void hide();

    QRect elementBox(const DomNode& element) const;
    QString styleOf(const DomNode& element, const char* property) const;
    QFont fontOf(const DomNode& element) const;
    bool mouseMove(const QPoint& viewportPos);
    void mouseDown(const QPoint& viewportPos);
    void mouseUp(const QPoint& viewportPos);
    void mouseLeave();

    void classChanged(DomNode& element) override;
    void formStateChanged(DomNode& element) override;
    void scrollIntoView(DomNode& target) override;

private:
    struct State;
    std::unique_ptr<State> m;
};

} // namespace platform
