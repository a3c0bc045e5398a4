#pragma once

#include "platform/form.h"
#include "platform/media/virtualaudio.h"
#include "workshop/Worktxt.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/tempcourse.h"
#include "tests/support/windows.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>

namespace workshoptest {

// A page with one phrase element "tN" and one anchor "aN" per class given.
QByteArray pageWithPhrases(const QStringList& classes);

// The seven windows on a temporary course with a virtual sound device, the
// unit button's pictures and an 18 s silent lesson sound. Lessons are added to the
// catalogue and run through the launcher; the modal show returns at once
// (after whileShown, if set), leaving the workshop as the learner finds it.
class WorkshopTest : public ::testing::Test {
protected:
    WorkshopTest();
    ~WorkshopTest() override;

    // A lesson of the kind on the pages data\text\left.htm and right.htm.
    void addLesson(const QString& kind, const QString& marksName = QStringLiteral("m.txt"));
    void run(int lesson);
    // Writes the pages and marks, runs a kind "2" lesson and waits until
    // both pages have loaded and show phrase 1.
    void open(const QStringList& marks = fiveMarks, const QStringList& leftClasses = leftPage,
              const QStringList& rightClasses = rightPage);
    // data\text\left.htm and right.htm with phrases of these classes.
    void writePages(const QStringList& leftClasses = leftPage, const QStringList& rightClasses = rightPage);
    void waitForPages();
    // Moves the sound clock, then runs one tick.
    void tickAfter(int ms);
    void ticks(int count);

    QStringList left() const;
    QStringList right() const;
    QList<int> highlightedLeft() const;
    QList<int> highlightedRight() const;
    TWorkTxtFrm& workshop() { return *WorkTxtFrm; }

    static const QStringList fiveMarks;
    // Phrase 2 is of the second kind on both pages, phrase 4 on the right.
    static const QStringList leftPage;
    static const QStringList rightPage;

    platform::VirtualAudioDevice audio;
    testsupport::TempCourse course;
    testsupport::FakeDesktop desktop;
    testsupport::Windows windows{course.root()};
    int shows = 0;
    std::function<void()> whileShown;

private:
    QStringList classes(platform::HtmlView* view, qsizetype phrases) const;

    qsizetype m_leftPhrases = 0;
    qsizetype m_rightPhrases = 0;
    platform::Form::ModalHook m_previousHook;
};

} // namespace workshoptest
