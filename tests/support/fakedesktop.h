#pragma once

#include "platform/desktop.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace testsupport {

// Desktop services that record what the program showed and answer the save
// dialog from a queue. Installed for the lifetime of the object.
class FakeDesktop final : public platform::Desktop {
public:
    struct Shown {
        QString title;
        QString text;
        // Shown without an owner window.
        bool ownerless = false;
        bool operator==(const Shown&) const = default;
    };

    FakeDesktop();
    ~FakeDesktop() override;

    void showError(const QString& caption, const QString& message) override;
    void showMessage(const QString& title, const QString& text) override;
    void showOwnerlessMessage(const QString& title, const QString& text) override;
    std::optional<QString> askSaveFileName(const platform::SaveRequest& request) override;
    void shellOpen(const QString& path) override;
    std::optional<QString> askFolder(const QString& title, const QString& startFolder) override;

    std::vector<Shown> errors;
    std::vector<Shown> messages;
    std::vector<platform::SaveRequest> saveRequests;
    QStringList opened;
    // Runs while a box is up, as the box's own loop would run the program's
    // ticks.
    std::function<void()> whileBoxIsUp;
    // Answers of the next save dialogs; nothing means cancel.
    std::deque<std::optional<QString>> saveAnswers;
    // The start folders the folder chooser was opened in, and its answers;
    // nothing means cancel.
    QStringList folderRequests;
    std::deque<std::optional<QString>> folderAnswers;

private:
    std::unique_ptr<platform::Desktop> m_previous;
};

} // namespace testsupport
