#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace platform {

// What a save-file dialog is asked: its default extension (".wav"), its
// filter ("WAV FILE|*.wav") and the name it shows first.
struct SaveRequest {
    QString defaultExt;
    QString filter;
    QString fileName;
};

// The desktop services the windows use: message boxes, the save dialog and
// the shell's "open" verb. Tests install their own to answer them.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The standard error box: the message, an error icon and OK.
    virtual void showError(const QString& caption, const QString& message) = 0;
    // A plain message box with an OK button, over the active window.
    virtual void showMessage(const QString& title, const QString& text) = 0;
    // A message box with an OK button, no icon and no owner window.
    virtual void showOwnerlessMessage(const QString& title, const QString& text) = 0;
    // The chosen file name, or nothing when the learner cancels.
    virtual std::optional<QString> askSaveFileName(const SaveRequest& request) = 0;
    // Opens a document with the desktop's default application; the result
    // is not reported.
    virtual void shellOpen(const QString& path) = 0;
    // The folder chosen, starting in startFolder, or nothing when cancelled.
    virtual std::optional<QString> askFolder(const QString& title, const QString& startFolder) = 0;

    static Desktop& current();
    // Replaces the desktop services (tests); returns the previous ones.
    static std::unique_ptr<Desktop> install(std::unique_ptr<Desktop> desktop);
};

// The real services, through Qt.
class QtDesktop final : public Desktop {
public:
    void showError(const QString& caption, const QString& message) override;
    void showMessage(const QString& title, const QString& text) override;
    void showOwnerlessMessage(const QString& title, const QString& text) override;
    std::optional<QString> askSaveFileName(const SaveRequest& request) override;
    void shellOpen(const QString& path) override;
    std::optional<QString> askFolder(const QString& title, const QString& startFolder) override;
};

} // namespace platform
