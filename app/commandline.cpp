#include "commandline.h"

const char commandLineUsage[] =
    "Usage: course-player [--ask] [COURSE_DIR]\n"
    "       course-player --check [COURSE_DIR]\n"
    "Plays the interactive language course in COURSE_DIR (or in the current\n"
    "folder): pick a lesson in the tree, read its description, run it.\n"
    "\n"
    "  --ask      with no COURSE_DIR, ask for the course folder first\n"
    "  --check    check the course folder and list each problem a learner\n"
    "             would meet; exit status 1 when there are any\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    const auto misuse = [](const QString& problem) {
        CommandLine wrong;
        wrong.action = CommandLine::Action::Misuse;
        wrong.problem = problem;
        return wrong;
    };
    if (arguments.size() == 1 && arguments[0] == u"--help") {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (arguments.size() == 1 && arguments[0] == u"--version") {
        line.action = CommandLine::Action::Version;
        return line;
    }
    bool check = false;
    bool optionsEnd = false;
    for (const QString& argument : arguments) {
        if (!optionsEnd && argument == u"--") {
            optionsEnd = true;
        } else if (!optionsEnd && argument == u"--ask") {
            line.ask = true;
        } else if (!optionsEnd && argument == u"--check") {
            check = true;
        } else if (!optionsEnd && argument.startsWith(u'-') && argument != u"-") {
            return misuse(QStringLiteral("unknown option %1").arg(argument));
        } else if (line.courseFolder) {
            return misuse(QStringLiteral("more than one course folder"));
        } else {
            line.courseFolder = argument;
        }
    }
    if (check && line.ask)
        return misuse(QStringLiteral("--ask and --check do not go together"));
    if (check)
        line.action = CommandLine::Action::Check;
    return line;
}
