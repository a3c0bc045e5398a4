// Program entry: creates the seven windows once, in their fixed order, and
// runs the message loop until the main window closes.
#include "launcher/windows.h"
#include "platform/application.h"
#include "shell/Main.h"

#include <QDir>

#include <cstdio>
#include <cstring>

namespace {

const char usage[] =
    "Usage: course-player [COURSE_DIR]\n"
    "Plays the interactive language course in COURSE_DIR (or in the current\n"
    "folder): pick a lesson in the tree, read its description, run it.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("course-player %s\n", COURSE_PLAYER_VERSION);
        return 0;
    }
    if (argc > 2) {
        std::fputs(usage, stderr);
        return 2;
    }
    // A course folder given on the command line becomes the working folder
    // before the main window takes it as the course root.
    if (argc == 2 && !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "course-player: cannot enter the course folder %s\n", argv[1]);
        return 2;
    }

    platform::Application app(argc, argv);
    try {
        createWindows();
        MainFrm->show();
        app.exec();
    } catch (const std::exception& error) {
        platform::Application::showError(error);
    }
    return 0;
}
