// The source view on the largest table's source: the 1000 x 1000 CSV table made and indented as
// the make command does (about 30 million characters, 1.7 million lines, 4 million colour runs).
// - First paint: the text and its colours (worked out when first drawn, as Setcolor2 leaves them)
//   handed to a shown view, until its first screen is painted; "last_line_shown_s" until its last
//   line has been scrolled to and painted too (all of it loaded and scrollable).
// - The make command in the shown main window on the imported table, until the source page is
//   painted.
// - Typing: 200 characters typed in the middle of the text, each with its repaint; the worst is
//   the figure that counts.
// - Pasting 400,000 lines (about 10 million characters) with Ctrl+V into an empty source, until
//   the view is painted: in a bare view, and on the main window's source page with its reactions.
//
// Run with repetitions and read the medians: the machine is shared.

#include "controls/forms.h"
#include "controls/hugepages.h"
#include "controls/richtextbox.h"
#include "editor/colorscheme.h"
#include "editor/htmlcolorizer.h"
#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/richtextview.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include "benchsupport.h"
#include "benchsupport_qt.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class OneFile : public FileDialogService
{
public:
    QString path;
    std::optional<QString> open(const FileDialogRequest &) override { return path; }
    std::optional<QString> save(const FileDialogRequest &) override { return std::nullopt; }
};

// The source the make command shows for the 1000 x 1000 CSV table.
const QString &tableSource()
{
    static const QString source = [] {
        OneFile files;
        files.path = benchsupport::csvFile(1000);
        Services services;
        services.files = &files;
        Form1 form(services);
        form.workFolder = benchsupport::folder().path();
        form.Form_Load();
        form.rcsv.userClicked();
        form.Cmd(1).userClicked();
        return form.RB1.text();
    }();
    return source;
}

// A text of its own for the box, as the make command leaves it: no other copy shares it, and
// it has room behind it for the first edits.
QString ownCopy(const QString &text)
{
    QString copy = hugepages::uninitialized(text.size(), hugepages::editingRoom(text.size()));
    std::copy(text.cbegin(), text.cend(), copy.data());
    return copy;
}

void colourLater(RichTextBox &box)
{
    box.setColorRunsLater([](const QString &text) {
        return editor::HtmlColorizer(text).runList(editor::ColorScheme::light());
    });
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

    Form form{QStringLiteral(u"Form1")};
    RichTextBox rb;
    std::unique_ptr<FormView> view;
    RichTextView *text = nullptr;
};


void counters(benchmark::State &state)
{
    state.counters["chars"] = double(tableSource().size());
    state.counters["peak_MB"] = double(benchsupport::peakMegabytes());
}

void BM_ShowSourceFirstPaint(benchmark::State &state)
{
    tableSource();
    double loaded = 0;
    for (auto _ : state) {
        Editor editor;
        editor.paint();
        QString source = ownCopy(tableSource());
        const auto start = Clock::now();
        editor.rb.setText(source);
        source = QString();
        colourLater(editor.rb);
        editor.paint();
        state.SetIterationTime(since(start));
        // All of it scrollable: the last line shown.
        editor.rb.lineScroll(editor.rb.lineCount());
        editor.paint();
        loaded += since(start);
        state.PauseTiming();
        editor.view.reset();
        state.ResumeTiming();
    }
    state.counters["last_line_shown_s"] = loaded / double(state.iterations());
    counters(state);
}
BENCHMARK(BM_ShowSourceFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_TypeCharacter(benchmark::State &state)
{
    Editor editor;
    int changes = 0;
    editor.rb.onChange = [&changes] { ++changes; };
    editor.rb.setText(ownCopy(tableSource()));
    colourLater(editor.rb);
    // The caret in the middle of the source, on screen.
    editor.rb.lineScroll(editor.rb.lineCount() / 2);
    editor.rb.setSelStart(int(tableSource().size() / 2));
    editor.paint();
    changes = 0;
    typeAndTime(state, editor.text, [&editor] { editor.paint(); });
    state.counters["changes_per_key"] = double(changes) / double(state.iterations());
    counters(state);
}
BENCHMARK(BM_TypeCharacter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

// The same typing on the source page of the main window after the make command, with the
// source view's own reactions to every change (the colour of the typed text among them).
// The main window shown, with the 1000 x 1000 CSV table imported.
struct WindowOnTheTable
{
    OneFile files;
    Services services;
    Form1 form;
    FormView view;
    RichTextView *source = nullptr;

    explicit WindowOnTheTable(int n = 1000, bool import = true)
        : services(withFiles(n)), form(services), view(form)
    {
        form.workFolder = benchsupport::folder().path();
        form.Form_Load();
        view.show();
        if (import)
            form.rcsv.userClicked();
        source = static_cast<RichTextView *>(view.widgetOf(form.RB1));
    }
    Services withFiles(int n)
    {
        files.path = benchsupport::csvFile(n);
        Services s;
        s.files = &files;
        return s;
    }
};

void BM_TypeOnTheSourcePage(benchmark::State &state)
{
    WindowOnTheTable window;
    Form1 &form = window.form;
    RichTextView *source = window.source;
    form.Cmd(1).userClicked();
    form.RB1.lineScroll(form.RB1.lineCount() / 2);
    form.RB1.setSelStart(int(form.RB1.lineStart(form.RB1.lineCount() / 2 + 10)));
    // Painted once before the keys, as the window on the screen is: the first grab also sets up
    // what every grab after it reuses.
    source->viewport()->grab();
    QApplication::processEvents();
    const quint64 closes = form.RB1.gapCloses();
    typeAndTime(state, source, [source] { source->viewport()->grab(); });
    // Times the text was read whole while typing with a gap open: each costs a move of the text.
    state.counters["gap_closes"] = double(form.RB1.gapCloses() - closes);
    state.counters["chars"] = double(form.RB1.text().size());
    state.counters["peak_MB"] = double(benchsupport::peakMegabytes());
}
BENCHMARK(BM_TypeOnTheSourcePage)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(200);

// The first key after a command has put the caret far from the lines in view: the caret is set
// by code in turn near the top, in the middle and near the end of the source, then one key is
// typed and the view repainted. Only the key and its repaint are timed.
void BM_FirstKeyAfterACaretSetByCode(benchmark::State &state)
{
    WindowOnTheTable window;
    Form1 &form = window.form;
    RichTextView *source = window.source;
    form.Cmd(1).userClicked();
    QApplication::processEvents();
    const int lines = form.RB1.lineCount();
    const int places[] = {lines / 50, lines / 2, lines - lines / 50};
    std::vector<double> times;
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.RB1.setSelStart(int(form.RB1.lineStart(places[turn++ % 3])));
        QApplication::processEvents();
        state.ResumeTiming();
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral(u"a"));
        QApplication::sendEvent(source, &press);
        source->viewport()->grab();
        const double seconds = since(start);
        state.SetIterationTime(seconds);
        times.push_back(seconds * 1e3);
    }
    benchsupport::quantiles(state, times);
    state.counters["chars"] = double(form.RB1.text().size());
}
BENCHMARK(BM_FirstKeyAfterACaretSetByCode)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(60);

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The CSV import of an n x n table into the shown main window, its cell-data box in view, until
// the window is painted again: the rows set into the box, the source made, the box shown. The
// window paints once, as it does on the screen: through the event loop, what changed.
void BM_ImportCsvIntoTheWindow(benchmark::State &state)
{
    const int n = int(state.range(0));
    double total = 0;
    for (auto _ : state) {
        WindowOnTheTable window(n, false);
        QApplication::processEvents();
        auto *cellData = static_cast<RichTextView *>(window.view.widgetOf(window.form.RB3));
        PaintCounter counter;
        cellData->viewport()->installEventFilter(&counter);
        const auto start = Clock::now();
        window.form.rcsv.userClicked();
        QApplication::processEvents();
        const double seconds = since(start);
        state.SetIterationTime(seconds);
        total += seconds;
        if (!cellData->isVisible() || counter.paints == 0)
            state.SkipWithError("the cell-data box is not shown");
    }
    state.counters["us_per_cell"] = total / double(state.iterations()) / (double(n) * n) * 1e6;
}
BENCHMARK(BM_ImportCsvIntoTheWindow)->Arg(100)->Arg(300)->Arg(1000)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(3);

// The make command on the imported 1000 x 1000 table in the shown main window, until the source
// page's first screen is painted: make, colour, indent and show as the user waits for them.
void BM_MakeCommandInTheWindow(benchmark::State &state)
{
    for (auto _ : state) {
        WindowOnTheTable window;
        QApplication::processEvents();
        const auto start = Clock::now();
        window.form.Cmd(1).userClicked();
        window.source->viewport()->grab();
        state.SetIterationTime(since(start));
    }
    state.counters["peak_MB"] = double(benchsupport::peakMegabytes());
}
BENCHMARK(BM_MakeCommandInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The same table made as the script that writes it (番号/JavaScript chosen), to the first paint.
void BM_MakeScriptInTheWindow(benchmark::State &state)
{
    for (auto _ : state) {
        WindowOnTheTable window;
        window.form.Check5.setValue(1);
        QApplication::processEvents();
        const auto start = Clock::now();
        window.form.Cmd(1).userClicked();
        window.source->viewport()->grab();
        state.SetIterationTime(since(start));
        state.counters["chars"] = double(window.form.RB1.length());
    }
    state.counters["peak_MB"] = double(benchsupport::peakMegabytes());
}
BENCHMARK(BM_MakeScriptInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// Typing in lines whose comment markers do not pair in turn (see unpairedCommentLines) on the
// source page of the main window, in the middle of the text, with the window's reactions to every
// change: inside a comment that is one only because its text repeats (second argument 0), between
// the tags of a line (1), between the "--" and the ">" of a "-->" (2).
void BM_TypeInUnpairedComments(benchmark::State &state)
{
    ShownMainWindow window;
    Form1 &form = window.form;
    FormView &view = *window.view;
    // The page first: showing it would indent the text.
    form.TabStrip1.selectTab(3);
    form.RB1.setText(benchsupport::unpairedCommentLines(state.range(0)));
    form.Setcolor2();
    RichTextView *source = static_cast<RichTextView *>(view.widgetOf(form.RB1));
    // Offsets in "<p>x</p><!-- a <!-- b -->": after the "a", after the "x", before the ">".
    static constexpr qsizetype kOffsets[] = {14, 4, 24};
    const qsizetype line = form.RB1.text().indexOf(u"<p>", form.RB1.text().size() / 2);
    form.RB1.lineScroll(form.RB1.lineCount() / 2);
    form.RB1.setSelStart(int(line + kOffsets[state.range(1)]));
    source->viewport()->grab();
    QApplication::processEvents();
    const quint64 closes = form.RB1.gapCloses();
    typeAndTime(state, source, [source] { source->viewport()->grab(); });
    // Times the text was read whole while typing with a gap open: each costs a move of the text.
    state.counters["gap_closes"] = double(form.RB1.gapCloses() - closes);
    state.counters["chars"] = double(form.RB1.text().size());
}
BENCHMARK(BM_TypeInUnpairedComments)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->ArgsProduct({{50'000, 200'000, 1'000'000, 4'000'000, 10'000'000}, {0, 1, 2}})
    ->Iterations(30);

const QString &pastedText()
{
    static const QString text = [] {
        QString lines;
        for (int i = 0; i < 400000; ++i)
            lines += QStringLiteral(u"<td>pasted  %1 </td>\r\n").arg(i, 6, 10, QLatin1Char('0'));
        return lines;
    }();
    return text;
}

// Ctrl+V into `target`, with the repaint it causes, once per iteration on a fresh view.
template <typename Fresh> void pasteAndTime(benchmark::State &state, Fresh fresh)
{
    QApplication::clipboard()->setText(pastedText());
    for (auto _ : state) {
        state.PauseTiming();
        auto [target, keep] = fresh();
        QApplication::processEvents();
        state.ResumeTiming();
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(target, &press);
        target->viewport()->grab();
        state.SetIterationTime(since(start));
        state.PauseTiming();
        keep.reset();
        state.ResumeTiming();
    }
    state.counters["chars"] = double(pastedText().size());
}

void BM_PasteIntoAnEmptyView(benchmark::State &state)
{
    pasteAndTime(state, [] {
        auto editor = std::make_shared<Editor>();
        editor->text->setFocus();
        return std::pair(editor->text, std::shared_ptr<void>(editor));
    });
}
BENCHMARK(BM_PasteIntoAnEmptyView)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The main window shown on its source page, the source empty.
struct EmptySourcePage
{
    Form1 form;
    FormView view{form};

    EmptySourcePage()
    {
        form.workFolder = benchsupport::folder().path();
        form.Form_Load();
        view.show();
        form.TabStrip1.userSelected(3);
        form.RB1.setText(QString());
        form.RB1.setFocus();
    }
};

void BM_PasteIntoAnEmptySourcePage(benchmark::State &state)
{
    pasteAndTime(state, [] {
        auto window = std::make_shared<EmptySourcePage>();
        auto *source = static_cast<RichTextView *>(window->view.widgetOf(window->form.RB1));
        return std::pair(source, std::shared_ptr<void>(window));
    });
}
BENCHMARK(BM_PasteIntoAnEmptySourcePage)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
