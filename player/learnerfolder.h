#pragma once

#include <QString>

#include <functional>

// Where the learner's own files of a course are kept: the course's "data"
// folder when the learner can write it, as every course copied to disk has.
// A course on a mounted disc image or in a read-only copy keeps them in a
// folder of its own under the user's data directory instead, named after
// the course folder's absolute path, so two courses never share a recording.
namespace learnerfolder {

// The folder, with a trailing separator: course root + "\data\" or the
// per-user folder, which is made on first use.
QString forCourse(const QString& courseRoot);

// The per-user folder of a course, whether or not it is in use:
// $XDG_DATA_HOME/course-player/courses/<absolute path, "/" as "%2F">/.
QString perUserFolder(const QString& courseRoot);

// Whether files can be made in a folder. Tests replace it to play a
// read-only course without one; returns the previous one.
using WritableProbe = std::function<bool(const QString& nativeFolder)>;
WritableProbe installWritableProbe(WritableProbe probe);

} // namespace learnerfolder
