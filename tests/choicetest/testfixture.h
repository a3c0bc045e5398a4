#pragma once

#include "choicetest/Multi.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/tempcourse.h"
#include "tests/support/windows.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>

namespace choicetest {

// A test page: the body given, in the course's own head with Windows-1251
// declared, as the course pages are written.
QByteArray testPage(const QByteArray& body);

// The seven windows on a temporary course, the choice test showing a page
// in a mode, as the launcher leaves it.
class ChoiceTest : public ::testing::Test {
protected:
    ChoiceTest();

    // Writes the page as data/text/test.htm and loads it into the test.
    void showPage(const QByteArray& html, const QString& mode, int secondsLeft = 60);
    TMultiFrm& test() { return *MultiFrm; }
    platform::Variant element(const QString& id);
    // The classes of the mark elements f1 ... fN.
    QStringList markClasses(int n);
    // The results boxes shown so far, by their texts.
    QStringList results() const;

    testsupport::TempCourse course;
    testsupport::FakeDesktop desktop;
    testsupport::Windows windows{course.root()};
};

} // namespace choicetest
