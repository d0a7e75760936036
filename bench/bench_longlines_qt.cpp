// Keys on texts whose lines are long: a source that is one line of a million characters (minified
// HTML pasted into the source page), a cell-data row of 200,000 characters, and the same
// characters in lines of about 50 as the reference, measured in the same run.
// - A key in the middle of the text, or at the end of the long line, with the repaint it causes:
//   median and worst. The third argument of BM_KeyOnTheSourcePage picks the text: 0 the million
//   characters in short lines, 1 on one line with the key in its middle, 2 at its end.
// - The long line set into the source page, coloured and first painted; then scrolled to its
//   right end and painted ("right_end_ms").
// - The long line pasted with Ctrl+V into an empty source page, until the view is painted.
//
// Run with repetitions and read the medians: the machine is shared.

#include "benchsupport.h"
#include "benchsupport_qt.h"

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/richtextview.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// About a million characters of table source in lines of about 50, whole lines.
const QString &shortLines()
{
    static const QString text = [] {
        const QString &source = benchsupport::tableSource();
        return source.left(source.indexOf(u"\r\n", 1'000'000) + 2);
    }();
    return text;
}

// The same characters on one line.
const QString &oneLine()
{
    static const QString text = QString(shortLines()).remove(QStringLiteral(u"\r\n"));
    return text;
}

// The main window shown on its source page, the source empty and the caret in it.
struct SourcePage : ShownMainWindow
{
    RichTextView *source = nullptr;

    SourcePage()
    {
        // The page first: showing it would indent the text.
        form.TabStrip1.selectTab(3);
        form.RB1.setText(QString());
        form.RB1.setFocus();
        source = static_cast<RichTextView *>(view->widgetOf(form.RB1));
        QApplication::processEvents();
    }
    // The text set and coloured as the editor colours a whole source.
    void show(const QString &text)
    {
        form.RB1.setText(text);
        form.Setcolor2();
    }
    void paint() { source->viewport()->grab(); }
};

void BM_KeyOnTheSourcePage(benchmark::State &state)
{
    SourcePage page;
    const int text = int(state.range(0));
    page.show(text == 0 ? shortLines() : oneLine());
    RichTextBox &box = page.form.RB1;
    const qsizetype at = text == 2 ? box.length() : box.length() / 2;
    box.lineScroll(box.lineAt(at) - box.firstVisibleLine());
    box.setSelStart(int(at));
    page.paint();
    QApplication::processEvents();
    typeAndTime(state, page.source, [&page] { page.paint(); });
    state.counters["chars"] = double(box.length());
    state.counters["lines"] = double(box.lineCount());
}
BENCHMARK(BM_KeyOnTheSourcePage)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);

// A row of 200,000 characters in the cell-data box of the settings page (the reference: the same
// characters in rows of about 50), the key in its middle.
void BM_KeyInALongCellDataRow(benchmark::State &state)
{
    ShownMainWindow window;
    Form1 &form = window.form;
    FormView &view = *window.view;
    QString row;
    for (int cell = 0; row.size() < 200'000; ++cell)
        row += QStringLiteral(u"セル%1,").arg(cell);
    if (state.range(0) == 0) {
        for (qsizetype i = 50; i < row.size(); i += 52)
            row.insert(i, QStringLiteral(u"\r\n"));
    }
    form.RB3.setText(QStringLiteral(u"[[") + row + QStringLiteral(u"]]"));
    auto *box = static_cast<RichTextView *>(view.widgetOf(form.RB3));
    form.RB3.setSelStart(form.RB3.length() / 2);
    box->setFocus();
    box->viewport()->grab();
    QApplication::processEvents();
    typeAndTime(state, box, [box] { box->viewport()->grab(); });
    state.counters["chars"] = double(form.RB3.length());
}
BENCHMARK(BM_KeyInALongCellDataRow)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);

// Runs `act` once per iteration on a source page made and painted for it outside the time; `act`
// sets the iteration's time.
template <typename Act>
void onFreshPages(benchmark::State &state, Act act)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<SourcePage>();
        page->paint();
        state.ResumeTiming();
        act(*page);
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
}

// The long line set into the source page and coloured, until its first screen is painted; then
// scrolled to its right end and painted.
void BM_ShowTheLongLine(benchmark::State &state)
{
    oneLine();
    double rightEnd = 0;
    onFreshPages(state, [&](SourcePage &page) {
        const auto start = Clock::now();
        page.show(oneLine());
        page.paint();
        state.SetIterationTime(since(start));
        const auto scrolled = Clock::now();
        QScrollBar *across = page.source->horizontalScrollBar();
        across->setValue(across->maximum());
        page.paint();
        rightEnd += since(scrolled);
        if (across->maximum() <= 0)
            state.SkipWithError("the line does not scroll across");
    });
    state.counters["right_end_ms"] = rightEnd / double(state.iterations()) * 1e3;
    state.counters["chars"] = double(oneLine().size());
}
BENCHMARK(BM_ShowTheLongLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The long line pasted with Ctrl+V into an empty source page, until the view is painted.
void BM_PasteTheLongLine(benchmark::State &state)
{
    QApplication::clipboard()->setText(oneLine());
    onFreshPages(state, [&](SourcePage &page) {
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(page.source, &press);
        page.paint();
        state.SetIterationTime(since(start));
        if (page.form.RB1.length() != oneLine().size())
            state.SkipWithError("the paste did not arrive");
    });
    state.counters["chars"] = double(oneLine().size());
}
BENCHMARK(BM_PasteTheLongLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
