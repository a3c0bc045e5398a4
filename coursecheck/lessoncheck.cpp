#include "lessoncheck.h"

#include <QStringList>

namespace coursecheck {

namespace {

const QString dataText = QStringLiteral("data\\text\\");

bool isKind(const QString& kind, std::initializer_list<const char16_t*> codes)
{
    for (const char16_t* code : codes) {
        if (kind == QString::fromUtf16(code))
            return true;
    }
    return false;
}

// The phrase marks: whole numbers that ascend from above 0 and end within
// their sound. Gives the number of phrases, or nothing when unreadable.
std::optional<int> checkMarks(Checker& checker, const QString& marksFile, const QString& sound,
                              const QString& lesson)
{
    const std::optional<platform::StringList> marks = checker.lines(marksFile, lesson);
    if (!marks)
        return std::nullopt;
    int previous = 0;
    for (int k = 0; k < marks->count(); ++k) {
        const QString where = QStringLiteral("line %1").arg(k + 1);
        const std::optional<int> mark = checker.integer(marks->at(k), marksFile, lesson, where);
        if (!mark)
            continue;
        if (*mark <= previous)
            checker.report(marksFile, lesson,
                           QStringLiteral("%1: mark %2 does not come after %3").arg(where).arg(*mark).arg(previous));
        previous = *mark;
    }
    if (!sound.isEmpty()) {
        const std::optional<qint64> length = checker.soundLength(sound, lesson);
        if (length && previous > *length)
            checker.report(marksFile, lesson,
                           QStringLiteral("the last mark %1 ms lies beyond the end of %2 (%3 ms)")
                               .arg(previous)
                               .arg(CourseFolder::display(sound))
                               .arg(*length));
    }
    return marks->count();
}

// "t1".."tN" and "a1".."aN", found as the program finds them: by id, else
// by name.
void checkPhrasePage(Checker& checker, const QString& pageFile, int phrases, const QString& lesson)
{
    const platform::DomDocument* page = checker.page(pageFile, lesson);
    if (!page)
        return;
    QStringList missing;
    for (int n = 1; n <= phrases; ++n) {
        for (const char16_t* letter : {u"t", u"a"}) {
            const QString id = QString::fromUtf16(letter) + QString::number(n);
            if (!page->elementByIdOrName(id))
                missing.append(id);
        }
    }
    if (missing.isEmpty())
        return;
    const int shown = 6;
    QString list = missing.mid(0, shown).join(QStringLiteral(", "));
    if (missing.size() > shown)
        list += QStringLiteral(" and %1 more").arg(missing.size() - shown);
    checker.report(pageFile, lesson,
                   QStringLiteral("no element %1 for its %2 phrases").arg(list).arg(phrases));
}

// Options "q1", "q2", ... up to the number of inputs, as the grading walks
// them: each needs its rtype, and a wrong one the mark element "f"+N that
// shows the learner's mistake.
void checkChoicePage(Checker& checker, const QString& pageFile, const QString& lesson)
{
    const platform::DomDocument* page = checker.page(pageFile, lesson);
    if (!page)
        return;
    const auto inputs = page->elementsByTag(QStringLiteral("input")).size();
    if (inputs == 0 || !page->elementById(QStringLiteral("q1"))) {
        checker.report(pageFile, lesson, QStringLiteral("no option q1: every answer is graded as correct"));
        return;
    }
    for (size_t n = 1; n <= inputs; ++n) {
        const platform::DomNode* option = page->elementById(QStringLiteral("q%1").arg(n));
        if (!option)
            break;
        const QString* rtype = option->attribute(QStringLiteral("rtype"));
        if (!rtype) {
            checker.report(pageFile, lesson, QStringLiteral("option q%1 has no rtype").arg(n));
            continue;
        }
        if (*rtype == u"0" && !page->elementByIdOrName(QStringLiteral("f%1").arg(n)))
            checker.report(pageFile, lesson, QStringLiteral("wrong option q%1 has no mark element f%1").arg(n));
    }
}

// A pool, then the items of the first and of the second target list, each
// section closed by an empty line.
void checkWordFile(Checker& checker, const QString& wordFile, const QString& lesson)
{
    const std::optional<platform::StringList> lines = checker.lines(wordFile, lesson);
    if (!lines)
        return;
    int sections = lines->isEmpty() ? 0 : 1;
    for (int k = 0; k + 1 < lines->count() && sections < 3; ++k) {
        if (lines->at(k).isEmpty())
            ++sections;
    }
    if (sections < 3)
        checker.report(wordFile, lesson,
                       QStringLiteral("%1 of its three sections (pool, first list, second list), "
                                      "each closed by an empty line")
                           .arg(sections == 0 ? QStringLiteral("none") : QStringLiteral("only %1").arg(sections)));
}

} // namespace

void checkLesson(Checker& checker, const Lesson& lesson)
{
    const QString& at = lesson.label;
    checker.need(QStringLiteral("data\\descr\\") + lesson.descr, at);
    const QString& kind = lesson.kind;
    if (!isKind(kind, {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"11"}))
        return;
    checker.need(QStringLiteral("help\\help_") + kind + QStringLiteral(".htm"), at);

    const QString page = dataText + lesson.text;
    const QString sound = QStringLiteral("data\\sound\\") + lesson.sound;
    const QString marks = QStringLiteral("data\\marks\\") + lesson.marks;
    if (isKind(kind, {u"3", u"8", u"11"}))
        checker.soundLength(QStringLiteral("data\\empty.wav"), at);
    if (isKind(kind, {u"5", u"6", u"7", u"8", u"9"}))
        checker.integer(lesson.time, QStringLiteral("time.mtp"), at, QStringLiteral("time limit"));

    if (isKind(kind, {u"1", u"2", u"3", u"11"})) {
        // The recording lessons play no lesson sound of their own but "11"
        // plays it alongside.
        const QString timedBy = kind == u"3" ? QString() : sound;
        const std::optional<int> phrases = checkMarks(checker, marks, timedBy, at);
        if (phrases == 0)
            checker.report(marks, at, QStringLiteral("no marks: the lesson has no phrases"));
        checkPhrasePage(checker, page, phrases.value_or(0), at);
        if (kind == u"2")
            checkPhrasePage(checker, dataText + lesson.trans, phrases.value_or(0), at);
    } else if (kind == u"4") {
        const std::optional<int> phrases =
            checkMarks(checker, QStringLiteral("data\\umarks.txt"), QStringLiteral("data\\temp.wav"), at);
        checkPhrasePage(checker, page, phrases.value_or(0), at);
        checkPhrasePage(checker, dataText + lesson.trans, phrases.value_or(0), at);
    } else if (kind == u"5") {
        checkChoicePage(checker, page, at);
    } else if (kind == u"9") {
        checkWordFile(checker, page, at);
    } else {
        checker.page(page, at);
    }
}

} // namespace coursecheck
