#pragma once

#include <QString>

namespace testsupport {

// The seven windows created as the program entry creates them, with the
// course root taken from `courseFolder` (made the working folder first), and
// MainFrm->runSelectedLesson connected to the launcher. Destroyed, with the
// globals cleared, when the object goes.
class Windows {
public:
    explicit Windows(const QString& courseFolder);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

private:
    QString m_previousFolder;
};

} // namespace testsupport
