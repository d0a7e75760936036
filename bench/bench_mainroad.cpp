// The main road on the largest table: a 1000 x 1000 CSV file imported, its source made and shown
// (coloured and indented), and previewed (files written). The view is not part of this measure.

#include "frame/form1.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include "benchsupport.h"

namespace {

class OneFile : public FileDialogService
{
public:
    QString path;
    std::optional<QString> open(const FileDialogRequest &) override { return path; }
    std::optional<QString> save(const FileDialogRequest &) override { return std::nullopt; }
};

using benchsupport::peakMegabytes;

struct BigCsv
{
    QTemporaryDir dir;
    OneFile files;
    Services services;
    BigCsv()
    {
        files.path = dir.filePath(QStringLiteral(u"big.csv"));
        QFile file(files.path);
        file.open(QIODevice::WriteOnly);
        QByteArray line;
        for (int c = 0; c < 1000; ++c)
            line += (c ? "," : "") + QByteArray::number(c);
        line += "\r\n";
        for (int r = 0; r < 1000; ++r)
            file.write(line);
        services.files = &files;
    }
    std::unique_ptr<Form1> startedForm()
    {
        auto f = std::make_unique<Form1>(services);
        f->workFolder = dir.path();
        f->Form_Load();
        return f;
    }
};

void BM_ImportMakeAndShow(benchmark::State &state)
{
    BigCsv csv;
    for (auto _ : state) {
        state.PauseTiming();
        auto f = csv.startedForm();
        state.ResumeTiming();
        f->ImportCsv();
        f->Cmd_Click(1); // make the source and show it: coloured, indented, on the source page
        state.counters["source_chars"] = double(f->RB1.text().size());
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = double(peakMegabytes());
}
BENCHMARK(BM_ImportMakeAndShow)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PreviewOfTheShownSource(benchmark::State &state)
{
    BigCsv csv;
    auto f = csv.startedForm();
    f->ImportCsv();
    f->Cmd_Click(1);
    for (auto _ : state)
        f->Cmd_Click(3); // preview file and settings copy written, browser sent
    state.counters["peak_MB"] = double(peakMegabytes());
}
BENCHMARK(BM_PreviewOfTheShownSource)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
