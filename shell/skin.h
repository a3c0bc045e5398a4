#pragma once

class LayoutFile;

// Loads the band, strip and hover pictures of every window from gdata\ and
// applies the band sizes, in the skin's fixed order; a picture that fails
// stops there, the windows served before it keeping theirs.
void applySkin(const LayoutFile& layout);
