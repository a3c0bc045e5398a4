#include "fuzzsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace fuzzsupport {

namespace {

QString scratch(const char* suffix)
{
    return QDir::tempPath() + QStringLiteral("/course-fuzz-%1%2").arg(::getpid()).arg(QString::fromLatin1(suffix));
}

} // namespace

QString inputFile(const uint8_t* data, size_t size, const char* suffix)
{
    const QString path = scratch(suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

QString outputFile(const char* suffix)
{
    return scratch(suffix);
}

} // namespace fuzzsupport

// Widgets (the tree view, the page view) and fonts need an application
// object; it lives for the whole run, on the offscreen platform. It is never
// destroyed: at exit its input devices would be torn down after the
// platform they belong to.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* const application = new QApplication(*argc, *argv);
    Q_UNUSED(application);
    return 0;
}
