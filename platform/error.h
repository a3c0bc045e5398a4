#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace platform {

// The one exception type of the program. Handlers let it through to the
// error boundary, which shows its message in the standard error box.
class Error : public std::exception {
public:
    explicit Error(QString message);

    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

    // The framework's messages that course data can provoke.
    static Error cannotOpenFile(const QString& path);
    static Error invalidInteger(const QString& text);
    static Error invalidBoolean(const QString& text);
    static Error listIndexOutOfBounds(int index);

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace platform
