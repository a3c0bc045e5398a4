#include "htmlview.h"

#include "domautomation.h"
#include "domparser.h"
#include "pagesource.h"

#include <QTimer>

namespace platform {

HtmlView::HtmlView(QWidget* parent)
    : QWidget(parent)
{
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
    const PageSource source = loadPageSource(m_location);
    m_dom = parseHtml(source.text);
    emit DocumentComplete();
}

Variant HtmlView::Document() const
{
    if (!m_dom)
        return {};
    return documentObject(m_dom);
}

} // namespace platform
