#include "workshopfixture.h"

#include "launcher/launcher.h"
#include "tests/player/playerfixture.h"
#include "shell/Main.h"

#include <QCoreApplication>
#include <QFile>

namespace workshoptest {

const QStringList WorkshopTest::fiveMarks{"1000", "2000", "3000", "4000", "5000"};
const QStringList WorkshopTest::leftPage{"text", "comm", "text", "text", "text"};
const QStringList WorkshopTest::rightPage{"text", "comm", "text", "comm", "text"};

QByteArray pageWithPhrases(const QStringList& classes)
{
    QByteArray html = "<html><body>";
    for (qsizetype n = 1; n <= classes.size(); ++n) {
        const QByteArray number = QByteArray::number(n);
        html += "<p><a id=\"a" + number + "\" href=\"#t" + number + "\">" + number + "</a> <span id=\"t" + number
                + "\" class=\"" + classes[n - 1].toLatin1() + "\">Phrase " + number + ".</span></p>";
    }
    return html + "</body></html>";
}

WorkshopTest::WorkshopTest()
{
    MainFrm->courseRootSlash = MainFrm->courseRoot + u'\\';
    const QString sample = QStringLiteral(SAMPLE_COURSE_DIR);
    for (const char* name : {"c1.jpg", "c1a.jpg", "c2.jpg", "c2a.jpg", "c3.jpg", "c3a.jpg"}) {
        QFile picture(sample + "/gdata/" + name);
        EXPECT_TRUE(picture.open(QIODevice::ReadOnly));
        course.write(QStringLiteral("gdata/") + name, picture.readAll());
    }
    // At 8000 frames a second every millisecond is a whole number of frames.
    course.write(QStringLiteral("data/sound/lesson.wav"), playertest::waveFile(18000));
    m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
        ++shows;
        EXPECT_EQ(&window, WorkTxtFrm);
        if (whileShown)
            whileShown();
        return 0;
    });
}

WorkshopTest::~WorkshopTest()
{
    platform::Form::installModalHook(m_previousHook);
}

void WorkshopTest::addLesson(const QString& kind, const QString& marksName)
{
    MainFrm->lessonKinds.append(kind);
    MainFrm->windowTitles.append(QStringLiteral("Workshop"));
    MainFrm->textNames.append(QStringLiteral("left.htm"));
    MainFrm->transNames.append(QStringLiteral("right.htm"));
    MainFrm->marksNames.append(marksName);
    MainFrm->soundNames.append(QStringLiteral("lesson.wav"));
    MainFrm->timeLimits.append(QStringLiteral("0"));
    MainFrm->TreeView1->addNode(nullptr, QStringLiteral("Workshop"));
}

void WorkshopTest::run(int lesson)
{
    MainFrm->TreeView1->selectNode(MainFrm->TreeView1->node(lesson));
    runSelectedLesson();
}

void WorkshopTest::open(const QStringList& marks, const QStringList& leftClasses, const QStringList& rightClasses)
{
    writePages(leftClasses, rightClasses);
    course.writeLines(QStringLiteral("data/marks/m.txt"), marks);
    addLesson(QStringLiteral("2"));
    run(int(MainFrm->lessonKinds.count()) - 1);
    ASSERT_EQ(shows, 1);
    waitForPages();
}

void WorkshopTest::writePages(const QStringList& leftClasses, const QStringList& rightClasses)
{
    course.write(QStringLiteral("data/text/left.htm"), pageWithPhrases(leftClasses));
    course.write(QStringLiteral("data/text/right.htm"), pageWithPhrases(rightClasses));
    m_leftPhrases = leftClasses.size();
    m_rightPhrases = rightClasses.size();
}

void WorkshopTest::waitForPages()
{
    for (int i = 0; i < 100 && !(workshop().leftHighlighted && workshop().rightHighlighted); ++i)
        QCoreApplication::processEvents();
    ASSERT_EQ(workshop().leftHighlighted, 1);
    ASSERT_EQ(workshop().rightHighlighted, 1);
}

void WorkshopTest::tickAfter(int ms)
{
    audio.advance(ms);
    workshop().Timer1Timer();
}

void WorkshopTest::ticks(int count)
{
    for (int i = 0; i < count; ++i)
        tickAfter(250);
}

QStringList WorkshopTest::classes(platform::HtmlView* view, qsizetype phrases) const
{
    const platform::Variant all = view->Document().get(QStringLiteral("all"));
    QStringList found;
    for (qsizetype n = 1; n <= phrases; ++n)
        found.append(all.get(u't' + QString::number(n)).get(QStringLiteral("className")).toText());
    return found;
}

QStringList WorkshopTest::left() const
{
    return classes(WorkTxtFrm->CppWebBrowser1, m_leftPhrases);
}

QStringList WorkshopTest::right() const
{
    return classes(WorkTxtFrm->CppWebBrowser2, m_rightPhrases);
}

namespace {

QList<int> highlighted(const QStringList& classes)
{
    QList<int> phrases;
    for (qsizetype n = 1; n <= classes.size(); ++n) {
        if (classes[n - 1] == u"instext" || classes[n - 1] == u"inscomm")
            phrases.append(int(n));
    }
    return phrases;
}

} // namespace

QList<int> WorkshopTest::highlightedLeft() const
{
    return highlighted(left());
}

QList<int> WorkshopTest::highlightedRight() const
{
    return highlighted(right());
}

} // namespace workshoptest
