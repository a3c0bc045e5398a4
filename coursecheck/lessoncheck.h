#pragma once

#include "checker.h"

#include <QString>

namespace coursecheck {

// One node of the tree with its lines of the per-node catalogue lists; an
// entry is empty when its list has no line for the node (already reported).
struct Lesson {
    QString label; // lesson 3 "Greetings"
    QString kind;
    QString sound, text, trans, descr, time, title, marks;
};

// Everything the node's kind makes the program read: its description page,
// help page, pages, marks, sounds, time limit, choice page or word file.
void checkLesson(Checker& checker, const Lesson& lesson);

} // namespace coursecheck
