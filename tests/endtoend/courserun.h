#pragma once

#include "platform/form.h"
#include "platform/media/virtualaudio.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/samplecourse.h"

#include <gtest/gtest.h>

#include <QList>
#include <QSet>

#include <functional>
#include <memory>
#include <vector>

namespace platform {
class HtmlView;
}

namespace endtoend {

// The program on a copy of the sample course, as a learner meets it: the
// main window shown after the start-up routine, the exercise windows shown
// for real when the launcher shows them modally and driven by `inWindow`,
// sound and recording on the virtual device's clock.
class CourseRun : public ::testing::Test {
protected:
    explicit CourseRun(const std::function<void(const testsupport::TempCourse&)>& edit = {});
    ~CourseRun() override;

    const testsupport::TempCourse& course() const { return m_windows->course; }
    // The window a lesson kind runs in; none for a code that launches
    // nothing.
    static platform::Form* windowOfKind(const QString& kind);
    // Selects the tree node as the learner's click does.
    static void select(int lesson);
    // Selects the first lesson of this kind and clicks Run lesson.
    static void runFirstOfKind(const QString& kind);
    // Runs the events until every view has loaded the page navigated to
    // since the last launch.
    void waitForPages(std::initializer_list<platform::HtmlView*> views);

    platform::VirtualAudioDevice audio;
    testsupport::FakeDesktop desktop;
    // The windows shown modally, in order.
    std::vector<platform::Form*> shown;
    std::function<void(platform::Form&)> inWindow;

private:
    platform::Form::ModalHook m_previousHook;
    std::unique_ptr<testsupport::SampleCourseWindows> m_windows;
    QSet<platform::HtmlView*> m_loaded;
};

} // namespace endtoend
