// The start-up routine on a generated course of 5,000 tree nodes with its
// catalogue files, skin and pages taken from the sample course.
#include "platform/form.h"
#include "platform/stringlist.h"
#include "shell/Main.h"
#include "support/fakedesktop.h"
#include "support/tempcourse.h"
#include "support/windows.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int nodeCount = 5000;

void writeLargeCatalogue(const testsupport::TempCourse& course)
{
    QStringList tree, kinds, sounds, names, texts, trans, descr, times, titles, marks;
    for (int i = 0; i < nodeCount; ++i) {
        const bool heading = i % 25 == 0;
        tree.append(heading ? QStringLiteral("Unit %1").arg(i / 25 + 1) : QStringLiteral("\tLesson %1").arg(i));
        kinds.append(heading ? QString() : QStringLiteral("1"));
        sounds.append(QStringLiteral("hello.wav"));
        names.append(QStringLiteral("lesson%1").arg(i));
        texts.append(QStringLiteral("hello.htm"));
        trans.append(QStringLiteral("hello_ru.htm"));
        descr.append(QStringLiteral("unit1.htm"));
        times.append(QStringLiteral("0"));
        titles.append(QStringLiteral("Lesson %1").arg(i));
        marks.append(QStringLiteral("hello.txt"));
    }
    course.writeLines("main.mrb", tree);
    course.writeLines("main.mtp", kinds);
    course.writeLines("sound.mtp", sounds);
    course.writeLines("name.mtp", names);
    course.writeLines("text.mtp", texts);
    course.writeLines("trans.mtp", trans);
    course.writeLines("descr.mtp", descr);
    course.writeLines("time.mtp", times);
    course.writeLines("zagol.mtp", titles);
    course.writeLines("zmarks.mtp", marks);
    QStringList wind = platform::StringList::load(course.root() + "\\wind.mtp").lines();
    wind[2] = QStringLiteral("False");
    wind[5] = QStringLiteral("False");
    course.writeLines("wind.mtp", wind);
}

// Steps 3 to 13 dominate the routine: the interface strings before them and
// the start page after them only read one small file and navigate once.
void BM_StartupRoutine5000Nodes(benchmark::State& state)
{
    const testsupport::TempCourse course{QStringLiteral(SAMPLE_COURSE_DIR)};
    writeLargeCatalogue(course);
    testsupport::FakeDesktop desktop;
    for (auto _ : state) {
        state.PauseTiming();
        auto windows = std::make_unique<testsupport::Windows>(course.root());
        state.ResumeTiming();
        MainFrm->FormShow();
        state.PauseTiming();
        if (MainFrm->TreeView1->nodeCount() != nodeCount || !desktop.errors.empty())
            state.SkipWithError("the start-up routine failed");
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupRoutine5000Nodes)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
