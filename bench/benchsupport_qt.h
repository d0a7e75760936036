#pragma once

// main() of the benchmarks that show windows: an offscreen application unless a display is asked
// for, the browser's sandbox off as root, the Japanese fonts.

#include "qt/japanese.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <unistd.h>

inline int runQtBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    useJapaneseFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
