#pragma once

#include <QApplication>

#include <exception>

namespace platform {

// The application object and the error boundary: an exception that escapes
// any event handler ends that handler and is shown in the standard error
// box, and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The application's title: caption of the standard error box.
    static QString title();
    static void setTitle(const QString& title);

    // Shows an exception in the standard error box.
    static void showError(const std::exception& error);
};

// The message as the standard error box shows it: a full stop is appended
// when the last character sorts after the full stop.
QString standardErrorText(const QString& message);

} // namespace platform
