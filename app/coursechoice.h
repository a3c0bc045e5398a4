#pragma once

#include <QSettings>
#include <QString>

#include <optional>

// Asks the learner for the course folder with the desktop's folder chooser,
// opened on the folder chosen last time (else the home folder). The choice
// is remembered in `memory`; cancelling gives nothing and changes nothing.
std::optional<QString> askCourseFolder(QSettings& memory);
