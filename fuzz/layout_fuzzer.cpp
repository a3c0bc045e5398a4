// A page laid out and painted in the view: at a width and height the input
// chooses, scrolled to its middle and its end, pointed at and clicked.

#include "fuzzsupport.h"
#include "viewloading.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The view's size comes from the input's last bytes, so that any page,
    // a seed included, is a whole input.
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(1, 1200);
    const int height = input.ConsumeIntegralInRange(1, 900);
    const int pointX = input.ConsumeIntegralInRange(0, width);
    const int pointY = input.ConsumeIntegralInRange(0, height);
    const std::vector<uint8_t> page = input.ConsumeRemainingBytes<uint8_t>();

    platform::HtmlView view;
    view.resize(width, height);
    view.show();
    fuzzsupport::loadPage(view, page);
    view.viewport()->grab();
    QScrollBar* const scroll = view.verticalScrollBar();
    for (const int position : {scroll->maximum() / 2, scroll->maximum()}) {
        scroll->setValue(position);
        view.viewport()->grab();
    }
    const QPointF point(pointX, pointY);
    for (const QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, view.viewport()->mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &event);
    }
    QCoreApplication::processEvents();
    view.viewport()->grab();
    return 0;
}
