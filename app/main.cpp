// Program entry: creates the seven windows once, in their fixed order, and
// runs the message loop until the main window closes. --check looks at a
// course folder instead and opens no window.
#include "checkcommand.h"
#include "commandline.h"
#include "coursechoice.h"
#include "launcher/windows.h"
#include "platform/application.h"
#include "shell/Main.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int check(int argc, char** argv, const QString& folder)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return checkCourseFolder(folder, out, err);
}

// The course folder becomes the working folder before the main window takes
// it as the course root.
bool enterCourseFolder(const QString& folder)
{
    if (QDir::setCurrent(folder))
        return true;
    std::fprintf(stderr, "course-player: cannot enter the course folder %s\n", qPrintable(folder));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine line = parseCommandLine(argumentsOf(argc, argv));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(commandLineUsage, stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("course-player %s\n", COURSE_PLAYER_VERSION);
        return 0;
    case CommandLine::Action::Misuse:
        std::fprintf(stderr, "course-player: %s\n%s", qPrintable(line.problem), commandLineUsage);
        return 2;
    case CommandLine::Action::Check:
        return check(argc, argv, line.courseFolder.value_or(QStringLiteral(".")));
    case CommandLine::Action::Play:
        break;
    }
    if (line.courseFolder && !enterCourseFolder(*line.courseFolder))
        return 2;

    platform::Application app(argc, argv);
    if (line.ask && !line.courseFolder) {
        QSettings memory(QStringLiteral("course-player"), QStringLiteral("course-player"));
        const std::optional<QString> chosen = askCourseFolder(memory);
        if (!chosen)
            return 0;
        if (!enterCourseFolder(*chosen))
            return 2;
    }
    try {
        createWindows();
        MainFrm->show();
        app.exec();
    } catch (const std::exception& error) {
        platform::Application::showError(error);
    }
    return 0;
}
