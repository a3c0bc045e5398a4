#include "application.h"

#include "desktop.h"
#include "error.h"

namespace platform {

namespace {

QString& applicationTitle()
{
    static QString title = QStringLiteral("course-player");
    return title;
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(error);
    }
    return false;
}

QString Application::title()
{
    return applicationTitle();
}

void Application::setTitle(const QString& title)
{
    applicationTitle() = title;
}

void Application::showError(const std::exception& error)
{
    const auto* own = dynamic_cast<const Error*>(&error);
    const QString message = own ? own->message() : QString::fromLocal8Bit(error.what());
    Desktop::current().showError(title(), standardErrorText(message));
}

QString standardErrorText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

} // namespace platform
