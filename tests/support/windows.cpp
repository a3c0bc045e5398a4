#include "windows.h"

#include "launcher/windows.h"

#include <QDir>

namespace testsupport {

Windows::Windows(const QString& courseFolder)
    : m_previousFolder(QDir::currentPath())
{
    QDir::setCurrent(courseFolder);
    createWindows();
}

Windows::~Windows()
{
    destroyWindows();
    QDir::setCurrent(m_previousFolder);
}

} // namespace testsupport
