#include "htmlview.h"

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
    QTimer::singleShot(0, this, &HtmlView::DocumentComplete);
}

Variant HtmlView::Document() const
{
    return {};
}

} // namespace platform
