// The main of the benchmark programs that draw windows: the offscreen
// platform and the application object with the error boundary, then the
// benchmarks named on the command line.

#include "platform/application.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
