// The main of the benchmarks that show screens: an offscreen application
// named and set up like the program, then Google Benchmark.
#include "core/LocalZone.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    LocalZone::pin();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ijar"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
