// The workshop's tick that moves the highlight on both pages (about twenty
// automation calls and two reveals), with the repaint of both views, on
// pages of 100 and 2,000 phrases; and the same for the cycle tick, which
// repaints a unit of ten phrases at every tick.
#include "platform/media/virtualaudio.h"
#include "workshop/Worktxt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <limits>

namespace {

// One line a phrase with the sample course's phrase classes, every other
// phrase of the second kind.
QByteArray page(int phrases)
{
    QByteArray html = "<html><head><style>body { font-family: \"DejaVu Sans\"; font-size: 15px; }"
                      ".text { color: #1d3557; padding: 1px 3px; }"
                      ".comm { color: #2a6f97; font-style: italic; padding: 1px 3px; }"
                      ".instext { color: #1d3557; background-color: #ffe08a; padding: 1px 3px; }"
                      ".inscomm { color: #2a6f97; font-style: italic; background-color: #ffe08a; padding: 1px 3px; }"
                      ".cycle { color: #1d3557; background-color: #cdeee8; padding: 1px 3px; }"
                      "</style></head><body>";
    for (int n = 1; n <= phrases; ++n) {
        const QByteArray number = QByteArray::number(n);
        html += "<p><a id=\"a" + number + "\" href=\"#t" + number + "\">" + number + "</a> <span id=\"t" + number
                + "\" class=\"" + (n % 2 ? "text" : "comm") + "\">The phrase number " + number + ".</span></p>";
    }
    return html + "</body></html>";
}

// The workshop shown on two loaded pages with the sample course's sound.
struct Workshop {
    explicit Workshop(int phrases)
    {
        for (const char* name : {"left.htm", "right.htm"}) {
            QFile file(QDir(folder.path()).filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
            file.write(page(phrases));
        }
        QStringList marks;
        for (int n = 1; n <= phrases; ++n)
            marks.append(QString::number(n * 1000));
        window.marks = platform::StringList(marks);
        window.TrackBar1->setMax(phrases - 1);
        window.CppWebBrowser1->setFixedWidth(440);
        window.show();
        window.CppWebBrowser1->Navigate(folder.filePath(QStringLiteral("left.htm")));
        window.CppWebBrowser2->Navigate(folder.filePath(QStringLiteral("right.htm")));
        while (!window.leftHighlighted || !window.rightHighlighted)
            QCoreApplication::processEvents();
        window.MediaPlayer1->setFileName(QStringLiteral(SAMPLE_COURSE_DIR "/data/sound/hello.wav"));
        window.MediaPlayer1->open();
    }

    // Each tick finds the phrase over and moves on to the next.
    void tickPastAMark()
    {
        if (!window.Timer1->enabled())
            window.m11Click();
        window.positionMs = std::numeric_limits<int>::max();
        window.Timer1Timer();
        QCoreApplication::processEvents(); // paints what the tick changed
    }

    platform::VirtualAudioDevice audio;
    QTemporaryDir folder;
    TWorkTxtFrm window;
};

void ordinaryTick(benchmark::State& state)
{
    Workshop workshop(int(state.range(0)));
    for (auto _ : state)
        workshop.tickPastAMark();
}

// A unit of phrases 2 to 11: ten "cycle" writes a page at every tick.
void cycleTick(benchmark::State& state)
{
    Workshop workshop(int(state.range(0)));
    TWorkTxtFrm& w = workshop.window;
    w.unitFirst = 2;
    w.unitLast = 11;
    w.cycling = 1;
    for (auto _ : state)
        workshop.tickPastAMark();
}

BENCHMARK(ordinaryTick)->Arg(100)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(cycleTick)->Arg(100)->Arg(2000)->Unit(benchmark::kMicrosecond);

} // namespace
