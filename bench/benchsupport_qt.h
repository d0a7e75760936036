#pragma once

// main() of the benchmarks that show windows: an offscreen application unless a display is asked
// for, the browser's sandbox off as root, the Japanese fonts.

#include "benchsupport.h"
#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <unistd.h>

// The main window started and shown, its settings and working folder a temporary one.
struct ShownMainWindow
{
    QTemporaryDir dir;
    Form1 form;
    std::unique_ptr<FormView> view;

    ShownMainWindow()
    {
        form.settingsFolder = dir.path();
        form.workFolder = dir.path();
        form.Form_Load();
        view = std::make_unique<FormView>(form);
        view->show();
    }
};

// Types "a" into `target` once per iteration and times it with the repaint `repaint` causes; the
// median and the worst keystroke are the figures.
template <typename Repaint>
void typeAndTime(benchmark::State &state, QWidget *target, Repaint repaint)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral(u"a"));
        QApplication::sendEvent(target, &press);
        repaint();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        times.push_back(seconds * 1e3);
    }
    benchsupport::quantiles(state, times);
}

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
