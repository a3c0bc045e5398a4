#include "checker.h"

#include "platform/convert.h"
#include "platform/html/domparser.h"
#include "platform/html/pagesource.h"
#include "platform/media/soundfile.h"

namespace coursecheck {

QString Checker::reason(const platform::Error& error, const QString& path)
{
    const QString named = path + QStringLiteral(": ");
    const qsizetype at = error.message().indexOf(named);
    return at < 0 ? error.message() : error.message().mid(at + named.size());
}

void Checker::report(const QString& relative, const QString& lesson, const QString& text)
{
    m_problems.push_back({CourseFolder::display(relative), lesson, text});
}

std::optional<QString> Checker::need(const QString& relative, const QString& lesson)
{
    const CourseFolder::Lookup lookup = m_folder.find(relative);
    switch (lookup.found) {
    case CourseFolder::Found::Exactly:
        return lookup.nativePath;
    case CourseFolder::Found::InOtherCase:
        report(relative, lesson, QStringLiteral("found only as %1, in another letter case").arg(lookup.actualName));
        return lookup.nativePath;
    case CourseFolder::Found::Missing:
        break;
    }
    report(relative, lesson, QStringLiteral("missing"));
    return std::nullopt;
}

std::optional<platform::StringList> Checker::lines(const QString& relative, const QString& lesson)
{
    const std::optional<QString> path = need(relative, lesson);
    if (!path)
        return std::nullopt;
    try {
        return platform::StringList::load(*path);
    } catch (const platform::Error& error) {
        report(relative, lesson, error.message());
        return std::nullopt;
    }
}

std::optional<int> Checker::integer(const QString& text, const QString& relative, const QString& lesson,
                                    const QString& where)
{
    try {
        return platform::toInteger(text);
    } catch (const platform::Error& error) {
        report(relative, lesson, where + QStringLiteral(": ") + error.message());
        return std::nullopt;
    }
}

const platform::DomDocument* Checker::page(const QString& relative, const QString& lesson)
{
    const std::optional<QString> path = need(relative, lesson);
    if (!path)
        return nullptr;
    auto cached = m_pages.constFind(*path);
    if (cached == m_pages.constEnd()) {
        const platform::PageSource source = platform::loadPageSource(*path);
        cached = m_pages.insert(*path, source.found ? platform::parseHtml(source.text) : nullptr);
        if (!source.found)
            report(relative, lesson, QStringLiteral("cannot be read"));
    }
    return cached->get();
}

std::optional<qint64> Checker::soundLength(const QString& relative, const QString& lesson)
{
    const std::optional<QString> path = need(relative, lesson);
    if (!path)
        return std::nullopt;
    auto cached = m_soundLengths.constFind(*path);
    if (cached == m_soundLengths.constEnd()) {
        std::optional<qint64> length;
        try {
            const auto sound = platform::media::SoundFile::openForReading(*path);
            length = sound.frames() * 1000 / sound.sampleRate();
        } catch (const platform::Error& error) {
            report(relative, lesson, QStringLiteral("does not open as a sound: %1").arg(reason(error, *path)));
        }
        cached = m_soundLengths.insert(*path, length);
    }
    return *cached;
}

} // namespace coursecheck
