#include "coursechoice.h"

#include "platform/desktop.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString lastFolderKey = QStringLiteral("lastCourseFolder");

} // namespace

std::optional<QString> askCourseFolder(QSettings& memory)
{
    QString start = memory.value(lastFolderKey).toString();
    // A disc that is no longer mounted: start where the learner keeps things.
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    const std::optional<QString> chosen =
        platform::Desktop::current().askFolder(QStringLiteral("Choose the course folder"), start);
    if (chosen) {
        memory.setValue(lastFolderKey, *chosen);
        memory.sync();
    }
    return chosen;
}
