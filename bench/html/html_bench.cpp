// Lesson pages of 200 to 2,000 phrases, in table rows or paragraphs, with a
// bold highlight: the phrase step of the player and the workshop.
// Lesson pages of 100 and 2,000 phrases: a class write with its restyle and
// the repaint of the visible part, a load from Navigate to DocumentComplete,
// and a load from Navigate to the first paint of the whole viewport.
#include "platform/html/htmlview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPaintEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

// About 100 bytes a phrase, as the course's lesson pages.
QByteArray lessonPage(int phrases)
{
    QByteArray page = R"(<html><head><meta http-equiv="Content-Type" content="text/html; charset=windows-1251">
<style type="text/css">
body { font-family: "DejaVu Sans", sans-serif; font-size: 15px; line-height: 1.5; margin: 18px 28px; }
p.line { margin: 5px 0; }
a.num { color: #9aabbc; font-size: 11px; text-decoration: none; }
.text { color: #1d3557; padding: 1px 3px; }
.comm { color: #2a6f97; font-style: italic; padding: 1px 3px; }
.instext { color: #1d3557; background-color: #ffe08a; padding: 1px 3px; }
.inscomm { color: #2a6f97; font-style: italic; background-color: #ffe08a; padding: 1px 3px; }
.cycle { color: #1d3557; background-color: #d8f3dc; padding: 1px 3px; }
</style></head><body><h1>Lesson</h1>
)";
    for (int n = 1; n <= phrases; ++n) {
        const QByteArray number = QByteArray::number(n);
        page += "<p class=\"line\"><a class=\"num\" id=\"a" + number + "\" href=\"#t" + number + "\">" + number
                + "</a> <span id=\"t" + number + "\" class=\"" + (n % 2 ? "text" : "comm")
                + "\">The phrase number " + number + " of this lesson's text.</span></p>\n";
    }
    return page + "</body></html>\n";
}

// A two-column lesson page in table rows (number, phrase), whose highlight
// class is bold: a class change moves words, not only colours.
QByteArray tablePage(int phrases)
{
    QByteArray page = R"(<html><head><style type="text/css">
body { font-family: Verdana, sans-serif; font-size: 15px; }
td.num { color: #9aabbc; font-size: 11px; width: 40px; vertical-align: top; }
.text { color: #1d3557; }
.comm { color: #2a6f97; font-style: italic; }
.instext { color: #1d3557; font-weight: bold; background-color: #ffe08a; }
.inscomm { color: #2a6f97; font-style: italic; font-weight: bold; background-color: #ffe08a; }
</style></head><body><h1>Lesson</h1><table width="100%" border="0" cellpadding="3" cellspacing="0">
)";
    for (int n = 1; n <= phrases; ++n) {
        const QByteArray number = QByteArray::number(n);
        page += "<tr><td class=\"num\"><a id=\"a" + number + "\" href=\"#t" + number + "\">" + number
                + "</a></td><td><span id=\"t" + number + "\" class=\"" + (n % 2 ? "text" : "comm")
                + "\">The phrase number " + number + " of this lesson's text, long enough to wrap now and then.</span></td></tr>\n";
    }
    return page + "</table></body></html>\n";
}

// The same phrases in paragraphs, with the same bold highlight.
QByteArray paragraphPage(int phrases)
{
    QByteArray page = tablePage(0);
    page.replace("<table width=\"100%\" border=\"0\" cellpadding=\"3\" cellspacing=\"0\">\n</table>", "");
    page.replace("</body>", "");
    for (int n = 1; n <= phrases; ++n) {
        const QByteArray number = QByteArray::number(n);
        page += "<p><a id=\"a" + number + "\" href=\"#t" + number + "\">" + number + "</a> <span id=\"t" + number
                + "\" class=\"" + (n % 2 ? "text" : "comm") + "\">The phrase number " + number
                + " of this lesson's text, long enough to wrap now and then.</span></p>\n";
    }
    return page + "</body></html>\n";
}

// Tells when the viewport was painted whole.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* viewport) : m_viewport(viewport) { viewport->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint
            && static_cast<QPaintEvent*>(event)->region().contains(m_viewport->rect()))
            painted = true;
        return false;
    }

private:
    QWidget* m_viewport;
};

// Wall and CPU time of this thread since construction.
class Stopwatch {
public:
    Stopwatch() : m_wall(Clock::now()), m_cpu(cpuNow()) { }
    double wallSeconds() const { return std::chrono::duration<double>(Clock::now() - m_wall).count(); }
    double cpuSeconds() const { return cpuNow() - m_cpu; }

private:
    using Clock = std::chrono::steady_clock;
    static double cpuNow()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
    }
    Clock::time_point m_wall;
    double m_cpu;
};

struct Timing {
    double wall = 0;
    double cpu = 0;
};

struct LoadedPage {
    explicit LoadedPage(int phrases) : LoadedPage(lessonPage(phrases)) { }
    explicit LoadedPage(const QByteArray& html)
    {
        path = QDir(folder.path()).filePath("lesson.htm");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(html);
        file.close();
        view.resize(800, 600);
        view.show();
        QObject::connect(&view, &platform::HtmlView::DocumentComplete, [this] {
            if (stopwatch)
                toComplete = {stopwatch->wallSeconds(), stopwatch->cpuSeconds()};
            complete = true;
        });
    }

    // Times up to DocumentComplete, read in its handler: what the event
    // loop does afterwards (laying out, painting) is not part of it.
    Timing load()
    {
        complete = false;
        Stopwatch clock;
        stopwatch = &clock;
        view.Navigate(path);
        while (!complete)
            QCoreApplication::processEvents();
        stopwatch = nullptr;
        return toComplete;
    }

    // Times up to the end of the first paint of the whole viewport.
    Timing loadAndPaint()
    {
        PaintWatch watch(view.viewport());
        Stopwatch clock;
        load();
        while (!watch.painted)
            QCoreApplication::processEvents();
        return {clock.wallSeconds(), clock.cpuSeconds()};
    }

    QTemporaryDir folder;
    QString path;
    platform::HtmlView view;
    bool complete = false;
    const Stopwatch* stopwatch = nullptr;
    Timing toComplete;
};

void classWrite(benchmark::State& state)
{
    const int phrases = int(state.range(0));
    LoadedPage page(phrases);
    page.load();
    const platform::Variant all = page.view.Document().get("all");
    // A phrase in the visible part, as the player highlights the spoken one.
    const platform::Variant phrase = all.get("t3");
    bool highlighted = false;
    for (auto _ : state) {
        phrase.set("className", highlighted ? "text" : "instext");
        QCoreApplication::processEvents(); // paints what the change invalidated
        highlighted = !highlighted;
    }
    state.counters["bytes"] = double(lessonPage(phrases).size());
}

// What the player does at each phrase: unhighlight the previous phrase,
// highlight and reveal the next, and repaint. Phrases are walked from the
// middle of the page on, so that each step scrolls.
template <QByteArray (*page)(int)>
void phraseStep(benchmark::State& state)
{
    const int phrases = int(state.range(0));
    LoadedPage loaded(page(phrases));
    loaded.load();
    const platform::Variant all = loaded.view.Document().get("all");
    QCoreApplication::processEvents();
    int n = phrases / 2;
    for (auto _ : state) {
        const QString previous = QString::number(n);
        n = n + 1 > phrases ? phrases / 2 : n + 1;
        const QString current = QString::number(n);
        const QString previousClass = all.get("t" + previous).get("className").toText();
        all.get("t" + previous).set("className", previousClass == "inscomm" ? "comm" : "text");
        all.get("a" + current).call("Click");
        const QString currentClass = all.get("t" + current).get("className").toText();
        all.get("t" + current).set("className", currentClass == "comm" ? "inscomm" : "instext");
        loaded.view.viewport()->repaint();
    }
}

void tablePhraseStep(benchmark::State& state)
{
    phraseStep<tablePage>(state);
}

void paragraphPhraseStep(benchmark::State& state)
{
    phraseStep<paragraphPage>(state);
}

// Resident memory of the process, in bytes.
double residentBytes()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() * 1024;
    }
    return 0;
}

// What a loaded and painted lesson page of about this many bytes adds to
// the resident memory, as a multiple of its size.
void pageMemory(benchmark::State& state)
{
    const double bytesPerPhrase = double(lessonPage(1000).size()) / 1000;
    const QByteArray html = lessonPage(int(double(state.range(0)) / bytesPerPhrase));
    double growth = 0;
    for (auto _ : state) {
        const double before = residentBytes();
        LoadedPage page(html);
        page.loadAndPaint();
        growth = residentBytes() - before;
    }
    state.counters["bytes"] = double(html.size());
    state.counters["rss_per_byte"] = growth / double(html.size());
}

// Manual time is the wall time of each load; cpu_ms its CPU time. Between
// loads the event loop finishes the previous one off the clock.
template <Timing (LoadedPage::*measure)()>
void timedLoads(benchmark::State& state)
{
    LoadedPage page(int(state.range(0)));
    double cpu = 0;
    for (auto _ : state) {
        const Timing timing = (page.*measure)();
        state.SetIterationTime(timing.wall);
        cpu += timing.cpu;
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

void navigateToComplete(benchmark::State& state)
{
    timedLoads<&LoadedPage::load>(state);
}

void navigateToFirstPaint(benchmark::State& state)
{
    timedLoads<&LoadedPage::loadAndPaint>(state);
}

BENCHMARK(tablePhraseStep)->Arg(200)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(paragraphPhraseStep)->Arg(200)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(pageMemory)->Arg(1 << 20)->Arg(5 << 20)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(classWrite)->Arg(100)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(navigateToComplete)->Arg(100)->Arg(2000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(navigateToFirstPaint)->Arg(100)->Arg(2000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
