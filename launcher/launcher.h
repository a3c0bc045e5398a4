#pragma once

// Runs the lesson selected in the main window's tree: resets every exercise
// window, prepares the one the lesson's kind calls for and shows it
// modally; returns when it has closed.
void runSelectedLesson();
