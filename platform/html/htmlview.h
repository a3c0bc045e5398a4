#pragma once

#include "variant.h"

#include <QWidget>

#include <memory>

namespace platform {

class DomDocument;

// The embedded HTML view. Navigate starts loading a local page and returns at
// once; DocumentComplete is raised from the event loop when the page is
// ready. Document is the loaded page's document as an automation object.
class HtmlView : public QWidget {
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

signals:
    void DocumentComplete();

private:
    void load();

    QString m_location;
    quint64 m_navigation = 0;
    std::shared_ptr<DomDocument> m_dom;
};

} // namespace platform
