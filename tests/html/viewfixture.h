#pragma once

#include "platform/html/htmlview.h"
#include "tests/support/tempcourse.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace htmltest {

// Navigates and runs posted events until the view reports completion.
// Returns the number of DocumentComplete signals seen.
int loadInto(platform::HtmlView& view, const QString& path);

// How many pixels of the box, in viewport coordinates, have this colour.
int pixelsOf(const QImage& image, const QRect& box, const QColor& colour);

// A view showing one page written into a temporary course folder.
class PageFixture {
public:
    explicit PageFixture(const QByteArray& html, const QString& name = QStringLiteral("page.htm"));

    testsupport::TempCourse course;
    platform::HtmlView view;
    platform::Variant document;
};

} // namespace htmltest
