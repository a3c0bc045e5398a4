#pragma once

class LayoutFile;

// Window sizes from the layout file: the six banded windows, the workshop's
// left page and the intro screen.
void applyWindowSizes(const LayoutFile& layout);

// Rectangles of every button picture and hover picture of all windows.
void applyButtonRects(const LayoutFile& layout);
