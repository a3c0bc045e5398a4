#pragma once

#include "platform/form.h"
#include "shell/Main.h"
#include "platform/stringlist.h"
#include "support/fakedesktop.h"
#include "support/tempcourse.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <memory>

// A copy of the sample course with the seven windows made on it. Modal
// shows are recorded instead of run; the intro and the start page are off
// unless a test turns them on.
class CourseFixture : public ::testing::Test {
public:
    CourseFixture()
    {
        setWindLine(2, "False");
        setWindLine(5, "False");
        m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
            modalShows.append(window.objectName());
            return 0;
        });
    }

    ~CourseFixture() override
    {
        windows.reset();
        platform::Form::installModalHook(std::move(m_previousHook));
    }

    void setWindLine(int line, const QString& value)
    {
        QStringList lines = platform::StringList::load(course.root() + "\\wind.mtp").lines();
        lines[line] = value;
        platform::StringList(lines).save(course.root() + "\\wind.mtp");
    }

    void createWindows() { windows = std::make_unique<testsupport::Windows>(course.root()); }

    // Creates the windows and shows the main window, which runs the
    // start-up routine.
    void start()
    {
        createWindows();
        MainFrm->show();
    }

    QString descr(const QString& page) const { return course.root() + "\\data\\descr\\" + page; }

    testsupport::TempCourse course{QStringLiteral(SAMPLE_COURSE_DIR)};
    testsupport::FakeDesktop desktop;
    std::unique_ptr<testsupport::Windows> windows;
    QStringList modalShows;

private:
    platform::Form::ModalHook m_previousHook;
};
