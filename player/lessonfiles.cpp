#include "lessonfiles.h"

#include "learnerfolder.h"
#include "shell/Main.h"

namespace lessonfiles {

QString page(int lesson)
{
    return MainFrm->courseRoot + QStringLiteral("\\data\\text\\") + MainFrm->textNames.at(lesson);
}

QString secondPage(int lesson)
{
    return MainFrm->courseRoot + QStringLiteral("\\data\\text\\") + MainFrm->transNames.at(lesson);
}

QString marksFile(int lesson)
{
    return MainFrm->courseRoot + QStringLiteral("\\data\\marks\\") + MainFrm->marksNames.at(lesson);
}

QString lessonSound(int lesson)
{
    return MainFrm->courseRootSlash + QStringLiteral("data\\sound\\") + MainFrm->soundNames.at(lesson);
}

QString helpPage(int lesson)
{
    return MainFrm->courseRoot + QStringLiteral("\\help\\help_") + MainFrm->lessonKinds.at(lesson)
           + QStringLiteral(".htm");
}

QString ownRecording()
{
    return learnerfolder::forCourse(MainFrm->courseRoot) + QStringLiteral("temp.wav");
}

QString recordingTemplate()
{
    return MainFrm->courseRoot + QStringLiteral("\\data\\empty.wav");
}

QString userMarks()
{
    return learnerfolder::forCourse(MainFrm->courseRoot) + QStringLiteral("umarks.txt");
}

} // namespace lessonfiles
