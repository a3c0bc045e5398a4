#pragma once

#include <QLabel>

namespace platform {

// The bold, transparent countdown text of a timed exercise, in its band;
// hidden until a lesson with a time limit shows it.
QLabel* createCountdownLabel(QWidget* band);

} // namespace platform
