#include "coursecheck.h"

#include "checker.h"
#include "lessoncheck.h"

#include "platform/convert.h"
#include "platform/error.h"
#include "platform/jpeg.h"

#include <algorithm>
#include <array>

namespace coursecheck {

namespace {

struct TreeNode {
    QString text;
};

// The nodes main.mrb gives, each line one node; loading stops at a jump of
// more than one level, as the tree's loading does.
std::vector<TreeNode> checkTree(Checker& checker)
{
    const QString file = QStringLiteral("main.mrb");
    const std::optional<platform::StringList> lines = checker.lines(file, {});
    std::vector<TreeNode> nodes;
    if (!lines)
        return nodes;
    int previousLevel = 0;
    for (int k = 0; k < lines->count(); ++k) {
        const QString& line = lines->at(k);
        qsizetype depth = 0;
        while (depth < line.size() && (line[depth] == u'\t' || line[depth] == u' '))
            ++depth;
        const QString text = line.mid(depth);
        if (k > 0 && depth > previousLevel + 1) {
            checker.report(file, {},
                           QStringLiteral("line %1: Invalid level (%2) for item \"%3\"; the tree ends before it")
                               .arg(k + 1)
                               .arg(depth)
                               .arg(text));
            break;
        }
        previousLevel = k == 0 ? 0 : int(depth);
        nodes.push_back({text});
    }
    if (nodes.empty())
        checker.report(file, {}, QStringLiteral("no lessons"));
    return nodes;
}

QString lessonLabel(int index, const TreeNode& node)
{
    return QStringLiteral("lesson %1 \"%2\"").arg(index + 1).arg(node.text.trimmed());
}

// The per-node lists the program reads, in its loading order. name.mtp is
// loaded too, but nothing ever reads a line of it.
struct PerNodeList {
    const char16_t* file;
    QString Lesson::*entry;
};
const PerNodeList perNodeLists[] = {
    {u"main.mtp", &Lesson::kind},   {u"sound.mtp", &Lesson::sound}, {u"text.mtp", &Lesson::text},
    {u"trans.mtp", &Lesson::trans}, {u"descr.mtp", &Lesson::descr}, {u"time.mtp", &Lesson::time},
    {u"zagol.mtp", &Lesson::title}, {u"zmarks.mtp", &Lesson::marks},
};

void checkLessons(Checker& checker, const std::vector<TreeNode>& nodes)
{
    std::vector<Lesson> lessons(nodes.size());
    for (size_t k = 0; k < nodes.size(); ++k)
        lessons[k].label = lessonLabel(int(k), nodes[k]);
    checker.lines(QStringLiteral("name.mtp"), {});
    // Lessons past the end of a list fail as soon as they are used; that
    // list's problem says so, and their other files are not looked at.
    size_t checkable = nodes.size();
    for (const PerNodeList& list : perNodeLists) {
        const QString file = QString::fromUtf16(list.file);
        const std::optional<platform::StringList> lines = checker.lines(file, {});
        if (!lines) {
            checkable = 0;
            continue;
        }
        checkable = std::min(checkable, size_t(lines->count()));
        if (size_t(lines->count()) < nodes.size())
            checker.report(file, lessons[lines->count()].label,
                           QStringLiteral("%1 lines for %2 lessons: this lesson and those after it have none")
                               .arg(lines->count())
                               .arg(nodes.size()));
        for (size_t k = 0; k < nodes.size() && k < size_t(lines->count()); ++k)
            lessons[k].*list.entry = lines->at(int(k));
    }
    for (size_t k = 0; k < checkable; ++k)
        checkLesson(checker, lessons[k]);
}

// Lines 0 to 59, lines 2 and 5 not read.
std::optional<platform::StringList> checkLayout(Checker& checker)
{
    const QString file = QStringLiteral("main.dsg");
    std::optional<platform::StringList> layout = checker.lines(file, {});
    if (!layout)
        return std::nullopt;
    const int needed = 60;
    if (layout->count() < needed)
        checker.report(file, {},
                       QStringLiteral("%1 lines, but the layout needs %2: the start stops at line %3")
                           .arg(layout->count())
                           .arg(needed)
                           .arg(layout->count() + 1));
    for (int k = 0; k < needed && k < layout->count(); ++k) {
        if (k != 2 && k != 5)
            checker.integer(layout->at(k), file, {}, QStringLiteral("line %1").arg(k + 1));
    }
    return layout;
}

void checkPicture(Checker& checker, const QString& relative, const QString& lesson = {})
{
    const std::optional<QString> path = checker.need(relative, lesson);
    if (!path)
        return;
    try {
        platform::loadJpeg(*path);
    } catch (const platform::Error& error) {
        checker.report(relative, lesson, QStringLiteral("does not decode: %1").arg(Checker::reason(error, *path)));
    }
}

// Every band, strip, hover and unit button picture of the windows.
void checkSkin(Checker& checker)
{
    static const std::array names = {u"top2", u"bot2", u"bot3", u"top", u"bot", u"left", u"right", u"m1",
                                     u"m6",   u"m7",   u"m8",   u"m9",  u"m10", u"m11",  u"c1",    u"c2a",
                                     u"m2",   u"m3",   u"m4",   u"m5",  u"c2",  u"c1a",  u"c3",    u"c3a"};
    for (const char16_t* name : names)
        checkPicture(checker, QStringLiteral("gdata\\") + QString::fromUtf16(name) + QStringLiteral(".jpg"));
}

std::optional<bool> boolean(Checker& checker, const platform::StringList& wind, int line)
{
    try {
        return platform::toBoolean(wind.at(line));
    } catch (const platform::Error& error) {
        checker.report(QStringLiteral("wind.mtp"), {}, QStringLiteral("line %1: %2").arg(line + 1).arg(error.message()));
        return std::nullopt;
    }
}

// The title, the intro screen, the introduction and about pages.
void checkWindList(Checker& checker)
{
    const std::optional<platform::StringList> wind = checker.lines(QStringLiteral("wind.mtp"), {});
    if (!wind)
        return;
    const int needed = 9;
    if (wind->count() < needed) {
        checker.report(QStringLiteral("wind.mtp"), {},
                       QStringLiteral("%1 lines, but it needs %2").arg(wind->count()).arg(needed));
        return;
    }
    const QString descr = QStringLiteral("data\\descr\\");
    checkPicture(checker, descr + wind->at(1));
    if (boolean(checker, *wind, 2).value_or(false))
        checker.soundLength(QStringLiteral("data\\intro.wav"), {});
    boolean(checker, *wind, 5);
    checker.page(descr + wind->at(4), {});
    if (boolean(checker, *wind, 8).value_or(false))
        checker.page(descr + wind->at(7), {});
}

} // namespace

Problems checkCourse(const QString& courseRoot)
{
    Checker checker(courseRoot);
    checkLayout(checker);
    const std::vector<TreeNode> nodes = checkTree(checker);
    checker.need(QStringLiteral("main.rbp"), {});
    checkSkin(checker);
    checkWindList(checker);
    checker.need(QStringLiteral("help\\help.htm"), {});
    checkLessons(checker, nodes);
    return checker.problems();
}

} // namespace coursecheck
