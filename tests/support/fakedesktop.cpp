#include "fakedesktop.h"

namespace testsupport {

FakeDesktop::FakeDesktop()
{
    // The desktop is owned by the installed slot; this object stays owned by
    // the test, so install a forwarding shell around it.
    struct Forward final : platform::Desktop {
        explicit Forward(FakeDesktop* to) : to(to) {}
        void showError(const QString& c, const QString& m) override { to->showError(c, m); }
        void showMessage(const QString& t, const QString& x) override { to->showMessage(t, x); }
        void showOwnerlessMessage(const QString& t, const QString& x) override { to->showOwnerlessMessage(t, x); }
        std::optional<QString> askSaveFileName(const platform::SaveRequest& r) override { return to->askSaveFileName(r); }
        void shellOpen(const QString& p) override { to->shellOpen(p); }
        std::optional<QString> askFolder(const QString& t, const QString& s) override { return to->askFolder(t, s); }
        FakeDesktop* to;
    };
    m_previous = platform::Desktop::install(std::make_unique<Forward>(this));
}

FakeDesktop::~FakeDesktop()
{
    platform::Desktop::install(std::move(m_previous));
}

void FakeDesktop::showError(const QString& caption, const QString& message)
{
    errors.push_back({caption, message});
    if (whileBoxIsUp)
        whileBoxIsUp();
}

void FakeDesktop::showMessage(const QString& title, const QString& text)
{
    messages.push_back({title, text});
    if (whileBoxIsUp)
        whileBoxIsUp();
}

void FakeDesktop::showOwnerlessMessage(const QString& title, const QString& text)
{
    messages.push_back({title, text, true});
    if (whileBoxIsUp)
        whileBoxIsUp();
}

std::optional<QString> FakeDesktop::askSaveFileName(const platform::SaveRequest& request)
{
    saveRequests.push_back(request);
    if (saveAnswers.empty())
        return std::nullopt;
    const bool confirmed = saveAnswers.front().has_value();
    const QString name = saveAnswers.front().value_or(QString());
    saveAnswers.pop_front();
    if (!confirmed)
        return std::nullopt;
    return name;
}

void FakeDesktop::shellOpen(const QString& path)
{
    opened.append(path);
}

std::optional<QString> FakeDesktop::askFolder(const QString&, const QString& startFolder)
{
    folderRequests.append(startFolder);
    if (folderAnswers.empty())
        return std::nullopt;
    const std::optional<QString> answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

} // namespace testsupport
