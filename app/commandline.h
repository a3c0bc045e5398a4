#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do by its arguments:
//   course-player [--ask] [COURSE_DIR]   play a course
//   course-player --check [DIR]          check a course folder and exit
//   course-player --help | --version
struct CommandLine {
    enum class Action { Play, Check, Help, Version, Misuse };
    Action action = Action::Play;
    // --ask: with no folder given, the desktop's folder chooser asks for one.
    bool ask = false;
    // Without it the course is the working folder.
    std::optional<QString> courseFolder;
    // For Misuse: what was wrong.
    QString problem;
};

// arguments without the program's name.
CommandLine parseCommandLine(const QStringList& arguments);

extern const char commandLineUsage[];
