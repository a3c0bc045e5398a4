#include "viewfixture.h"

#include <QCoreApplication>

namespace htmltest {

int loadInto(platform::HtmlView& view, const QString& path)
{
    int completions = 0;
    const auto connection = QObject::connect(&view, &platform::HtmlView::DocumentComplete, [&] { ++completions; });
    view.Navigate(path);
    for (int round = 0; round < 100 && completions == 0; ++round)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QObject::disconnect(connection);
    return completions;
}

int pixelsOf(const QImage& image, const QRect& box, const QColor& colour)
{
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (image.rect().contains(x, y) && image.pixelColor(x, y) == colour)
                ++count;
        }
    }
    return count;
}

PageFixture::PageFixture(const QByteArray& html, const QString& name)
{
    course.write(name, html);
    view.resize(640, 480);
    loadInto(view, course.root() + u'/' + name);
    document = view.Document();
}

} // namespace htmltest
