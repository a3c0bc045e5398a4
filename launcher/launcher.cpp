#include "launcher.h"

#include "player/Viewtxt.h"
#include "shell/Main.h"
#include "workshop/Worktxt.h"

void runSelectedLesson()
{
    if (MainFrm->selectedLessonIndex() < 0)
        return;
    // The reset and the lesson kinds come with the exercise windows.
}
