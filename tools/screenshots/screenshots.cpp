// Starts the program offscreen on a copy of the sample course and saves
// pictures of the main window, the intro screen, the page viewer, the
// listening player in the middle of a lesson, the sorting exercise half
// sorted, a graded choice test after Check, a free-answer test being written
// and the workshop looping a unit.
#include "choicetest/Multi.h"
#include "launcher/View.h"
#include "launcher/launcher.h"
#include "launcher/windows.h"
#include "player/Viewtxt.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/media/virtualaudio.h"
#include "shell/Intro.h"
#include "shell/Main.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <string_view>
#include <utility>

namespace {

void settle()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

void save(QWidget* window, const QString& folder, const char* name)
{
    settle();
    const QString path = folder + u'/' + QString::fromLatin1(name);
    if (!window->grab().save(path))
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void click(const platform::Variant& document, const char* id)
{
    document.get(QStringLiteral("all")).get(QString::fromLatin1(id)).call(QStringLiteral("click"));
}

// Part of the way through, some answers wrong, graded as Check grades (the
// results box is left out of the picture).
void gradeSomeWrongAnswers()
{
    settle();
    for (int i = 0; i < 17; ++i)
        MultiFrm->Timer1Timer();
    const platform::Variant document = MultiFrm->CppWebBrowser1->Document();
    for (const char* id : {"q2", "q5", "q9", "q12", "q13", "q15", "q16"})
        click(document, id);
    MultiFrm->Timer1->setEnabled(false);
    MultiFrm->gradeAnswers();
}

// The first answers typed, in page order, the countdown running.
void writeSomeAnswers()
{
    settle();
    for (int i = 0; i < 95; ++i)
        MultiFrm->Timer1Timer();
    const platform::Variant document = MultiFrm->CppWebBrowser1->Document();
    const std::pair<const char*, const char*> answers[] = {
        {"input", "My name is Anna."},
        {"input", "I live in Tver."},
        {"textarea", "I am from Tver. It is an old town on the Volga, with a lot of parks."},
    };
    int inputs = 0;
    for (const auto& [tag, text] : answers) {
        const int index = tag == std::string_view("input") ? inputs++ : 0;
        document.call(QStringLiteral("getElementsByTagName"), {QString::fromLatin1(tag)})
            .call(QStringLiteral("item"), {index})
            .set(QStringLiteral("value"), QString::fromUtf8(text));
    }
    MultiFrm->Timer1->setEnabled(false);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots")).absolutePath();
    QDir().mkpath(out);

    QTemporaryDir course;
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), QStringLiteral(SAMPLE_COURSE_DIR "/."), course.path()});
    platform::VirtualAudioDevice audio;
    QDir::setCurrent(course.path());
    createWindows();

    platform::Form::installModalHook([&](platform::Form& window) {
        window.show();
        if (&window == IntroFrm) {
            audio.advance(1000);
            save(IntroFrm, out, "intro.png");
            IntroFrm->Image1Click();
        } else if (&window == ViewFrm) {
            save(ViewFrm, out, "viewer.png");
            ViewFrm->m11Click();
        } else if (&window == ViewTxtFrm) {
            settle();
            ViewTxtFrm->m11Click();
            while (ViewTxtFrm->currentPhrase < 3 && ViewTxtFrm->Timer1->enabled()) {
                audio.advance(250);
                ViewTxtFrm->Timer1Timer();
            }
            save(ViewTxtFrm, out, "player.png");
            ViewTxtFrm->m55Click();
        } else if (&window == WorkTxtFrm) {
            // Phrases 2 to 4 marked as a unit, looping, at phrase 3.
            settle();
            WorkTxtFrm->TrackBar1->setPosition(1);
            WorkTxtFrm->caaClick();
            WorkTxtFrm->TrackBar1->setPosition(3);
            WorkTxtFrm->caaClick();
            WorkTxtFrm->caaClick();
            while (WorkTxtFrm->currentPhrase < 3 && WorkTxtFrm->Timer1->enabled()) {
                audio.advance(250);
                WorkTxtFrm->Timer1Timer();
            }
            WorkTxtFrm->Timer1Timer();
            save(WorkTxtFrm, out, "workshop.png");
            WorkTxtFrm->m55Click();
        } else if (&window == frmSort) {
            // Places in the middle, transport on the right, the rest still
            // in the pool.
            const QStringList right{QStringLiteral("bus"), QStringLiteral("taxi"), QStringLiteral("tram")};
            const QStringList middle{QStringLiteral("bank"), QStringLiteral("park"), QStringLiteral("museum")};
            for (int row = frmSort->ListBox1->count() - 1; row >= 0; --row) {
                const QString item = frmSort->ListBox1->item(row)->text();
                platform::ListBox* target = right.contains(item)    ? frmSort->ListBox2
                                            : middle.contains(item) ? frmSort->ListBox3
                                                                    : nullptr;
                frmSort->ListBox1->setItemIndex(row);
                if (target)
                    frmSort->ListBoxDragDrop(target, frmSort->ListBox1);
            }
            frmSort->ListBox1->setItemIndex(0);
            for (int tick = 0; tick < 42; ++tick)
                frmSort->Timer1Timer();
            save(frmSort, out, "sorting.png");
            frmSort->m55Click();
        } else if (&window == MultiFrm && MultiFrm->testMode == u"multi") {
            gradeSomeWrongAnswers();
            save(MultiFrm, out, "choicetest.png");
            MultiFrm->m55Click();
        } else if (&window == MultiFrm) {
            writeSomeAnswers();
            save(MultiFrm, out, "freeanswer.png");
            MultiFrm->m55Click();
        }
        window.close();
        return 0;
    });

    MainFrm->show();
    // The learner opens the first unit and clicks its first lesson.
    platform::TreeView& tree = *MainFrm->TreeView1;
    tree.node(0)->setExpanded(true);
    tree.selectNode(tree.node(1));
    MainFrm->TreeView1Click();
    save(MainFrm, out, "main.png");
    runSelectedLesson();
    tree.selectNode(tree.node(int(MainFrm->lessonKinds.lines().indexOf(QStringLiteral("9")))));
    runSelectedLesson();
    tree.selectNode(tree.node(int(MainFrm->lessonKinds.lines().indexOf(QStringLiteral("5")))));
    runSelectedLesson();
    tree.selectNode(tree.node(int(MainFrm->lessonKinds.lines().indexOf(QStringLiteral("6")))));
    runSelectedLesson();
    tree.selectNode(tree.node(int(MainFrm->lessonKinds.lines().indexOf(QStringLiteral("2")))));
    runSelectedLesson();

    destroyWindows();
    return 0;
}
