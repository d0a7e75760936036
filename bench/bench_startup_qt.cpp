// Start-up to the first painted window, as a user sees it: from starting the process to the end of
// the main window's first paint. The benchmark starts itself again as a child that runs the
// program's start-up (the same code as main()) and reports the time of that paint; beside it the
// same for a bare Qt window, the floor any Qt program stands on. The child keeps its settings in a
// folder of its own beside the benchmark.
//
// Run with repetitions and read the medians: the machine is shared.
//     bench_startup_qt --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "qt/bindings.h"
#include "qt/program.h"

#include <QApplication>
#include <QProcess>
#include <QDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

// In the child: writes the clock's reading (ns) once the window's first paint is over, and ends the
// process at once (its shutdown is not measured).
void reportFirstPaint(QWidget &window)
{
    auto *hook = new EventHook(&window, &window, [&window](QEvent *event) {
        if (event->type() == QEvent::Paint && !window.property("painted").toBool()) {
            window.setProperty("painted", true);
            // Queued: runs once the paint of the whole window has been done.
            QTimer::singleShot(0, &window, [] {
                const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                    Clock::now().time_since_epoch())
                                    .count();
                std::printf("%lld\n", static_cast<long long>(ns));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    });
    Q_UNUSED(hook);
}

int runChild(const char *what, int argc, char **argv)
{
    prepareProcess();
    QApplication app(argc, argv);
    if (std::strcmp(what, "bare") == 0) {
        QWidget window;
        window.resize(940, 700);
        reportFirstPaint(window);
        window.show();
        return app.exec();
    }
    const QString own = QCoreApplication::applicationDirPath() + QStringLiteral(u"/startup-child");
    QDir().mkpath(own);
    ProgramFolders folders{QCoreApplication::applicationDirPath(), own, own};
    Program program(app, folders);
    reportFirstPaint(program.view());
    return app.exec();
}

// Starts the child and returns the seconds from the start to the end of its first paint.
double startUp(const char *what)
{
    QProcess child;
    const auto start = Clock::now();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral(u"--child=") + QString::fromLatin1(what)});
    child.waitForFinished(60000);
    const long long painted = child.readAllStandardOutput().trimmed().toLongLong();
    const long long started =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    return painted > started ? double(painted - started) / 1e9 : -1;
}

void measure(benchmark::State &state, const char *what)
{
    for (auto _ : state) {
        const double seconds = startUp(what);
        if (seconds < 0) {
            state.SkipWithError("the child reported no paint");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_StartUpToFirstPaint(benchmark::State &state)
{
    measure(state, "program");
}
BENCHMARK(BM_StartUpToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_BareQtWindowToFirstPaint(benchmark::State &state)
{
    measure(state, "bare");
}
BENCHMARK(BM_BareQtWindowToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--child=", 8) == 0)
            return runChild(argv[i] + 8, argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
