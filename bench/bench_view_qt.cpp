// Speed of the rich-text view on a 1000 x 1000 table source (about 50 million characters, a
// million lines, millions of colour runs): setting the text and its colours and painting the first
// screen (the rest of the text loads in idle turns: "fully_loaded_s"), then typing one character.
#include "controls/forms.h"
#include "controls/richtextbox.h"
#include "editor/htmlcolorizer.h"
#include "qt/formview.h"
#include "qt/richtextview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <benchmark/benchmark.h>
#include "benchsupport.h"

#include <sys/resource.h>

namespace {

using benchsupport::tableSource;

const ColorRuns &tableRuns()
{
    static const ColorRuns runs = editor::colorRuns(tableSource(), editor::ColorScheme::light());
    return runs;
}

struct Editor
{
    Editor() : rb(&form, QStringLiteral(u"RB1"))
    {
        form.move(0, 0, 12000, 9000);
        rb.move(0, 0, 11000, 8000);
        view = std::make_unique<FormView>(form);
        view->show();
        text = static_cast<RichTextView *>(view->widgetOf(rb));
        QApplication::processEvents();
    }
    // Paints the view now, as the first paint after the change would.
    void paint() { text->viewport()->grab(); }
    // Lets the view load the rest of the text in its idle turns.
    void finishLoading()
    {
        while (text->loading())
            QApplication::processEvents();
    }

    Form form{QStringLiteral(u"Form1")};
    RichTextBox rb;
    std::unique_ptr<FormView> view;
    RichTextView *text = nullptr;
    int changes = 0;
};

void counters(benchmark::State &state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["chars"] = double(tableSource().size());
    state.counters["runs"] = double(tableRuns().size());
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_SetTextColoursFirstPaint(benchmark::State &state)
{
    tableRuns();
    double loaded = 0;
    for (auto _ : state) {
        Editor editor;
        editor.paint();
        const auto start = std::chrono::steady_clock::now();
        editor.rb.setText(tableSource());
        editor.rb.setColorRuns(tableRuns());
        editor.paint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        editor.finishLoading();
        loaded += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        editor.view.reset();
        state.ResumeTiming();
    }
    state.counters["fully_loaded_s"] = loaded / double(state.iterations());
    counters(state);
}
BENCHMARK(BM_SetTextColoursFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_TypeCharacter(benchmark::State &state)
{
    Editor editor;
    editor.rb.onChange = [&editor] { ++editor.changes; };
    editor.rb.setText(tableSource());
    editor.rb.setColorRuns(tableRuns());
    editor.finishLoading();
    // The caret in the middle of the source, on screen.
    editor.rb.lineScroll(500000);
    editor.rb.setSelStart(int(tableSource().size() / 2));
    editor.paint();
    editor.changes = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral(u"a"));
        QApplication::sendEvent(editor.text, &press);
        editor.paint();
    }
    state.counters["changes_per_key"] = double(editor.changes) / double(state.iterations());
    counters(state);
}
BENCHMARK(BM_TypeCharacter)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
