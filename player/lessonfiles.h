#pragma once

#include <QString>

// The files of a text lesson, by plain concatenation from the course root and
// the lesson's entries in the main window's catalogue lists. Nothing is
// checked for existence; a missing catalogue entry raises "List index out of
// bounds".
namespace lessonfiles {

QString page(int lesson);
QString secondPage(int lesson);
QString marksFile(int lesson);
QString lessonSound(int lesson);
// The help page is shared by all lessons of one kind.
QString helpPage(int lesson);

// The learner's recording, the template every fresh recording starts from,
// and the phrase boundaries of the recording. Every read and write of the
// learner's two files goes through these, so that a course the learner
// cannot write keeps them in its per-user folder (learnerfolder.h).
QString ownRecording();
QString recordingTemplate();
QString userMarks();

} // namespace lessonfiles
