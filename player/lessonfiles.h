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
// and the phrase boundaries of the recording.
QString ownRecording();
QString recordingTemplate();
QString userMarks();

} // namespace lessonfiles
