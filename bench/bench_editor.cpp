// Speed and memory of the source editor's text engines on a large generated table source.
#include "editor/blockindent.h"
#include "editor/commentspans.h"
#include "editor/htmlcolorizer.h"
#include "editor/tagcase.h"
#include "editor/typedcolouring.h"

#include <benchmark/benchmark.h>
#include "benchsupport.h"

#include <sys/resource.h>

using namespace editor;

namespace {

using benchsupport::tableSource;

void reportMemory(benchmark::State &state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["chars"] = double(tableSource().size());
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
}

class CountingSink : public ColorSink
{
public:
    void run(qsizetype, qsizetype, quint32) override { ++count; }
    qsizetype count = 0;
};

void BM_ColourRunsToList(benchmark::State &state)
{
    const QString &text = tableSource();
    size_t runs = 0;
    for (auto _ : state) {
        ColorRuns list = colorRuns(text, ColorScheme::light());
        runs = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["runs"] = double(runs);
    reportMemory(state);
}

void BM_ColourRunsToSink(benchmark::State &state)
{
    const QString &text = tableSource();
    for (auto _ : state) {
        CountingSink sink;
        HtmlColorizer(text).colorAll(ColorScheme::dark(), sink);
        benchmark::DoNotOptimize(sink.count);
    }
    reportMemory(state);
}

// The same table with the row and column comment in every cell: a million comments to pair.
const QString &commentedSource()
{
    static const QString source = [] {
        QString s;
        s.reserve(tableSource().size() + 16'000'000);
        s += u"<table>\r\n";
        for (int row = 0; row < 1000; ++row) {
            s += u"<tr>\r\n";
            for (int col = 0; col < 1000; ++col)
                s += QStringLiteral(u"<td><!--") + QString::number(col + 1) + QStringLiteral(u"列:")
                     + QString::number(row + 1) + QStringLiteral(u"行-->\"text\"</td>\r\n");
            s += u"</tr>\r\n";
        }
        s += u"</table>";
        return s;
    }();
    return source;
}

void BM_ColourCommentedTable(benchmark::State &state)
{
    const QString &text = commentedSource();
    for (auto _ : state) {
        CountingSink sink;
        HtmlColorizer(text).colorAll(ColorScheme::light(), sink);
        benchmark::DoNotOptimize(sink.count);
    }
    state.counters["comment_chars"] = double(text.size());
    reportMemory(state);
}

// One character typed (replaced by itself, so the text stays) in the commented table, after a
// whole pass has kept its states: what the colouring of typed text costs per keystroke.
void BM_TypeInTheCommentedTable(benchmark::State &state)
{
    const QString &text = commentedSource();
    std::vector<HtmlColorizer::StateAt> states;
    const HtmlColorizer colorizer(text);
    colorizer.runs(ColorScheme::light(), &states, TypedTextColouring::stateStep());
    TypedTextColouring typed;
    typed.keepStates(text, states, colorizer);
    qsizetype at = text.size() / 2;
    for (auto _ : state) {
        at = text.indexOf(u"text", at + 1);
        const TypedTextColouring::Edit edit{at, 1, QStringView(text).sliced(at, 1)};
        ColorRuns runs = typed.colourEdit(text, edit, ColorScheme::light());
        benchmark::DoNotOptimize(runs.data());
    }
}

// Pairing the comment markers of lines whose markers do not pair in turn: the sizes show how
// the whole pass grows with the text.
void BM_PairUnpairedComments(benchmark::State &state)
{
    const QString text = benchsupport::unpairedCommentLines(state.range(0));
    std::size_t spans = 0;
    for (auto _ : state) {
        const std::vector<TextSpan> found = findCommentSpans(text);
        spans = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["chars"] = double(text.size());
    state.counters["spans"] = double(spans);
}

void BM_IndentThenUnindent(benchmark::State &state)
{
    const QString &text = tableSource();
    for (auto _ : state) {
        const std::optional<QString> indented = indentHtmlSource(text);
        const QString back = removeIndentation(*indented);
        benchmark::DoNotOptimize(back.constData());
        state.counters["indented_chars"] = double(indented->size());
    }
    reportMemory(state);
}

void BM_ConvertTagCase(benchmark::State &state)
{
    const QString &text = tableSource();
    for (auto _ : state) {
        const QString upper = convertTagCase(text, 2);
        benchmark::DoNotOptimize(upper.constData());
    }
    reportMemory(state);
}

// Generated once before the benchmarks run, outside the timed loops.
const QString &generatedSource = tableSource();

} // namespace

BENCHMARK(BM_ColourRunsToList)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ColourRunsToSink)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ColourCommentedTable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TypeInTheCommentedTable)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_PairUnpairedComments)
    ->Unit(benchmark::kMillisecond)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Arg(1'000'000);
BENCHMARK(BM_IndentThenUnindent)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ConvertTagCase)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
