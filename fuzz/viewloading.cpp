#include "viewloading.h"

#include "fuzzsupport.h"

#include <QCoreApplication>

namespace fuzzsupport {

void loadPage(platform::HtmlView& view, const std::vector<uint8_t>& page)
{
    bool complete = false;
    const QMetaObject::Connection completion =
        QObject::connect(&view, &platform::HtmlView::DocumentComplete, [&complete] { complete = true; });
    view.Navigate(inputFile(page.data(), page.size(), ".htm"));
    // Loading takes a few turns of the loop; a page that never completes
    // is a hang, which the fuzzer's time-out reports.
    while (!complete)
        QCoreApplication::processEvents();
    QObject::disconnect(completion);
}

} // namespace fuzzsupport
