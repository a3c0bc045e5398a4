#pragma once

#include "tempcourse.h"
#include "windows.h"

#include <QString>

#include <functional>
#include <memory>

namespace testsupport {

// A copy of the sample course with its intro screen and start page switched
// off, the seven windows on it and the main window shown, its start-up
// routine run. `edit` changes the copy before the program starts on it.
class SampleCourseWindows {
public:
    explicit SampleCourseWindows(const std::function<void(const TempCourse&)>& edit = {});
    ~SampleCourseWindows();

    // Selects the first lesson of this kind in the tree and clicks Run lesson.
    void runFirstOfKind(const QString& kind);

    TempCourse course{QStringLiteral(SAMPLE_COURSE_DIR)};

private:
    std::unique_ptr<Windows> m_windows;
};

} // namespace testsupport
