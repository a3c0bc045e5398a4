#pragma once

#include "variant.h"

#include <QWidget>

namespace platform {

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
    QString m_location;
};

} // namespace platform
