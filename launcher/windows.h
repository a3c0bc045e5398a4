#pragma once

// Creates the seven windows once, in their fixed order, into their globals,
// and connects the main window's Run lesson to the launcher. The first
// window created is the main window.
void createWindows();
// Destroys them in the reverse order and clears the globals.
void destroyWindows();
