// Lesson pages of 100 and 2,000 phrases: a class write with its restyle and
// the repaint of the visible part, and a whole load from Navigate to
// DocumentComplete.
#include "platform/application.h"
#include "platform/html/htmlview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

struct LoadedPage {
    explicit LoadedPage(int phrases)
    {
        path = QDir(folder.path()).filePath("lesson.htm");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(lessonPage(phrases));
        file.close();
        view.resize(800, 600);
        view.show();
        QObject::connect(&view, &platform::HtmlView::DocumentComplete, [this] { complete = true; });
    }

    void load()
    {
        complete = false;
        view.Navigate(path);
        while (!complete)
            QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    QString path;
    platform::HtmlView view;
    bool complete = false;
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

void navigateToComplete(benchmark::State& state)
{
    LoadedPage page(int(state.range(0)));
    for (auto _ : state) {
        page.load();
        // The previous page is torn down after completion, off the clock.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(classWrite)->Arg(100)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(navigateToComplete)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
