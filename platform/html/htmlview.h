#pragma once

#include "variant.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QRect>

#include <memory>

namespace platform {

class LoadedPage;
class PageRenderer;

// The embedded HTML view. Navigate starts loading a local page and returns at
// once; DocumentComplete is raised from the event loop when the page is
// ready. Document is the loaded page's document as an automation object.
// The page is laid out and drawn by litehtml; its form controls are real
// widgets on the viewport. Laying out follows completion: from the event
// loop, at the latest in the first paint, or at once when a box is needed.
// No script runs and nothing is fetched from outside the local file system.
class HtmlView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // path as the program builds it (backslashes allowed).
    void Navigate(const QString& path);
    // The path last navigated to, as given.
    QString LocationURL() const { return m_location; }
    // Empty until the first page has loaded.
    Variant Document() const;

    // The border box of the first element with this id, in page
    // coordinates; empty when there is none or it is not shown.
    QRect elementBox(const QString& id) const;
    // The value the page's style gives a CSS property of the first element
    // with this id (inherited properties from its ancestors); empty when
    // none does or there is no such element.
    QString styleOf(const QString& id, const char* property) const;
    // The font the element's text is drawn in.
    QFont fontOf(const QString& id) const;
    // The page row shown at the top of the viewport.
    int scrollPosition() const;

signals:
    void DocumentComplete();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void load();
    // The page's rendering if it was built; null before.
    PageRenderer* builtRenderer() const;

    QString m_location;
    quint64 m_navigation = 0;
    std::unique_ptr<LoadedPage> m_page;
};

} // namespace platform
