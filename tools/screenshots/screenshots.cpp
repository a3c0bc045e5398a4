// Starts the program offscreen on a copy of the sample course and saves
// pictures of the main window, the intro screen, the page viewer and the
// listening player in the middle of a lesson.
#include "launcher/View.h"
#include "launcher/launcher.h"
#include "launcher/windows.h"
#include "player/Viewtxt.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/media/virtualaudio.h"
#include "shell/Intro.h"
#include "shell/Main.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

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

    destroyWindows();
    return 0;
}
