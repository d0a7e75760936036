// Keystrokes with completion in the source view of the shown main window: from the key event sent
// to the focused source view to the window repainted (the lists, their icons and explanations
// included). Each benchmark types a cycle of keys over and over and reports the median and the
// worst of 200 keystrokes:
// - a 1 MB HTML source: "<ta" opening and narrowing the candidate list, then three Backspaces;
// - the HTML source of a 1000 x 1000 table;
// - the JavaScript output of a 1000 x 1000 table: "." typed after "document" inside the script
//   (the member list with the type inference over the whole script), then Backspace.

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/qtservices.h"
#include "qt/richtextview.h"

#include "benchsupport.h"
#include "benchsupport_qt.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using benchsupport::peakMegabytes;

QString cellData(int rows, int columns)
{
    QString text;
    for (int r = 0; r < rows; ++r) {
        text += u"[[";
        for (int c = 0; c < columns; ++c)
            text += (c ? QStringLiteral(u"$") : QString()) + QStringLiteral(u"セル ") +
                    QString::number(r) + u'-' + QString::number(c);
        text += u"]]\r\n";
    }
    return text;
}

// The main window shown on its source page, the source made by the writer from a design.
struct Window
{
    QTemporaryDir dir;
    QtServices services;
    Form1 form{services.services()};
    std::unique_ptr<FormView> view;

    Window(int rows, int columns, bool script)
    {
        form.settingsFolder = dir.path();
        form.workFolder = dir.path();
        form.Form_Load();
        form.Check3.setValue(0); // no indentation: the source as the writer makes it
        form.Check5.setValue(script ? 1 : 0);
        form.RB3.setText(cellData(rows, columns));
        view = std::make_unique<FormView>(form);
        services.caret.view = view.get();
        view->show();
        view->activateWindow();
        form.Cmd(1).userClicked(); // make the source and show it
        QApplication::processEvents();
    }
    // Puts the caret on a new line after the first occurrence of `after` from `from` on.
    void placeCaret(const QString &after, qsizetype from)
    {
        const qsizetype at = form.RB1.text().indexOf(after, from);
        form.RB1.setSelStart(int(at + after.size()));
        form.RB1.setFocus();
        type(QStringLiteral(u"{ENTER}"));
    }
    // A key as the platform delivers it, then every repaint it caused. Returns milliseconds.
    double type(const QString &keys)
    {
        QElapsedTimer timer;
        timer.start();
        services.keys.sendKeys(keys);
        QApplication::processEvents();
        return double(timer.nsecsElapsed()) / 1e6;
    }
};

void report(benchmark::State &state, const std::string &prefix, const std::vector<double> &times)
{
    benchsupport::quantiles(state, times, prefix);
    state.counters[prefix + "keystrokes"] = double(times.size());
}

// Types `cycle` (one key per entry) until the iterations are done. The key `opening` opens a list;
// its keystrokes are reported on their own besides all of them.
void typeCycles(benchmark::State &state, Window &window, const QStringList &cycle,
                const QString &opening)
{
    std::vector<double> all;
    std::vector<double> openings;
    bool listsSeen = false;
    const quint64 closes = window.form.RB1.gapCloses();
    for (auto _ : state) {
        for (const QString &key : cycle) {
            const double ms = window.type(key);
            all.push_back(ms);
            state.SetIterationTime(ms / 1000);
            if (key != opening)
                continue;
            openings.push_back(ms);
            listsSeen = listsSeen || window.form.List1.visible() || window.form.L1.visible();
        }
    }
    if (!listsSeen)
        state.SkipWithError("no completion list opened");
    // Times the text was read whole while typing with a gap open: each costs a move of the text.
    state.counters["gap_closes"] = double(window.form.RB1.gapCloses() - closes);
    report(state, "", all);
    report(state, "opening_", openings);
    state.counters["chars"] = double(window.form.RB1.text().size());
    state.counters["peak_MB"] = double(peakMegabytes());
}

void BM_KeystrokeHtml1MB(benchmark::State &state)
{
    // About 1 MB of source: 125 rows of 400 cells.
    Window window(125, 400, false);
    window.placeCaret(QStringLiteral(u"<tr>"), window.form.RB1.text().size() / 2);
    typeCycles(state, window, {u"<"_qs, u"t"_qs, u"a"_qs, u"{BS}"_qs, u"{BS}"_qs, u"{BS}"_qs},
               u"t"_qs);
}
BENCHMARK(BM_KeystrokeHtml1MB)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_KeystrokeHtmlTable1000(benchmark::State &state)
{
    Window window(1000, 1000, false);
    window.placeCaret(QStringLiteral(u"<tr>"), window.form.RB1.text().size() / 2);
    typeCycles(state, window, {u"<"_qs, u"t"_qs, u"a"_qs, u"{BS}"_qs, u"{BS}"_qs, u"{BS}"_qs},
               u"t"_qs);
}
BENCHMARK(BM_KeystrokeHtmlTable1000)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);

void BM_KeystrokeScriptDot1000(benchmark::State &state)
{
    Window window(1000, 1000, true);
    // Inside the writing loop, near the end of the script.
    window.placeCaret(QStringLiteral(u"tcount++;"), 0);
    for (QChar c : QStringLiteral(u"document"))
        window.type(QString(c));
    typeCycles(state, window, {u"."_qs, u"{BS}"_qs}, u"."_qs);
}
BENCHMARK(BM_KeystrokeScriptDot1000)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
