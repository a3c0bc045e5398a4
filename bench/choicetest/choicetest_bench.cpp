// Check on a long graded page and the saving of a filled-in free-answer
// page, on pages generated here in the sample course's test style.
#include "choicetest/Multi.h"
#include "choicetest/answersfile.h"
#include "support/fakedesktop.h"
#include "support/tempcourse.h"
#include "support/windows.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

QByteArray page(const QByteArray& form)
{
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
           "<style>div.question { margin: 14px 0; } .instext { background-color: #ffd5d5; }</style>"
           "</head><body><form>"
           + form + "</form></body></html>";
}

// Four radio options a question, the second one right; the learner chose the
// first (wrong) one in every other question and left the others unanswered.
QByteArray gradedPage(int questions)
{
    QByteArray form;
    int n = 0;
    for (int q = 1; q <= questions; ++q) {
        form += "<div class=\"question\"><p>Question " + QByteArray::number(q) + "</p>";
        for (int option = 1; option <= 4; ++option) {
            ++n;
            const QByteArray id = QByteArray::number(n);
            form += "<p><input type=\"radio\" name=\"question" + QByteArray::number(q) + "\" id=\"q" + id
                    + "\" rtype=\"" + (option == 2 ? "1" : "0") + "\"" + (option == 1 && q % 2 ? " checked" : "")
                    + "> <span id=\"f" + id + "\">Option " + id + "</span></p>";
        }
        form += "</div>";
    }
    return page(form);
}

QByteArray freeAnswerPage(int tasks)
{
    QByteArray form;
    for (int t = 1; t <= tasks; ++t)
        form += "<p>Task " + QByteArray::number(t) + "</p><p><textarea name=\"a" + QByteArray::number(t)
                + "\" rows=\"4\" cols=\"70\"></textarea></p>";
    return page(form);
}

// The choice test shown on a page written into a temporary course, laid out.
class ShownTest {
public:
    explicit ShownTest(const QByteArray& html)
    {
        course.write(QStringLiteral("data/text/test.htm"), html);
        MultiFrm->CppWebBrowser1->Navigate(course.root() + QStringLiteral("\\data\\text\\test.htm"));
        MultiFrm->show();
        for (int i = 0; i < 50; ++i)
            QCoreApplication::processEvents();
    }

    testsupport::TempCourse course;
    testsupport::FakeDesktop desktop;
    testsupport::Windows windows{course.root()};
};

void BM_CheckGradedPage(benchmark::State& state)
{
    ShownTest shown(gradedPage(int(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(MultiFrm->gradeAnswers());
        QCoreApplication::processEvents();
    }
    // No question has its right option chosen.
    if (MultiFrm->gradeAnswers() != int(state.range(0)))
        state.SkipWithError("unexpected count");
}
BENCHMARK(BM_CheckGradedPage)->Arg(25)->Arg(500)->Unit(benchmark::kMillisecond);

// What saving costs apart from the dialog: the page's HTML with the typed
// answers, encoded and written atomically.
void BM_SaveFilledInPage(benchmark::State& state)
{
    ShownTest shown(freeAnswerPage(int(state.range(0))));
    const platform::Variant document = MultiFrm->CppWebBrowser1->Document();
    const QString answer = QString::fromUtf8("Я живу в Твери, это old town — ").repeated(60);
    const platform::Variant areas = document.call(QStringLiteral("getElementsByTagName"), {QStringLiteral("textarea")});
    for (int i = 0; i < int(state.range(0)); ++i)
        areas.call(QStringLiteral("item"), {i}).set(QStringLiteral("value"), answer);
    const QString target = shown.course.root() + QStringLiteral("\\answers.htm");
    for (auto _ : state) {
        const QString html = document.get(QStringLiteral("body"))
                                 .get(QStringLiteral("parentNode"))
                                 .get(QStringLiteral("innerHTML"))
                                 .toText();
        writeAnswersFile(target, html, "windows-1251");
    }
    state.counters["file_kb"] = double(shown.course.read(QStringLiteral("answers.htm")).size()) / 1024;
}
BENCHMARK(BM_SaveFilledInPage)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace
